#pragma once

#include "app/client.h"
#include "connection/connection.h"
#include "forms/input_router.h"
#include "match/match.h"
#include "match/match_context.h"
#include "platform/fake/fake_platform.h"
#include "table/main_form.h"

#include <QSize>

#include <vector>

namespace qv::match::panels::testing_support {

inline constexpr QSize kLargeScreen{1024, 768};
inline constexpr QSize kSmallScreen{800, 600};

/// A definition of id `id` named `name`, with the prize lines given.
inline MatchDef definition(std::int32_t id, const QString& name, MatchPrizeTable prizes = {}) {
    MatchDef d;
    d.MId = id;
    d.MName = name;
    d.FeeText = QStringLiteral("免费");
    d.utl = 4;
    d.ut = 100;
    d.des = QStringLiteral("每周六晚八点开赛，前十名有奖。");
    d.rl = QStringLiteral("每局按输赢计分，积分高者名次在前。");
    d.PrizeTable = std::move(prizes);
    return d;
}

/// A run of match `id` starting at `start`, linked to definition `defIndex`.
inline CurMatchRec run(std::int32_t id, const QString& start, std::int16_t defIndex = 1) {
    CurMatchRec r;
    r.CId = id;
    r.StratTime = {start, 0};
    r.StrDuration = QStringLiteral("1小时");
    r.DefIndex = defIndex;
    r.LeftSecs = 3661;
    r.SignUpNum = 12;
    return r;
}

/// A whole client on fake services with its table window loaded on a screen of the given size.
struct PanelsTable {
    explicit PanelsTable(QSize screen = kLargeScreen) {
        platform.screen.size_ = screen;
        form.Form_Load();
        // A tick of 0 reads as "none".
        platform.time.advance(1000);
    }
    [[nodiscard]] float scale() const { return client.table.ScaleX; }
    [[nodiscard]] MatchContext& ctx() { return *client.matchOnTable(); }
    [[nodiscard]] MatchState& state() { return client.match; }

    /// The tournament state reset as at start-up, the panels laid out and the configuration
    /// loaded with the given definitions.
    void loaded(std::vector<MatchDef> definitions) {
        initMatchData(state());
        client.matchPanels->initMatchUI();
        // Where the panels stand once they are open.
        for (forms::PictureBox* panel : {&form.Pic_matchDetail, &form.Pic_sortDetail}) {
            panel->move(90, 120, 620, 400);
        }
        state().g_bMatchOn = true;
        state().AllMatch.clear();
        for (MatchDef& d : definitions) {
            state().AllMatch.push_back(std::move(d));
        }
    }
    /// The display rows, as `BuildCurMatchShow` would make them.
    void rows(std::vector<CurMatchRec> shown) {
        state().CurMatchShow.clear();
        for (CurMatchRec& r : shown) {
            state().CurMatchShow.push_back(std::move(r));
        }
    }
    /// The runs of the server; linked ones keep their definition.
    void runs(std::vector<CurMatchRec> scheduled) {
        state().CurMatch.clear();
        for (CurMatchRec& r : scheduled) {
            state().CurMatch.push_back(std::move(r));
        }
    }
    /// The messages queued for the server since the last call.
    std::vector<connection::GameMessage> sent() {
        std::vector<connection::GameMessage> out;
        while (client.conn.SendRing.hasMessage()) {
            out.push_back(client.conn.SendRing.takeMessage());
        }
        return out;
    }
    void receive(connection::GameMessage m) { connection::DispatchFrame(client.conn, m); }

    /// The centre of `control` in the window's pixels.
    static QPointF centre(const forms::Control& control) {
        return control.container().originInForm() + control.pixelRect().center();
    }
    void click(const forms::Control& control) {
        router.mousePress(centre(control), 1, 0);
        router.mouseRelease(centre(control), 1, 0);
    }
    void hover(const forms::Control& control) { router.mouseMove(centre(control), 0, 0); }
    /// The point `offset` from the top left corner of `container`'s inner area, in the window's
    /// pixels.
    static QPointF at(const forms::Container& container, QPointF offset) {
        return container.originInForm() + offset;
    }

    platform::fake::FakePlatform platform;
    Client client{platform.services};
    table::MainForm& form = client.forms.get<table::MainForm>();
    forms::InputRouter router{form};
};

} // namespace qv::match::panels::testing_support
