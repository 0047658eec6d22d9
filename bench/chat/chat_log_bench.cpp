// What a long stay at one table costs in memory: the heap that stays taken after a stream of
// received chat lines, shown in the open chat log, and after as many other messages.

#include "app/client.h"
#include "common/gbk.h"
#include "connection/commands.h"
#include "connection/connection.h"
#include "forms/form_host.h"
#include "forms/qt/form_widget.h"
#include "platform/fake/fake_platform.h"
#include "table/chat_windows.h"
#include "table/main_form.h"

#include <QApplication>

#include <array>
#include <benchmark/benchmark.h>
#include <malloc.h>

using namespace Qt::StringLiterals;

namespace qv {
namespace {

void ensureApplication() {
    static int argc = 1;
    static char name[] = "chat_log_bench";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance() == nullptr) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static QApplication app(argc, argv);
    }
}

constexpr int kWarmUp = 500;

std::size_t heapInUse() {
    return mallinfo2().uordblks;
}

/// A logged-in client with four players seated and its chat log open on the screen.
struct OpenLog {
    OpenLog() {
        form.Form_Load();
        chat = client.chatOnTable();
        client.conn.g_bLoggedIn = true;
        const std::array<std::uint8_t, 4> masks = {2, 4, 8, 1};
        const std::array<QString, 4> accounts = {u"me"_s, u"east"_s, u"south"_s, u"west"_s};
        for (std::size_t i = 0; i < masks.size(); ++i) {
            client.hand.custom[i].seat = masks[i];
            client.hand.custom[i].name = accounts[i];
            client.conn.Detail[i].username = accounts[i];
        }
        talk.show();
        widget.show();
    }
    /// Dispatches the message as the pump does, then runs the events it posted, as the event loop
    /// does after each tick: the open log follows.
    void receive(connection::GameMessage message) {
        connection::DispatchFrame(client.conn, message);
        QCoreApplication::processEvents();
    }

    platform::fake::FakePlatform platform;
    Client client{platform.services};
    table::MainForm& form = client.forms.get<table::MainForm>();
    table::Talk& talk = client.forms.get<table::Talk>();
    forms::qt::FormWidget widget{talk};
    chat::ChatContext* chat = nullptr;
};

connection::GameMessage chatLine(int n) {
    connection::GameMessage m;
    m.setCommand(connection::MsgChat);
    m.setU8(6, 4);
    m.writeBytes(16, toAnsi(u"east说道： 第%1句，大家好，快点出牌吧！"_s.arg(n)));
    m.writeBytes(217, "east");
    return m;
}

connection::GameMessage readyMark(int n) {
    connection::GameMessage m;
    m.setCommand(connection::MsgPlayerReady);
    m.setU8(15, 1);
    m.writeBytes(16, n % 2 == 0 ? "east" : "west");
    return m;
}

/// Receives `state.range(0)` messages made by `make` after the first few and reports the heap they leave
/// taken, in all and per message.
void heapAfter(benchmark::State& state, connection::GameMessage (*make)(int)) {
    ensureApplication();
    OpenLog table;
    const auto count = static_cast<int>(state.range(0));
    // The first messages fill the caches every message uses and the log to its bound.
    for (int n = 0; n < kWarmUp; ++n) {
        table.receive(make(n));
    }
    std::size_t before = 0;
    std::size_t after = 0;
    for (auto _ : state) {
        before = heapInUse();
        for (int n = 0; n < count; ++n) {
            table.receive(make(n));
        }
        after = heapInUse();
    }
    const double grown = after > before ? static_cast<double>(after - before) : 0.0;
    state.counters["heap_grown_kB"] = grown / 1024.0;
    state.counters["bytes_per_message"] = grown / count;
    state.counters["log_lines"] = table.talk.Text1.listCount();
}

void BM_ChatLines(benchmark::State& state) {
    heapAfter(state, chatLine);
}
BENCHMARK(BM_ChatLines)->Arg(6000)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_ReadyMarks(benchmark::State& state) {
    heapAfter(state, readyMark);
}
BENCHMARK(BM_ReadyMarks)->Arg(6000)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace qv
