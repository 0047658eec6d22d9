#include "table/design_apply.h"

#include "forms/form.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/list_box.h"
#include "forms/picture_box.h"
#include "forms/text_box.h"
#include "table/main_form_design.h"
#include "table/table_pictures.h"

#include <vector>

namespace qv::table {

namespace {

constexpr double kUserUnitTwips = 15;

const ControlDesign* findDesign(const forms::Control& control) {
    for (const ControlDesign& design : mainFormControls()) {
        if (design.name != control.name()) {
            continue;
        }
        const int index = control.index();
        if (design.isArray() ? (index >= design.firstIndex && index <= design.lastIndex)
                             : index < 0) {
            return &design;
        }
    }
    return nullptr;
}

void applyStyle(forms::StyledControl& control, const ControlDesign& design) {
    if (!design.fontName.isEmpty()) {
        control.setFontName(design.fontName.toString());
    }
    if (design.fontSize > 0) {
        control.setFontSize(design.fontSize);
    }
    if (design.bold) {
        control.setFontBold(true);
    }
    if (design.foreColor != kNoColour) {
        control.setForeColor(design.foreColor);
    }
    if (design.backColor != kNoColour) {
        control.setBackColor(design.backColor);
    }
}

using ResourceLoader = std::function<void(forms::Image& image, int resId)>;

void applyKind(forms::Control& control, const ControlDesign& design,
               const ResourceLoader& loadResource) {
    if (auto* image = dynamic_cast<forms::Image*>(&control)) {
        image->setStretch(design.stretch);
        const QImage picture = DesignPicture(design.name, control.index());
        if (!picture.isNull()) {
            image->setPicture(picture);
        }
        if (design.pictureRes != 0) {
            loadResource(*image, design.pictureRes);
        }
    } else if (auto* label = dynamic_cast<forms::Label*>(&control)) {
        applyStyle(*label, design);
        label->setUseMnemonic(!design.ampersandLiteral);
        label->setAlignment(design.alignment == DesignAlign::Centre ? forms::alignment::kCenter
                                                                    : forms::alignment::kLeft);
        label->setCaption(design.text.toString());
        label->setAutoSize(design.autoSize);
    } else if (auto* text = dynamic_cast<forms::TextBox*>(&control)) {
        applyStyle(*text, design);
        text->setMaxLength(design.maxLength);
        text->setLocked(design.readOnly);
        text->setText(design.text.toString());
    } else if (auto* list = dynamic_cast<forms::ListBox*>(&control)) {
        applyStyle(*list, design);
    } else if (auto* box = dynamic_cast<forms::PictureBox*>(&control)) {
        switch (design.unit) {
        case DesignUnit::Pixels:
            box->setScaleMode(forms::ScaleMode::Pixels);
            break;
        case DesignUnit::Twips:
            box->setScaleMode(forms::ScaleMode::Twips);
            break;
        case DesignUnit::UserTwips15: {
            const double width = box->innerPixelSize().width() * forms::kTwipsPerPixel;
            const double height = box->innerPixelSize().height() * forms::kTwipsPerPixel;
            box->scale(0, 0, width / kUserUnitTwips, height / kUserUnitTwips);
            break;
        }
        }
        if (design.backColor != kNoColour) {
            box->setBackColor(design.backColor);
        }
        const QImage picture = DesignPicture(design.name, control.index());
        if (!picture.isNull()) {
            box->setPicture(picture);
        }
    }
}

void applyTo(forms::Container& container, const ResourceLoader& loadResource) {
    std::vector<forms::Control*> controls = container.windowlessControls();
    controls.insert(controls.end(), container.windowedControls().begin(),
                    container.windowedControls().end());
    for (forms::Control* control : controls) {
        const ControlDesign* design = findDesign(*control);
        if (design == nullptr) {
            continue;
        }
        forms::Container& outer = control->container();
        control->move(outer.xFromPixels(design->left), outer.yFromPixels(design->top),
                      outer.widthFromPixels(design->width), outer.heightFromPixels(design->height));
        control->setVisible(design->visible);
        control->setEnabled(design->enabled);
        control->setToolTipText(design->toolTip.toString());
        if (design->customCursor) {
            control->setMouseIcon(DesignPicture(u"cursor", -1));
            control->setMousePointer(forms::pointer::kCustom);
        }
        applyKind(*control, *design, loadResource);
        if (auto* box = dynamic_cast<forms::PictureBox*>(control)) {
            applyTo(*box, loadResource);
        }
    }
}

} // namespace

void applyDesign(forms::Form& form, const ResourceLoader& loadResource) {
    applyTo(form, loadResource);
}

} // namespace qv::table
