#pragma once

#include "connection/connection_state.h"
#include "connection/dispatcher.h"
#include "connection/frm_reconnect.h"
#include "connection/game_message.h"
#include "connection/proxy_connect.h"
#include "connection/pump_steps.h"
#include "connection/service_timer.h"
#include "connection/socks5_client.h"
#include "connection/table_exit.h"
#include "connection/table_view.h"
#include "match/match.h"
#include "plugin/plugin.h"
#include "shop/chips.h"
#include "shop/rewards.h"

#include <QString>

#include <memory>

namespace qv::platform {
struct Services;
}
namespace qv::common {
class Sound;
}
namespace qv::table {
struct TableState;
}
namespace qv::hand {
struct HandState;
}
namespace qv::chat {
struct ChatState;
}

namespace qv::connection {

/// Lobby window messages, in both directions.
inline constexpr int LobbyMsgReconnect = 0x16;
inline constexpr int LobbyMsgConnected = 0x303;
inline constexpr int LobbyMsgLeave = 0x400;
inline constexpr int LobbyMsgSeated = 0x465;
inline constexpr int LobbyMsgConnecting = 0x466;
inline constexpr int LobbyMsgRoundStart = 0x467;

/// The lobby's title when it does not pass one of its own.
inline const QString kDefaultLobbyTitle = QStringLiteral("Velmor山庄");

/// The state of other subsystems that the connection reads and writes.
struct Peers {
    table::TableState& table;
    hand::HandState& hand;
    chat::ChatState& chat;
    plugin::PluginState& plugin;
    match::MatchState& match;
    common::Sound& sound;
};

/// The connection subsystem: its state, the timers `TimerBong` and `TimerKeepAlive`, the SOCKS5
/// client and the reconnect window, the message branches and pump steps registered with it, and
/// the calls it makes into later parts. Each such call starts on the stand-in that does the least
/// its part asks; the assembly puts the real one in its place.
class Connection : public ConnectionState {
public:
    Connection(platform::Services& platformServices, const Peers& peers);
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    /// The connection's own state as it is now.
    [[nodiscard]] ConnectionState snapshot() const { return *this; }

    platform::Services& services;
    table::TableState& table;
    hand::HandState& hand;
    chat::ChatState& chat;
    plugin::PluginState& plugin;
    match::MatchState& match;
    common::Sound& sound;

    Dispatcher dispatcher;
    PumpSteps pumpSteps;

    BareTableExit bareTableExit{*this};
    TableExit* tableExit = &bareTableExit;
    Socks5Client socks{*this};
    ProxyConnect* proxy = &socks;
    FrmReconnect frmReconnect{*this};
    Reconnect* reconnect = &frmReconnect;
    match::MatchData matchData{match};
    match::MatchReset* matchReset = &matchData;
    /// The item plug-in's bridge, set by the assembly.
    plugin::PropPlugin* propPlugin = nullptr;
    /// The chip setting, put in place by the assembly.
    shop::Chips* chips = nullptr;
    /// The reward sequence after a hand, put in place by the assembly.
    shop::Rewards* rewards = nullptr;

    /// What the connection shows: a log until the table window is there.
    std::unique_ptr<TableView> view = std::make_unique<TableLog>();

    ServiceTimer TimerBong;
    ServiceTimer TimerKeepAlive;
};

/// Registers the branches the connection owns: the login reply, the countdown animation and the
/// reconnect reply.
void RegisterBranches(Connection& conn);

// Rings and sending.
void ResetRings(Connection& conn);
/// Completes a message (chat text, turn token, sequence bytes) and appends it to the send ring.
/// Nothing is queued when a chat message has no text or the ring has no room.
void QueueFrame(Connection& conn, GameMessage& msg);
/// The tournament and shop senders' way: sequence bytes only.
void QueueMatchFrame(Connection& conn, GameMessage& msg);
/// Queues command 93, the shop's order: `kind` 2 buys `amount` of goods `goodsId`, kind 3 sets
/// the chips.
void Send93(Connection& conn, std::uint8_t kind, std::int32_t goodsId, std::int32_t amount);
/// Received bytes go to the proxy reply ring while the proxy exchange runs, one at a time so that
/// the bytes behind the last reply go to the game, and to the receive ring otherwise.
void Winsock1_DataArrival(Connection& conn, int bytesTotal);
/// Appends game bytes to the receive ring (an overrun ends the program) and arms the receive
/// slot.
void TakeGameData(Connection& conn, const QByteArray& bytes);
void Winsock1_Connect(Connection& conn);
void Winsock1_Error(Connection& conn);
void Winsock1_Close(Connection& conn);
void TimerKeepAlive_Timer(Connection& conn);

// The pump.
void TimerBong_Timer(Connection& conn);

/// The dispatcher: takes the sequence bytes, runs the registered branch and relays to the item
/// plug-in what the command table says it gets.
void DispatchFrame(Connection& conn, GameMessage& message);

// The lobby link.
void RestoreLobby(Connection& conn);
void MinimizeLobby(Connection& conn);
void PostToLobby(Connection& conn, int msg);
/// The lobby's messages to the table window.
void LobbyWndProc(Connection& conn, int uMsg);
/// Restores the lobby window and ends the program at once.
void RestoreLobbyAndEnd(Connection& conn);

/// Connects as the command line says: directly (the pump logs in once connected), through the
/// proxy, or not at all for another proxy type.
void ConnectByProxyType(Connection& conn);
/// The socket is on its way to a connection (looking the host up or connecting).
bool SocketConnecting(const Connection& conn);

// Start-up and shut-down, in the order the table window's load runs them.
/// Empties the rings, refuses a second copy and puts the start values (before the sound starts).
void BeginStartUp(Connection& conn);
/// Resets the tournament state, reads the command line, prepares the login, connects and
/// restores the lobby; a line that is missing or unusable ends the program.
void OpenConnection(Connection& conn, const QString& commandLine);
/// After the table is shown: the last start values, and the lobby's messages reach
/// `LobbyWndProc` from now on.
void InstallLobbyLink(Connection& conn);
/// The whole start-up without a table window: the steps above with the table shown between.
void Form_Load(Connection& conn, const QString& commandLine);
/// The connection's share of the table window's unload: the lobby's messages stop, the item
/// plug-in is closed, and the program ends once the window has gone.
void Form_Unload(Connection& conn);

} // namespace qv::connection
