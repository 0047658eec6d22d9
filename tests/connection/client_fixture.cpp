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

testing::NiceMock<MockLaterParts>& ClientTest::mockLaterParts() {
    auto mock = std::make_unique<testing::NiceMock<MockLaterParts>>();
    auto& ref = *mock;
    client.conn.later = std::move(mock);
    return ref;
}

void ClientTest::start(const QString& line) {
    try {
        Form_Load(client, line);
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

platform::fake::FakePluginObject& ClientTest::loadPlugin() {
    auto object = std::make_shared<platform::fake::FakePluginObject>();
    client.shared.Prop_GameDll = object;
    client.shared.Prop_GameDllState = 1;
    return *object;
}

} // namespace qv::connection
