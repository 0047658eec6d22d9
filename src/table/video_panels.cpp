#include "table/video_panels.h"

#include "table/main_form.h"
#include "table/table_context.h"
#include "table/table_state.h"

#include <array>

namespace qv::table {

namespace {

constexpr std::array<float, 3> kFrameLeft = {0, 342, 685};
constexpr int kCommandButtons = 16;

} // namespace

void LayoutVideoPanels(MainForm& form) {
    const float sx = form.context().state.ScaleX;
    const float sy = form.context().state.ScaleY;

    for (int i = 1; i <= 3; ++i) {
        Image& frame = form.ImgKuang(i);
        frame.setWidth(126 * sx);
        frame.setHeight(105 * sy);
        frame.setTop(3);
        // The left frame stands at the table's edge whatever the scale.
        frame.setLeft(i == 1 ? 0 : kFrameLeft[static_cast<std::size_t>(i - 1)] * sx);
        frame.setVisible(false);
    }

    form.PicLocal(0).setWidth(87 * sx);
    form.PicLocal(0).setHeight(17 * sy);
    for (int i = 1; i <= 3; ++i) {
        form.PicLocal(i).setWidth(145 * sx);
        form.PicLocal(i).setHeight(17 * sy);
    }
    form.PicLocal(0).setTop(742 * sy);
    form.PicLocal(0).setLeft(9 * sx);
    for (int i = 1; i <= 3; ++i) {
        form.PicLocal(i).setTop(88 * sy);
    }
    for (int i = 1; i <= 3; ++i) {
        form.PicLocal(i).setLeft(form.ImgKuang(i).width() + form.ImgKuang(i).left());
    }
    for (int i = 0; i <= 3; ++i) {
        form.PicLocal(i).setVisible(false);
    }

    for (int i = 1; i <= 3; ++i) {
        Image& icon = form.ImgShow(i);
        icon.setVisible(false);
        icon.setWidth(16 * sx);
        icon.setHeight(14 * sy);
    }
    form.ImgShow(1).setLeft(32 * sx);
    form.ImgShow(3).setLeft(720 * sx);
    form.ImgShow(2).setLeft(375 * sx);
    for (int i = 1; i <= 3; ++i) {
        form.ImgShow(i).setTop(80 * sy);
    }

    const Image& model = form.ImCmd(0);
    for (int i = 1; i < kCommandButtons; ++i) {
        form.ImCmd(i).setMouseIcon(model.mouseIcon());
        form.ImCmd(i).setMousePointer(model.mousePointer());
    }

    if (sx < 1.0F) {
        for (int i = 0; i < kCommandButtons; ++i) {
            Image& button = form.ImCmd(i);
            button.setStretch(true);
            button.setWidth(button.width() * sx);
            button.setHeight(button.height() * sy);
            button.setLeft(button.left() * sx);
            button.setTop(button.top() * sy);
        }
    }
}

} // namespace qv::table
