#include "app/client.h"
#include "connection/connection.h"
#include "platform/fake/fake_platform.h"

#include <QCoreApplication>

#include <cstddef>
#include <cstdint>

using namespace Qt::StringLiterals;

// Random proxy replies reach a client that connects through a SOCKS5 proxy, in pieces whose sizes
// the input chooses, with time passing between them, so every stage of the exchange and the
// game stream behind it see them.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static int argc = 1;
    static char name[] = "socks5_fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    qv::platform::fake::FakePlatform platform;
    platform.lobby.open(qv::connection::kDefaultLobbyTitle);
    qv::Client client(platform.services);
    try {
        qv::connection::Form_Load(client.conn,
                                  u"fuzz$pw$10.0.0.7$6000$loc$5$127.0.0.1$1080$u$p$0$$$0$0$"_s);
        platform.winsock.acceptConnection();
        std::size_t at = 0;
        while (at < size) {
            const std::size_t piece = std::min<std::size_t>(size - at, 1U + data[at] % 16U);
            ++at;
            platform.winsock.receive(
                QByteArray(reinterpret_cast<const char*>(data + at),
                           static_cast<qsizetype>(std::min(piece, size - at))));
            at += piece;
            platform.time.advance(50);
        }
        platform.time.advance(50LL * 400);
    } catch (const qv::platform::fake::ProgramEnded&) {
        // A refused login ends the program on purpose.
    }
    return 0;
}
