#pragma once

#include "app/client.h"
#include "common/gbk.h"
#include "connection/connection.h"
#include "match/match.h"
#include "platform/fake/fake_platform.h"
#include "table/main_form.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace qv::match::testing_support {

/// A server message built field by field.
struct Msg {
    explicit Msg(std::uint8_t command) { m.setCommand(command); }
    Msg& u8(int at, std::uint8_t v) {
        m.setU8(at, v);
        return *this;
    }
    Msg& u16(int at, std::uint16_t v) {
        m.setU16le(at, v);
        return *this;
    }
    Msg& u32(int at, std::uint32_t v) {
        m.setU32le(at, v);
        return *this;
    }
    /// A text in GBK from `at`.
    Msg& text(int at, const QString& t) {
        m.writeBytes(at, toGbk(t).value());
        return *this;
    }
    Msg& bytes(int at, const QByteArray& b) {
        m.writeBytes(at, b);
        return *this;
    }
    connection::GameMessage m;
};

/// Seconds of 2024-12-08 18:00:00 UTC, the start of the runs of the fixtures.
inline constexpr std::uint32_t kT0 = 1733680800;

/// A whole client on fake services, its table loaded and logged in.
struct MatchTable {
    explicit MatchTable(platform::fake::FakeTimeService::Start start = {}) : platform(start) {
        platform.screen.size_ = {1024, 768};
        form.Form_Load();
        client.conn.g_bLoggedIn = true;
        // A tick of 0 would read as "none".
        platform.time.advance(1000);
    }

    void receive(const Msg& msg) {
        connection::GameMessage m = msg.m;
        connection::DispatchFrame(client.conn, m);
    }
    /// The messages queued for the server since the last call.
    std::vector<connection::GameMessage> sent() {
        std::vector<connection::GameMessage> out;
        while (client.conn.SendRing.hasMessage()) {
            out.push_back(client.conn.SendRing.takeMessage());
        }
        return out;
    }
    /// The newest line of the system ticker.
    [[nodiscard]] QString lastNotice() const {
        return form.Sysmsg(1).listCount() > 0   ? form.Sysmsg(1).list(0)
               : form.Sysmsg(0).listCount() > 0 ? form.Sysmsg(0).list(0)
                                                : QString();
    }
    /// The line before it.
    [[nodiscard]] QString noticeBefore() const {
        return form.Sysmsg(1).listCount() > 0 ? form.Sysmsg(0).list(0) : QString();
    }

    /// The configuration as loaded, with one definition: id 5, "周赛", prizes 1: 500 gold and jade
    /// ×2, 2-3: 200 gold, 4-10: jade ×1; the list shown when `shown`.
    void loaded(bool shown = true) {
        MatchState& s = client.match;
        s.Md5_Server = QStringLiteral("0123456789abcdef0123456789abcdef");
        s.MatchConfigUrl = QStringLiteral("http://127.0.0.1/cfg.xml");
        s.g_bMatchOn = s.g_bMatchLoaded = true;
        s.g_bMatchListShown = shown;
        MatchDef d;
        d.MId = 5;
        d.MName = QStringLiteral("周赛");
        d.PrizeTable = {
            {QStringLiteral("第1名"), QStringLiteral("500金币+翡翠奖励×2"), QStringLiteral("2")},
            {QStringLiteral("第2-3名"), QStringLiteral("200金币"), QString()},
            {QStringLiteral("第4-10名"), QStringLiteral("翡翠奖励×1"), QStringLiteral("1")}};
        s.AllMatch.clear();
        s.AllMatch.push_back(d);
        // As command 80 does before it loads a configuration.
        client.matchPanels->initMatchUI();
    }
    /// Command 82 with runs of id 5 at `kT0` and of id 6 with none, 3600 s long, jade base 100;
    /// the runs linked to their definitions.
    void scheduled() {
        receive(Msg(82)
                    .u8(16, 2)
                    .u32(17, 5)
                    .u32(21, kT0)
                    .u32(25, 3600)
                    .u16(29, 100)
                    .u32(31, 6)
                    .u32(35, 0xFFFFFFFF)
                    .u32(39, 3600));
        for (CurMatchRec& r : client.match.CurMatch) {
            r.DefIndex = static_cast<std::int16_t>(GetMatchDefIndex(client.match, r.CId));
        }
    }

    platform::fake::FakePlatform platform;
    Client client{platform.services};
    table::MainForm& form = client.forms.get<table::MainForm>();
};

} // namespace qv::match::testing_support
