#include "connection/commands.h"
#include "connection/connection.h"
#include "connection/login_reply.h"
#include "connection/reconnect_reply.h"
#include "table/table_state.h"

#include <optional>

namespace qv::connection {
namespace {

constexpr int kCountdownAnimByte = 9;
constexpr std::uint8_t kCountdownAnimStart = 2;

/// The countdown animation's start; any other value of byte 9 starts nothing.
struct CountdownAnimStart {};

std::optional<CountdownAnimStart> decodeCountdownAnim(const GameMessage& message) {
    if (message.u8(kCountdownAnimByte) != kCountdownAnimStart) {
        return std::nullopt;
    }
    return CountdownAnimStart{};
}

} // namespace

void RegisterBranches(Connection& conn) {
    conn.dispatcher.on(MsgLogin, decodeLoginReply,
                       [&conn](const LoginReply& reply) { OnLoginReply(conn, reply); });
    conn.dispatcher.on(MsgCountdownAnim, decodeCountdownAnim, [&conn](CountdownAnimStart) {
        conn.view->startCountdownAnimation();
        conn.table.g_bCountdownAnim = true;
    });
    conn.dispatcher.on(MsgReconnectReply, decodeReconnectReply,
                       [&conn](const ReconnectReply& reply) { OnReconnectReply(conn, reply); });
}

} // namespace qv::connection
