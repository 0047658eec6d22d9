#pragma once

#include "client.h"
#include "connection/connection.h"
#include "platform/fake/fake_platform.h"

#include <gmock/gmock.h>
#include <vector>

namespace qv::connection {

class MockLaterParts : public LaterParts {
public:
    MOCK_METHOD(void, onRoundStart, (Client&, GameMessage&), (override));
    MOCK_METHOD(void, onCallCard, (Client&, GameMessage&), (override));
    MOCK_METHOD(void, onPlayMade, (Client&, GameMessage&), (override));
    MOCK_METHOD(void, onResult, (Client&, GameMessage&), (override));
    MOCK_METHOD(void, onTableState, (Client&, GameMessage&), (override));
    MOCK_METHOD(void, onChat, (Client&, GameMessage&), (override));
    MOCK_METHOD(void, onPlayerSeated, (Client&, GameMessage&), (override));
    MOCK_METHOD(void, onPlayerLeft, (Client&, GameMessage&), (override));
    MOCK_METHOD(void, onKicked, (Client&, GameMessage&), (override));
    MOCK_METHOD(void, onPlayerReady, (Client&, GameMessage&), (override));
    MOCK_METHOD(void, onReconnectReply, (Client&, GameMessage&), (override));
    MOCK_METHOD(void, MsgDecode_47, (Client&, GameMessage&), (override));
    MOCK_METHOD(void, MsgDecode_Match, (Client&, GameMessage&), (override));
    MOCK_METHOD(void, SendLeaveTable, (Client&), (override));
    MOCK_METHOD(void, LeaveTableReset, (Client&), (override));
    MOCK_METHOD(void, ClearTableState, (Client&), (override));
    MOCK_METHOD(void, ResetTable, (Client&), (override));
    MOCK_METHOD(void, startReconnect, (Client&), (override));
    MOCK_METHOD(void, ConnectToSock5Server, (Client&), (override));
    MOCK_METHOD(void, OnSocksReply, (Client&), (override));
    MOCK_METHOD(void, ExitPropPlugin, (Client&, int), (override));
    MOCK_METHOD(void, initMatchData, (Client&), (override));
    MOCK_METHOD(void, tickPanels, (Client&), (override));
    MOCK_METHOD(void, tickCountdowns, (Client&), (override));
    MOCK_METHOD(void, tickPlugin, (Client&), (override));
};

/// A whole client on fake services, with the usual lobby open.
class ClientTest : public testing::Test {
protected:
    ClientTest() { platform.lobby.open(kDefaultLobbyTitle); }

    /// A direct connection to 127.0.0.1:6000 for the user "alice".
    static QString directLine();
    /// A server message of `command` with the given bytes set.
    static GameMessage message(std::uint8_t command,
                               std::initializer_list<std::pair<int, std::uint8_t>> bytes = {});

    /// Puts a mock in place of the later parts; the client owns it.
    testing::NiceMock<MockLaterParts>& mockLaterParts();
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
    platform::fake::FakePluginObject& loadPlugin();

    platform::fake::FakePlatform platform;
    Client client{platform.services};
};

} // namespace qv::connection
