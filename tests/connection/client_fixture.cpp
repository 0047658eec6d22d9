#include "client_fixture.h"

using namespace Qt::StringLiterals;

namespace qv::connection {

QString ClientTest::directLine() {
    return u"alice$secret$127.0.0.1$6000$一号桌$0$$0$$$0$$$0$0$"_s;
}

GameMessage ClientTest::message(std::uint8_t command,
                                std::initializer_list<std::pair<int, std::uint8_t>> bytes) {
    GameMessage m;
    m.setCommand(command);
    for (const auto& [offset, value] : bytes) {
        m.setU8(offset, value);
    }
    return m;
}

void ClientTest::plugIn(MockParts& mock) {
    auto& conn = client.conn;
    conn.tableExit = &mock;
    conn.proxy = &mock;
    conn.reconnect = &mock;
    conn.matchReset = &mock;
    conn.propPlugin = &mock;
    if (!conn.dispatcher.has(MsgRoundStart)) {
        registerMockBranches();
    }
}

void ClientTest::registerMockBranches() {
    auto& conn = client.conn;
    using Branch = void (MockParts::*)(const GameMessage&);
    const auto branch = [this, &conn](std::uint8_t command, Branch method) {
        conn.dispatcher.on(
            command, [](const GameMessage& m) { return std::optional<GameMessage>(m); },
            [this, method](const GameMessage& m) { (parts_.get()->*method)(m); });
    };
    branch(MsgRoundStart, &MockParts::onRoundStart);
    branch(MsgCallCard, &MockParts::onCallCard);
    branch(MsgPlayMade, &MockParts::onPlayMade);
    branch(MsgResult, &MockParts::onResult);
    branch(MsgTableState, &MockParts::onTableState);
    branch(MsgChat, &MockParts::onChat);
    branch(MsgPlayerSeated, &MockParts::onPlayerSeated);
    branch(MsgPlayerLeft, &MockParts::onPlayerLeft);
    branch(MsgKicked, &MockParts::onKicked);
    branch(MsgPlayerReady, &MockParts::onPlayerReady);
    branch(MsgMatchScores, &MockParts::MsgDecode_47);
    for (const CommandInfo& command : kCommands) {
        if (command.route == Route::Match) {
            branch(command.id, &MockParts::MsgDecode_Match);
        }
    }
    conn.pumpSteps.on(PumpStep::Panels, [this] { parts_->tickPanels(); });
    conn.pumpSteps.on(PumpStep::Countdowns, [this] { parts_->tickCountdowns(); });
    conn.pumpSteps.on(PumpStep::Plugin, [this] { parts_->tickPlugin(); });
}

void ClientTest::start(const QString& line) {
    try {
        Form_Load(client.conn, line);
    } catch (const platform::fake::ProgramEnded&) {
        // The end is recorded by the fake process.
    }
}

void ClientTest::startLoggedOut() {
    start(directLine());
    platform.winsock.acceptConnection();
    tick(4);
    platform.winsock.takeSent();
}

std::vector<GameMessage> ClientTest::takeSent() {
    const QByteArray bytes = platform.winsock.takeSent();
    std::vector<GameMessage> messages;
    for (qsizetype at = 0; at + kMessageSize <= bytes.size(); at += kMessageSize) {
        messages.push_back(GameMessage::fromBytes(bytes.mid(at, kMessageSize)));
    }
    return messages;
}

platform::fake::RecordingPlugin& ClientTest::loadPlugin() {
    auto object = std::make_shared<platform::fake::RecordingPlugin>();
    client.plugin.Prop_GameDll = object;
    client.plugin.Prop_GameDllState = 1;
    return *object;
}

} // namespace qv::connection
