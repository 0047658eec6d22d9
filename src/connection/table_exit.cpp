#include "connection/table_exit.h"

#include "connection/commands.h"
#include "connection/connection.h"
#include "hand/hand_state.h"
#include "platform/services.h"
#include "table/table_state.h"

namespace qv::connection {
namespace {

constexpr int kExitStateByte = 15;

} // namespace

void BareTableExit::SendLeaveTable() {
    GameMessage leave;
    leave.setCommand(MsgTableState);
    leave.setU8(kSeatMaskByte, conn_.hand.custom[0].seat);
    leave.setU8(kExitStateByte, 0);
    conn_.services.winsock.SendData(leave.toByteArray());
}

void BareTableExit::LeaveTableReset() {
    conn_.TimerBong.setEnabled(false);
    conn_.TimerKeepAlive.setEnabled(false);
    conn_.slots.disarmAll();
    conn_.SilenceCount = 0;
    conn_.g_bInGame = false;
    conn_.g_bLoggedIn = false;
    conn_.g_bLoginPending = false;
    conn_.services.winsock.Close();
    conn_.table.AnNiuLocked[2] = true;
    conn_.view->hidePrizePanel();
    conn_.view->minimizeTable();
}

void BareTableExit::ShowOtherExit(const QString& text) {
    conn_.services.messageBox.show(text, QString());
}

} // namespace qv::connection
