#include "connection/reconnect_reply.h"

#include "connection/connection.h"
#include "platform/services.h"
#include "table/table_state.h"

using namespace Qt::StringLiterals;

namespace qv::connection {
namespace {

constexpr int kReconnectResultByte = 15;
constexpr std::uint8_t kReconnectAccepted = 1;

void resume(Connection& conn) {
    conn.g_bLoggedIn = true;
    conn.g_bReconnected = true;
    conn.view->sysmsgClear(0);
    conn.view->sysmsgClear(1);
    conn.view->sysmsgAdd(0, u"正在重连服务器，请等待...！"_s);
    if (conn.table.g_bCountdownAnim) {
        conn.view->stopCountdownAnimation();
        conn.table.g_bCountdownAnim = false;
    }
    plugin::TellConnectionState(conn.plugin, true);
}

} // namespace

std::optional<ReconnectReply> decodeReconnectReply(const GameMessage& message) {
    return ReconnectReply{message.u8(kReconnectResultByte) == kReconnectAccepted};
}

void OnReconnectReply(Connection& conn, const ReconnectReply& reply) {
    if (reply.accepted) {
        resume(conn);
        return;
    }
    if (conn.plugin.Prop_GameDllState > 0) {
        conn.propPlugin->ExitPropPlugin(0);
    }
    conn.services.messageBox.show(u"重连服务器失败，退出后请重新入座！"_s, QString());
    RestoreLobbyAndEnd(conn);
}

} // namespace qv::connection
