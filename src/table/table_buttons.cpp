#include "table/table_buttons.h"

#include "common/picture_tables.h"
#include "table/main_form.h"
#include "table/table_context.h"
#include "table/table_pictures.h"
#include "table/table_state.h"

namespace qv::table {

namespace {

constexpr int kButtonCount = 9;
// Picture resources of the side widgets.
constexpr int kJadeTaskPicture = 680;
constexpr int kJadeExchangePicture = 1560;
constexpr int kEmoticonToolPicture = 660;
constexpr int kPhraseToolPicture = 664;

/// The normal picture of table button `i` in `AnNiuRes`: pairs of normal and hover pictures in
/// button order, with the continue pair (6, 7) after the start button's.
int normalButtonPicture(const TableContext& context, int i) {
    const int element = i < 3 ? 2 * i : 2 * i + 2;
    return context.imageRes.AnNiuRes.at(static_cast<std::size_t>(element)).toInt();
}

} // namespace

void LayoutButtonRow(MainForm& form) {
    TableContext& context = form.context();
    TableState& table = context.state;
    const float sx = table.ScaleX;
    const float sy = table.ScaleY;

    for (int i = 1; i < kButtonCount; ++i) {
        Image& button = form.AnNiu.load(i);
        button.setVisible(true);
        button.zOrder(0);
    }
    for (int i = 0; i < kButtonCount; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        table.AnNiuLocked[slot] = false;
        table.AnNiuHover[slot] = false;
        Image& button = form.AnNiu(i);
        button.setWidth((i == 0 ? 50 : 60) * sx);
        button.setHeight(30 * sy);
        LoadTablePicture(normalButtonPicture(context, i), button);
    }
    table.AnNiuLocked[2] = true;

    form.AnNiu(0).setTop(730 * sy);
    form.AnNiu(0).setLeft(573 * sx);
    form.AnNiu(1).setTop(699 * sy);
    form.AnNiu(1).setLeft(648 * sx);
    for (int i = 2; i < kButtonCount; ++i) {
        Image& button = form.AnNiu(i);
        if (i == 5) {
            button.setLeft(form.AnNiu(1).left());
            button.setTop(form.AnNiu(1).top() + 32 * sy);
            continue;
        }
        const Image& before = form.AnNiu(i - 1);
        button.setTop(before.top());
        button.setLeft(before.left() + 70 * sx);
    }
}

void LayoutCountdownFrames(MainForm& form) {
    TableState& table = form.context().state;
    const float sx = table.ScaleX;
    const float sy = table.ScaleY;

    form.ImgJadeTask.setTop(450 * sy);
    form.ImgJadeTask.setLeft(3 * sx);
    form.ImgJadeTask.setTag(u"0"_s);
    form.ImgJadeTask.setVisible(false);
    form.ImgJadeTask.zOrder(0);
    LoadTablePicture(kJadeTaskPicture, form.ImgJadeTask);

    for (int i = 0; i < 3; ++i) {
        Image& frame = form.Picture_ani(i);
        frame.setLeft(458 * sx);
        frame.setTop(370 * sy);
        frame.setWidth(111 * sx);
        frame.setHeight(133 * sy);
        frame.zOrder(0);
        frame.setVisible(false);
    }
    form.Timer_ani.setEnabled(false);
    table.g_bCountdownAnim = false;
}

void LayoutChatTools(MainForm& form) {
    TableState& table = form.context().state;
    const float sx = table.ScaleX;
    const float sy = table.ScaleY;

    form.ImgJadeExch.setTop(623 * sy);
    form.ImgJadeExch.setLeft(0);
    form.ImgJadeExch.setTag(u"0"_s);
    form.ImgJadeExch.setVisible(true);
    LoadTablePicture(kJadeExchangePicture, form.ImgJadeExch);

    form.imgword1.setLeft(635 * sx);
    form.imgword1.setTop(660 * sy);
    form.imgword1.setTag(u"0"_s);
    LoadTablePicture(kEmoticonToolPicture, form.imgword1);
    form.imgword1.setVisible(false);

    form.imgword2.setLeft(653 * sx);
    form.imgword2.setTop(660 * sy);
    form.imgword2.setTag(u"0"_s);
    LoadTablePicture(kPhraseToolPicture, form.imgword2);
}

void LayoutLocation(MainForm& form) {
    const float sx = form.context().state.ScaleX;
    const float sy = form.context().state.ScaleY;

    form.Location.setTop(668 * sy);
    form.Location.setLeft(760 * sx);
    form.Location.zOrder(0);

    form.imgLocation.setStretch(true);
    form.imgLocation.setLeft(632 * sx);
    form.imgLocation.setTop(654 * sy);
    form.imgLocation.setWidth(394 * sx);
    form.imgLocation.setHeight(39 * sy);
}

void LayoutStoreButton(MainForm& form) {
    const float sx = form.context().state.ScaleX;
    const float sy = form.context().state.ScaleY;

    if (sx < 1.0F) {
        form.Bank.setWidth(form.Bank.width() * sx);
        form.Bank.setHeight(form.Bank.height() * sy);
    }
    form.Bank.setLeft(699 * sx);
    form.Bank.setTop(658 * sy);
    form.Bank.setVisible(true);
    form.Bank.zOrder(0);

    form.lbl_matchtime.setCaption(QString());
    form.lbl_matchtime.setVisible(false);
}

} // namespace qv::table
