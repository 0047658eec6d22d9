#include "connection/commands.h"
#include "connection/connection.h"
#include "forms/runtime_error.h"

namespace qv::connection {
namespace {

constexpr int kOverflow = 6;
constexpr int kSubscriptOutOfRange = 9;

/// Run-time errors that come from a value or an index the message brought.
bool fromMessageBytes(const forms::RuntimeError& error) {
    const int n = error.number();
    return n == kOverflow || n == kSubscriptOutOfRange || n == forms::RuntimeError::kNoSuchElement;
}

void route(Connection& conn, const GameMessage& message) {
    const std::uint8_t command = message.command();
    if (routeOf(command) == Route::PropScore && conn.plugin.loaded()) {
        conn.plugin.Prop_ScoreWanted = true;
    }
    conn.dispatcher.run(message);
    if (relaysToPlugin(command)) {
        plugin::RelayToPlugin(conn.plugin, message.toByteArray());
    }
}

} // namespace

void DispatchFrame(Connection& conn, GameMessage& message) {
    if (capturesSequence(message.command())) {
        conn.CurSeqNum = {message.u8(kSeqNumByte), message.u8(kSeqNumByte + 1)};
    }
    try {
        route(conn, message);
    } catch (const MessageError&) {
        // A message whose fields do not fit is dropped before its branch changed anything.
    } catch (const forms::RuntimeError& error) {
        if (!fromMessageBytes(error)) {
            RestoreLobbyAndEnd(conn);
        }
    } catch (const std::exception&) {
        RestoreLobbyAndEnd(conn);
    }
}

} // namespace qv::connection
