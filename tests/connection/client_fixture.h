#pragma once

#include "chat/chat_state.h"
#include "common/sound.h"
#include "connection/commands.h"
#include "connection/connection.h"
#include "hand/hand_state.h"
#include "match/match.h"
#include "platform/fake/fake_platform.h"
#include "plugin/plugin.h"
#include "table/table_state.h"

#include <gmock/gmock.h>
#include <memory>
#include <vector>

namespace qv::connection {

/// The connection with the state of the subsystems it works on, assembled as the client does.
struct ConnectionParts {
    explicit ConnectionParts(platform::Services& services)
        : sound(services.sound, services.appFolder),
          conn(services, {table, hand, chat, plugin, match, sound}) {
        RegisterBranches(conn);
    }

    common::Sound sound;
    table::TableState table;
    hand::HandState hand;
    chat::ChatState chat;
    plugin::PluginState plugin;
    match::MatchState match;
    Connection conn;
};

/// Every part the connection calls, and the branches and pump steps of the subsystems that
/// register with it, as one mock.
class MockParts : public TableExit,
                  public ProxyConnect,
                  public Reconnect,
                  public match::MatchReset,
                  public plugin::PropPlugin {
public:
    MOCK_METHOD(void, onRoundStart, (const GameMessage&));
    MOCK_METHOD(void, onCallCard, (const GameMessage&));
    MOCK_METHOD(void, onPlayMade, (const GameMessage&));
    MOCK_METHOD(void, onResult, (const GameMessage&));
    MOCK_METHOD(void, onTableState, (const GameMessage&));
    MOCK_METHOD(void, onChat, (const GameMessage&));
    MOCK_METHOD(void, onPlayerSeated, (const GameMessage&));
    MOCK_METHOD(void, onPlayerLeft, (const GameMessage&));
    MOCK_METHOD(void, onKicked, (const GameMessage&));
    MOCK_METHOD(void, onPlayerReady, (const GameMessage&));
    MOCK_METHOD(void, MsgDecode_47, (const GameMessage&));
    MOCK_METHOD(void, MsgDecode_Match, (const GameMessage&));
    MOCK_METHOD(void, SendLeaveTable, (), (override));
    MOCK_METHOD(void, LeaveTableReset, (), (override));
    MOCK_METHOD(void, ClearTableState, (), (override));
    MOCK_METHOD(void, ResetTable, (), (override));
    MOCK_METHOD(void, ShowOtherExit, (const QString&), (override));
    MOCK_METHOD(void, startReconnect, (), (override));
    MOCK_METHOD(void, ConnectToSock5Server, (), (override));
    MOCK_METHOD(void, ProxyConnected, (), (override));
    MOCK_METHOD(void, ProxyFailed, (), (override));
    MOCK_METHOD(void, OnSocksReply, (), (override));
    MOCK_METHOD(bool, InitGameDll, (), (override));
    MOCK_METHOD(void, ClearProps, (), (override));
    MOCK_METHOD(void, ExitPropPlugin, (int), (override));
    MOCK_METHOD(void, initMatchData, (), (override));
    MOCK_METHOD(void, tickPanels, ());
    MOCK_METHOD(void, tickCountdowns, ());
    MOCK_METHOD(void, tickPlugin, ());
};

/// A whole connection on fake services, with the usual lobby open.
class ClientTest : public testing::Test {
protected:
    ClientTest() { platform.lobby.open(kDefaultLobbyTitle); }

    /// A direct connection to 127.0.0.1:6000 for the user "alice".
    static QString directLine();
    /// A server message of `command` with the given bytes set.
    static GameMessage message(std::uint8_t command,
                               std::initializer_list<std::pair<int, std::uint8_t>> bytes = {});

    /// Puts a mock in place of every part the connection calls, and registers its branches and
    /// pump steps; the fixture owns it.
    testing::NiceMock<MockParts>& mockParts() { return install<testing::NiceMock<MockParts>>(); }
    testing::StrictMock<MockParts>& strictParts() {
        return install<testing::StrictMock<MockParts>>();
    }
    TableLog& view() { return dynamic_cast<TableLog&>(*client.conn.view); }

    /// Starts from `line`; the program's end shows in `platform.process.ended()`.
    void start(const QString& line);
    /// Starts directly, lets the socket connect and runs the pump until the login went out.
    void startLoggedOut();
    /// Runs the pump for `ticks` ticks of 50 ms.
    void tick(int ticks = 1) { platform.time.advance(50LL * ticks); }
    void receive(const GameMessage& m) { platform.winsock.receive(m.toByteArray()); }
    /// The whole messages the client has sent since the last call.
    std::vector<GameMessage> takeSent();
    /// Loads a fake item plug-in.
    platform::fake::RecordingPlugin& loadPlugin();

    platform::fake::FakePlatform platform;
    ConnectionParts client{platform.services};

private:
    template <typename Mock>
    Mock& install() {
        auto mock = std::make_unique<Mock>();
        auto& ref = *mock;
        parts_ = std::move(mock);
        plugIn(ref);
        return ref;
    }
    void plugIn(MockParts& mock);
    void registerMockBranches();

    std::unique_ptr<MockParts> parts_;
};

} // namespace qv::connection
