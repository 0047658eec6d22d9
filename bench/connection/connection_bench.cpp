#include "app/client.h"
#include "connection/commands.h"
#include "connection/connection.h"
#include "platform/fake/fake_platform.h"

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace qv::connection {
namespace {

/// A logged-in client on fake services.
struct Connected {
    Connected() {
        platform.lobby.open(kDefaultLobbyTitle);
        Form_Load(client.conn, u"alice$secret$127.0.0.1$6000$loc$0$$0$$$0$$$0$0$"_s);
        platform.winsock.acceptConnection();
        platform.time.advance(200);
    }
    platform::fake::FakePlatform platform;
    Client client{platform.services};
};

// A burst of server messages in one data event, worked off one per tick by the pump.
void BM_ReceiveAndDispatch(benchmark::State& state) {
    Connected c;
    GameMessage m;
    m.setCommand(50);
    QByteArray burst;
    for (int i = 0; i < state.range(0); ++i) {
        burst += m.toByteArray();
    }
    for (auto _ : state) {
        c.platform.winsock.receive(burst);
        c.platform.time.advance(50LL * (state.range(0) + 2));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReceiveAndDispatch)->Arg(1)->Arg(64)->Arg(500);

// Packing a chat text of 100 Chinese characters and queueing it.
void BM_QueueChat(benchmark::State& state) {
    Connected c;
    const QString text(100, u'中');
    for (auto _ : state) {
        c.client.conn.SendRing.reset();
        c.client.chat.ChatSendText = text;
        GameMessage m;
        m.setCommand(MsgChat);
        QueueFrame(c.client.conn, m);
        benchmark::DoNotOptimize(c.client.conn.SendRing.waiting());
    }
}
BENCHMARK(BM_QueueChat);

} // namespace
} // namespace qv::connection
