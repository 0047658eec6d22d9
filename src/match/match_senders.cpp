#include "match/match_senders.h"

#include "connection/commands.h"
#include "connection/connection.h"
#include "match/match.h"
#include "platform/services.h"

namespace qv::match {
namespace {

constexpr int kRequestIdByte = 16;

void sendWithId(connection::Connection& conn, std::uint8_t command, std::int32_t id) {
    if (id < 0) {
        return;
    }
    connection::GameMessage msg;
    msg.setCommand(command);
    msg.setU32le(kRequestIdByte, static_cast<std::uint32_t>(id));
    connection::QueueMatchFrame(conn, msg);
}

} // namespace

void SendSignUp(connection::Connection& conn, std::int32_t id) {
    sendWithId(conn, connection::MsgSignUp, id);
}

void SendSortRequest(connection::Connection& conn, std::int32_t id) {
    sendWithId(conn, connection::MsgSortPage, id);
}

void SendTimeRequest(connection::Connection& conn, MatchState& state) {
    connection::GameMessage msg;
    msg.setCommand(connection::MsgServerTime);
    connection::QueueMatchFrame(conn, msg);
    state.TimeRequestTick = conn.services.time.tickMs();
}

} // namespace qv::match
