#include "client.h"
#include "connection/commands.h"
#include "connection/connection.h"
#include "forms/runtime_error.h"

#include <QVariant>

using namespace Qt::StringLiterals;

namespace qv::connection {
namespace {

constexpr int kCountdownAnimByte = 9;
constexpr int kOverflow = 6;
constexpr int kSubscriptOutOfRange = 9;

/// Run-time errors that come from a value or an index the message brought.
bool fromMessageBytes(const forms::RuntimeError& error) {
    const int n = error.number();
    return n == kOverflow || n == kSubscriptOutOfRange || n == forms::RuntimeError::kNoSuchElement;
}
constexpr std::uint8_t kCountdownAnimStart = 2;

bool pluginLoaded(const Client& client) {
    return client.shared.Prop_GameDllState > 0 && client.shared.Prop_GameDll;
}

void relayToPlugin(Client& client, const GameMessage& message) {
    if (!pluginLoaded(client)) {
        return;
    }
    QVariantList args{message.toByteArray()};
    client.shared.Prop_GameDll->call(u"Rec_MSG"_s, args);
}

void onCountdownAnim(Client& client, const GameMessage& message) {
    if (message.u8(kCountdownAnimByte) != kCountdownAnimStart) {
        return;
    }
    client.conn.view->startCountdownAnimation();
    client.shared.g_bCountdownAnim = true;
}

void route(Client& client, GameMessage& message) {
    auto& later = *client.conn.later;
    switch (routeOf(message.command())) {
    case Route::RoundStart:
        later.onRoundStart(client, message);
        break;
    case Route::CallCard:
        later.onCallCard(client, message);
        break;
    case Route::PlayMade:
        later.onPlayMade(client, message);
        break;
    case Route::Result:
        later.onResult(client, message);
        break;
    case Route::CountdownAnim:
        onCountdownAnim(client, message);
        break;
    case Route::TableState:
        later.onTableState(client, message);
        break;
    case Route::LoginReply:
        OnLoginReply(client, message);
        break;
    case Route::Chat:
        later.onChat(client, message);
        break;
    case Route::PlayerSeated:
        later.onPlayerSeated(client, message);
        break;
    case Route::PlayerLeft:
        later.onPlayerLeft(client, message);
        break;
    case Route::Kicked:
        later.onKicked(client, message);
        break;
    case Route::PlayerReady:
        later.onPlayerReady(client, message);
        break;
    case Route::ReconnectReply:
        later.onReconnectReply(client, message);
        break;
    case Route::PropScore:
        if (pluginLoaded(client)) {
            client.shared.Prop_ScoreWanted = true;
        }
        relayToPlugin(client, message);
        break;
    case Route::MatchScores:
        later.MsgDecode_47(client, message);
        break;
    case Route::Match:
        later.MsgDecode_Match(client, message);
        break;
    case Route::PropData:
    case Route::Relay:
        relayToPlugin(client, message);
        break;
    }
}

} // namespace

void DispatchFrame(Client& client, GameMessage& message) {
    if (capturesSequence(message.command())) {
        client.conn.CurSeqNum = {message.u8(kSeqNumByte), message.u8(kSeqNumByte + 1)};
    }
    try {
        route(client, message);
    } catch (const MessageError&) {
        // A message whose fields do not fit is dropped; what the branch did before stays.
    } catch (const forms::RuntimeError& error) {
        if (!fromMessageBytes(error)) {
            RestoreLobbyAndEnd(client);
        }
    } catch (const std::exception&) {
        RestoreLobbyAndEnd(client);
    }
}

} // namespace qv::connection
