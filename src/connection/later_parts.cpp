#include "connection/later_parts.h"

#include "client.h"
#include "connection/commands.h"
#include "connection/connection.h"

#include <QVariant>

using namespace Qt::StringLiterals;

namespace qv::connection {
namespace {

constexpr int kLeaveStateByte = 15;

} // namespace

void LeastLaterParts::SendLeaveTable(Client& client) {
    GameMessage leave;
    leave.setCommand(MsgTableState);
    leave.setU8(kSeatMaskByte, client.shared.custom[0].seat);
    leave.setU8(kLeaveStateByte, 0);
    client.services.winsock.SendData(leave.toByteArray());
}

void LeastLaterParts::LeaveTableReset(Client& client) {
    auto& conn = client.conn;
    conn.TimerBong.setEnabled(false);
    conn.TimerKeepAlive.setEnabled(false);
    conn.slots.disarmAll();
    conn.SilenceCount = 0;
    conn.g_bInGame = false;
    conn.g_bLoggedIn = false;
    conn.g_bLoginPending = false;
    client.services.winsock.Close();
    client.shared.AnNiuLocked[2] = true;
    conn.view->minimizeTable();
}

void LeastLaterParts::ExitPropPlugin(Client& client, int mode) {
    auto& shared = client.shared;
    if (shared.Prop_GameDllState < 1 || !shared.Prop_GameDll) {
        return;
    }
    QVariantList args{mode};
    shared.Prop_GameDll->call(u"InitExit"_s, args);
    shared.Prop_GameDllState = 0;
}

} // namespace qv::connection
