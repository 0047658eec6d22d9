#include "app/client.h"
#include "connection/connection.h"
#include "platform/fake/fake_platform.h"

#include <QCoreApplication>

#include <cstddef>
#include <cstdint>

using namespace Qt::StringLiterals;

// Random byte streams reach a logged-in client through the socket's data event, in pieces whose
// sizes the input chooses, with pump ticks between them, so the rings, the dispatcher and every
// branch behind it see them. The first byte chooses whether the item plug-in is loaded.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static int argc = 1;
    static char name[] = "connection_fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    if (size == 0) {
        return 0;
    }
    qv::platform::fake::FakePlatform platform;
    platform.lobby.open(qv::connection::kDefaultLobbyTitle);
    qv::Client client(platform.services);
    try {
        qv::connection::Form_Load(client.conn, u"fuzz$pw$127.0.0.1$6000$loc$0$$0$$$0$$$0$0$"_s);
        platform.winsock.acceptConnection();
        platform.time.advance(200);
        if ((data[0] & 1U) != 0) {
            client.plugin.Prop_GameDll = std::make_shared<qv::platform::fake::RecordingPlugin>();
            client.plugin.Prop_GameDllState = 1;
        }
        std::size_t at = 1;
        while (at < size) {
            const std::size_t piece = std::min<std::size_t>(size - at, 1U + data[at] * 4U);
            ++at;
            platform.winsock.receive(
                QByteArray(reinterpret_cast<const char*>(data + at),
                           static_cast<qsizetype>(std::min(piece, size - at))));
            at += piece;
            platform.time.advance(50LL * (1 + (piece % 4)));
        }
        platform.time.advance(50LL * 600);
    } catch (const qv::platform::fake::ProgramEnded&) {
        // A refused login ends the program on purpose.
    }
    return 0;
}
