#include "support/mouse_turn.h"

#include "app/client.h"
#include "forms/input_router.h"
#include "table/main_form.h"

#include <optional>

namespace qv::test {
namespace {

void click(forms::InputRouter& mouse, QPointF at, int button) {
    mouse.mousePress(at, button, 0);
    mouse.mouseRelease(at, button, 0);
}

/// The first spot of `area` (window pixels), row by row from its top, where the mouse reaches
/// `target` and nothing drawn above it.
std::optional<QPointF> spotOn(const forms::InputRouter& mouse, QRectF area,
                              const forms::Component& target) {
    constexpr double kStep = 10;
    for (double y = area.top() + 1; y < area.bottom(); y += kStep) {
        for (double x = area.left() + 1; x < area.right(); x += kStep) {
            if (&mouse.targetAt({x, y}) == &target) {
                return QPointF(x, y);
            }
        }
    }
    return std::nullopt;
}

/// The partner call as a person makes it: his lowest card raised, then the call button.
void callByMouse(Client& client, forms::InputRouter& mouse) {
    table::MainForm& form = client.forms.get<table::MainForm>();
    const QPointF table = form.Pic1.pixelRect().topLeft();
    const hand::PlayerInfo& own = client.hand.custom[0];
    const auto& card = form.cardImage0(own.pai.at(static_cast<std::size_t>(own.sum - 1)).Ind);
    if (const auto spot = spotOn(mouse, card.pixelRect().translated(table), card)) {
        click(mouse, *spot, forms::mouse::kLeft);
        click(mouse, table + form.btnJiaopai(0).pixelRect().center(), forms::mouse::kLeft);
    }
}

} // namespace

void playTurnByMouse(Client& client, forms::InputRouter& mouse) {
    table::MainForm& form = client.forms.get<table::MainForm>();
    if (client.hand.Oper1_Flag && client.hand.custom[0].sum > 0 && form.btnJiaopai(0).visible()) {
        callByMouse(client, mouse);
        return;
    }
    if (!client.hand.g_bMyTurn || !client.hand.Oper_Flag || !form.Operation(1).visible()) {
        return;
    }
    const QPointF table = form.Pic1.pixelRect().topLeft();
    click(mouse, table + form.Operation(1).pixelRect().topLeft() + QPointF(3, 10),
          forms::mouse::kLeft);
    // The seats' played cards cover parts of the table, and a right click on them plays nothing.
    const QRectF middle(table + QPointF(300, 100), QSizeF(600, 250));
    if (const auto bare = spotOn(mouse, middle, form.Pic1); client.hand.Oper_Flag && bare) {
        click(mouse, *bare, forms::mouse::kRight);
    }
}

} // namespace qv::test
