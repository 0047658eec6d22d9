#include "support/mouse_turn.h"

#include "app/client.h"
#include "forms/input_router.h"
#include "table/main_form.h"

namespace qv::test {
namespace {

void click(forms::InputRouter& mouse, QPointF at, int button) {
    mouse.mousePress(at, button, 0);
    mouse.mouseRelease(at, button, 0);
}

} // namespace

void playTurnByMouse(Client& client, forms::InputRouter& mouse) {
    table::MainForm& form = client.forms.get<table::MainForm>();
    if (!client.hand.g_bMyTurn || !client.hand.Oper_Flag || !form.Operation(1).visible()) {
        return;
    }
    const QPointF table = form.Pic1.pixelRect().topLeft();
    click(mouse, table + form.Operation(1).pixelRect().topLeft() + QPointF(3, 10),
          forms::mouse::kLeft);
    if (client.hand.Oper_Flag) {
        click(mouse, table + QPointF(500, 300), forms::mouse::kRight);
    }
}

} // namespace qv::test
