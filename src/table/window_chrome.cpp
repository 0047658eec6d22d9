#include "table/window_chrome.h"

#include "forms/form_host.h"
#include "table/chat_windows.h"
#include "table/main_form.h"
#include "table/skin_tiles.h"

namespace qv::table {

namespace {

// Element 0 is the button the player sees; 1, 2, 3 hold its normal, hover and pressed pictures.
constexpr int kNormal = 1;
constexpr int kHover = 2;
constexpr int kPressed = 3;
constexpr double kIconPlace = 50;
constexpr double kIconSize = 240;
constexpr double kButtonTop = 25;
constexpr double kCloseFromRight = 70;
constexpr double kButtonGap = 30;
constexpr double kDragLeft = 290;
constexpr double kDragBelowButtons = 50;
constexpr double kCaptionLeft = 300;

ControlArray<Image>& buttonOf(MainForm& form, bool close) {
    return close ? form.ImgClose : form.ImgMin;
}

void showPicture(ControlArray<Image>& button, int holder) {
    button(0).setPicture(button(holder).picture());
}

void restButtons(MainForm& form) {
    if (form.ChromeAtRest) {
        return;
    }
    form.ChromeAtRest = true;
    showPicture(form.ImgClose, kNormal);
    showPicture(form.ImgMin, kNormal);
}

} // namespace

void PaintSkin(MainForm& form) {
    const QImage& skin = form.Skin.picture();
    for (const SkinTile& tile :
         skinTiles(static_cast<int>(form.width()), static_cast<int>(form.height()))) {
        form.paintPicture(skin, tile.destination.x(), tile.destination.y(),
                          tile.destination.width(), tile.destination.height(), tile.source.x(),
                          tile.source.y(), tile.source.width(), tile.source.height());
    }
    if (!form.icon().isNull()) {
        form.ImgIcon.setPicture(form.icon());
        form.ImgIcon.setStretch(true);
        form.ImgIcon.move(kIconPlace, kIconPlace, kIconSize, kIconSize);
    }
    Image& close = form.ImgClose(0);
    close.setLeft(form.scaleWidth() - close.width() - kCloseFromRight);
    close.setTop(kButtonTop);
    showPicture(form.ImgClose, kNormal);
    close.zOrder(0);
    Image& minimise = form.ImgMin(0);
    minimise.setLeft(close.left() - minimise.width() - kButtonGap);
    minimise.setTop(kButtonTop);
    showPicture(form.ImgMin, kNormal);
    minimise.zOrder(0);
    form.LbMove.move(kDragLeft, 0, minimise.left() - kDragLeft, close.height() + kDragBelowButtons);
    form.lcaption.move(kCaptionLeft, kButtonTop);
    form.lcaption.setForeColor(forms::rgb(255, 255, 255));
}

void ImgClose_Click(MainForm& form, int index) {
    if (index == 0) {
        form.AnNiu(8).raiseClick();
    }
}

void ImgMin_Click(MainForm& form, int index) {
    if (index == 0) {
        form.setWindowState(forms::window_state::kMinimized);
    }
}

void ChromeButton_MouseDown(MainForm& form, bool close, int index) {
    if (index == 0) {
        showPicture(buttonOf(form, close), kPressed);
    }
}

void ChromeButton_MouseMove(MainForm& form, bool close, int index) {
    if (index == 0 && form.ChromeAtRest) {
        showPicture(buttonOf(form, close), kHover);
        form.ChromeAtRest = false;
    }
}

void ChromeButton_MouseUp(MainForm& form, bool close, int index) {
    if (index == 0) {
        showPicture(buttonOf(form, close), kHover);
    }
}

void LbMove_MouseDown(MainForm& form, int button) {
    if (button != forms::mouse::kLeft) {
        return;
    }
    form.host().get<Talk>().hide();
    form.host().get<huifu>().hide();
    form.LbMove.setMousePointer(forms::pointer::kSizeAll);
    form.beginMove();
}

void LbMove_MouseMove(MainForm& form) {
    form.LbMove.setMousePointer(forms::pointer::kArrow);
    restButtons(form);
}

void Form_MouseMove(MainForm& form) {
    restButtons(form);
}

void wireChrome(MainForm& form) {
    for (const bool close : {true, false}) {
        ControlArray<Image>& button = buttonOf(form, close);
        button.events.mouseDown = [&form, close](int index, int, int, double, double) {
            ChromeButton_MouseDown(form, close, index);
        };
        button.events.mouseMove = [&form, close](int index, int, int, double, double) {
            ChromeButton_MouseMove(form, close, index);
        };
        button.events.mouseUp = [&form, close](int index, int, int, double, double) {
            ChromeButton_MouseUp(form, close, index);
        };
    }
    form.ImgClose.events.click = [&form](int index) {
        ImgClose_Click(form, index);
    };
    form.ImgMin.events.click = [&form](int index) {
        ImgMin_Click(form, index);
    };
    form.LbMove.events.mouseDown = [&form](int button, int, double, double) {
        LbMove_MouseDown(form, button);
    };
    form.LbMove.events.mouseMove = [&form](int, int, double, double) {
        LbMove_MouseMove(form);
    };
    form.events.mouseMove = [&form](int, int, double, double) {
        Form_MouseMove(form);
    };
}

} // namespace qv::table
