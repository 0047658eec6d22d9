#include "forms/control.h"

#include "forms/container.h"
#include "forms/form.h"

namespace qv::forms {

Control::Control(Container& container, QString name, Layer layer)
    : Component(container.component().form(), std::move(name)), container_(&container),
      layer_(layer) {
    container_->attach(*this);
    changed();
}

void Control::designAs(const ControlDesign& design) {
    form().addDesign(*this, design);
}

void Control::applyDesign(const ControlDesign& design, const DesignPictures& pictures) {
    Container& outer = container();
    move(outer.xFromPixels(design.left), outer.yFromPixels(design.top),
         outer.widthFromPixels(design.width), outer.heightFromPixels(design.height));
    setVisible(design.visible);
    setEnabled(design.enabled);
    setToolTipText(design.toolTip.toString());
    if (design.customCursor) {
        setMouseIcon(pictures.pointer());
        setMousePointer(pointer::kCustom);
    }
}

Control::~Control() {
    form().dropFocus(*this);
    container_->detach(*this);
    changed();
}

void Control::setGeometry(const Geometry& geometry) {
    settleSize();
    if (assign(geometry_, geometry)) {
        geometryChanged();
    }
}

void Control::setLeft(double left) {
    move(left);
}

void Control::setTop(double top) {
    Geometry geometry = this->geometry();
    geometry.top = top;
    setGeometry(geometry);
}

void Control::setWidth(double width) {
    Geometry geometry = this->geometry();
    geometry.width = width;
    setGeometry(geometry);
}

void Control::setHeight(double height) {
    Geometry geometry = this->geometry();
    geometry.height = height;
    setGeometry(geometry);
}

void Control::move(double left, std::optional<double> top, std::optional<double> width,
                   std::optional<double> height) {
    const Geometry& now = geometry();
    setGeometry(
        {left, top.value_or(now.top), width.value_or(now.width), height.value_or(now.height)});
}

void Control::setPixelSize(double widthPixels, double heightPixels) {
    Geometry geometry = this->geometry();
    geometry.width = container_->widthFromPixels(widthPixels);
    geometry.height = container_->heightFromPixels(heightPixels);
    if (assign(geometry_, geometry)) {
        geometryChanged();
    }
}

void Control::setVisible(bool visible) {
    if (!visible) {
        form().dropFocus(*this);
    }
    assign(visible_, visible);
}

void Control::setEnabled(bool enabled) {
    if (!enabled) {
        form().dropFocus(*this);
    }
    Component::setEnabled(enabled);
}

void Control::setToolTipText(const QString& text) {
    assign(toolTipText_, text);
}

void Control::setMousePointer(int pointer) {
    assign(mousePointer_, pointer);
}

void Control::setMouseIcon(const QImage& icon) {
    mouseIcon_ = icon;
    changed();
}

void Control::refresh() {
    changed();
    form().refresh();
}

bool Control::setFocus() {
    return form().setFocusTo(*this);
}

void Control::zOrder(int position) {
    container_->moveInLayer(*this, position == 0);
    changed();
}

void Control::setSettledPixelSize(double widthPixels, double heightPixels) const {
    geometry_.width = container_->widthFromPixels(widthPixels);
    geometry_.height = container_->heightFromPixels(heightPixels);
}

QRectF Control::pixelRect() const {
    const Geometry& now = geometry();
    return container_->rectToPixels(now.left, now.top, now.width, now.height);
}

bool Control::shownInForm() const {
    return visible_ && container_->shownInForm();
}

void Control::copyControlPropertiesFrom(const Control& other) {
    copyComponentPropertiesFrom(other);
    geometry_ = other.geometry();
    visible_ = false;
    toolTipText_ = other.toolTipText_;
    mousePointer_ = other.mousePointer_;
    mouseIcon_ = other.mouseIcon_;
    changed();
    geometryChanged();
}

} // namespace qv::forms
