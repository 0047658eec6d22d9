#include "app/client.h"
#include "connection/connection.h"
#include "match/match_clock.h"
#include "platform/fake/fake_platform.h"
#include "table/main_form.h"

#include <QGuiApplication>

#include <cstddef>
#include <cstdint>

// Sequences of tournament messages (47 and 72 to 99) reach a client on its table, logged in with
// a configuration loaded and the list shown, with pump ticks between them so the tournament
// clock runs on what they leave. Each message is a command chosen by one byte and 271 bytes of
// the input (zeros where the input ends); a seed configuration gives the runs definitions.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static int argc = 1;
    static char name[] = "match_fuzz";
    static char* argv[] = {name, nullptr};
    // The table's labels measure their text, which needs the fonts of a GUI application.
    static const bool offscreen = qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    (void)offscreen;
    constexpr std::size_t kBody = qv::connection::kMessageSize - 1;
    qv::platform::fake::FakePlatform platform;
    platform.screen.size_ = {1024, 768};
    qv::Client client(platform.services);
    auto& form = client.forms.get<qv::table::MainForm>();
    form.Form_Load();
    client.conn.g_bLoggedIn = true;
    platform.time.advance(1000);
    qv::match::MatchState& s = client.match;
    s.Md5_Server = QStringLiteral("0123456789abcdef0123456789abcdef");
    s.MatchConfigUrl = QStringLiteral("http://127.0.0.1/cfg.xml");
    s.g_bMatchOn = s.g_bMatchLoaded = s.g_bMatchListShown = true;
    qv::match::MatchDef def;
    def.MId = 1;
    def.PrizeTable = {{QStringLiteral("第1名"), QStringLiteral("翡翠奖励×2"), QStringLiteral("2")}};
    s.AllMatch.push_back(def);
    for (std::size_t at = 0; at < size; at += 1 + kBody) {
        qv::connection::GameMessage m;
        const std::uint8_t pick = data[at];
        m.bytes()[3] = pick % 29 == 28 ? 47 : static_cast<std::uint8_t>(72 + pick % 29);
        for (std::size_t i = 0; i < kBody && at + 1 + i < size; ++i) {
            const std::size_t to = i < 3 ? i : i + 1;
            m.bytes()[to] = data[at + 1 + i];
        }
        qv::connection::DispatchFrame(client.conn, m);
        for (auto& r : s.CurMatch) {
            r.DefIndex = r.CId == 1 ? 1 : r.DefIndex;
        }
        platform.time.advance(50LL * (1 + pick % 40));
        qv::match::MatchTimerTick(*client.matchOnTable());
    }
    return 0;
}
