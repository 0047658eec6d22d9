#pragma once

#include "match/from_one.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace qv::match {

/// One line of a prize table: the place text ("第1名"), the reward text and the jade factor text
/// of the line's jade item (empty when it has none).
using PrizeLine = std::array<QString, 3>;
/// A prize table, lines from 0. An unfilled table has no line; a cleared one has one empty line.
using MatchPrizeTable = std::vector<PrizeLine>;

/// A table of one empty line, as the runs start with.
[[nodiscard]] inline MatchPrizeTable EmptyPrizeTable() {
    return MatchPrizeTable(1);
}

/// A start of a run as the server names it: the seconds since 1970-01-01 (UTC) and the text
/// "MM-DD hh:mm:ss" made of them. The text is shown and names the run; the seconds order runs
/// and count the time to them. An empty text is no start.
struct StartText {
    QString text;
    std::int64_t seconds = 0;

    [[nodiscard]] bool isEmpty() const { return text.isEmpty(); }
    friend bool operator==(const StartText&, const StartText&) = default;
};

/// A nickname and a score of a ranking, or a room key and its chip cap.
struct SortEntry {
    QString text;
    std::int32_t value = 0;

    friend bool operator==(const SortEntry&, const SortEntry&) = default;
};

/// One tournament definition of the configuration file.
struct MatchDef {
    std::int32_t MId = 0;
    QString MName;
    QString ex;
    QString FeeText;
    std::int32_t utl = 0;
    std::int32_t ut = 0;
    QString des;
    QString rl;
    QString pz;
    MatchPrizeTable PrizeTable;
    std::int16_t mtype = 0;
    QString rm;

    friend bool operator==(const MatchDef&, const MatchDef&) = default;
};

/// One match of this game as the server schedules it: its run to come or in play, its next run
/// and the result of its last finished run. A display row is the same record; there `CLastFlg`
/// marks a champion row.
struct CurMatchRec {
    std::int32_t CId = 0;
    std::int16_t JadeBase = 0;
    bool CLastFlg = false;
    StartText LStratTime;
    MatchPrizeTable LastPrizeTable;
    std::int32_t LastSignUpNum = 0;
    StartText LastRunTime;
    QString LFirstPri;
    QString nike;
    StartText StratTime;
    std::int32_t Duration = 0;
    QString StrDuration;
    std::uint8_t CPstate = 0;
    std::int32_t SignUpNum = 0;
    MatchPrizeTable PrizeTable;
    StartText NextTime;
    std::int32_t NextDuration = 0;
    QString NextStrDuration;
    std::int32_t NextSignUpNum = 0;
    std::int16_t DefIndex = 0;
    std::uint8_t RunState = 0;
    std::int32_t LeftSecs = 0;
    double RunScore = 0.0;
    std::int16_t Place = 0;
    /// The run's ranking from entry 1; empty is the one empty entry 0.
    FromOne<SortEntry> SortList;
    /// Millisecond tick of the last sign-up exchange, 0 none.
    std::uint32_t SignTick = 0;
    std::int16_t RunType = 0;

    friend bool operator==(const CurMatchRec&, const CurMatchRec&) = default;
};

/// One other player of a tournament table.
struct MatchPlayer {
    QString username;
    std::int32_t match_score = 0;
    std::int32_t match_sort = 0;

    friend bool operator==(const MatchPlayer&, const MatchPlayer&) = default;
};

/// The tournaments' state: the definitions of the configuration, the runs the server schedules
/// and their display rows, the server clock, and the flags and millisecond ticks (0 none) the
/// tournament procedures share.
struct MatchState {
    FromOne<MatchDef> AllMatch;
    FromOne<CurMatchRec> CurMatch;
    FromOne<CurMatchRec> CurMatchShow;
    /// The room chip caps of the configuration: room key and cap.
    FromOne<SortEntry> RoomChips;
    std::array<MatchPlayer, 3> MatchPlayers;

    QString MatchConfigUrl;
    QString MatchFileName;
    QString Md5_Server;
    bool g_bMatchOn = false;
    bool g_bMatchListShown = false;
    bool g_bMatchLoaded = false;
    bool g_bMyMatchList = false;
    bool g_bMatchDownloading = false;
    /// The run state byte of the last command 75.
    std::int16_t MatchState = 0;
    /// The server clock, seconds since 1970-01-01 00:00:00 UTC.
    std::int64_t ServerTime = 0;
    std::uint32_t TimeRequestTick = 0;
    std::uint32_t ServerTimeTick = 0;
    std::uint32_t ClockTick = 0;
    std::uint32_t CaptionTick = 0;
    std::uint32_t SortRefreshTick = 0;
    std::int32_t AutoSignUpWindow = 0;
    std::vector<QString> MatchCaptions{QString()};
    int G_MatchType = 0;
    std::int32_t MatchId = 0;
    std::int16_t RoomSession = 0;
    int RoomDirection = 0;
    std::int16_t RoomVip = 0;
    /// Room base and direction until the server sends the tournament room's own.
    double RoomBase = 0.0;
    bool g_bLeavingTable = false;

    /// The ranking table's colours (0x00BBGGRR), row height, column widths and origin.
    std::uint32_t SortHeadColor = 0;
    std::array<std::uint32_t, 4> SortColors{};
    int SortRowHeight = 0;
    std::array<std::int16_t, 3> SortColWidths{};
    float SortLeft = 0.0F;
    float SortTop = 0.0F;

    /// The name of the match last linked to its definition: the list title's caption.
    QString ListTitleName;
    /// The openers of the match and ranking panels are running, their zooms included.
    bool ShowMatchBusy = false;
    bool ShowSortBusy = false;

    int juNum = 0;
    int ownPKValue = -1;

    friend bool operator==(const match::MatchState&, const match::MatchState&) = default;
};

/// Resets the tournament state, as the start-up and every accepted login ask.
class MatchReset {
public:
    virtual ~MatchReset() = default;
    virtual void initMatchData() = 0;
};

/// The reset of the tournament state itself.
class MatchData final : public MatchReset {
public:
    explicit MatchData(MatchState& state) : state_(state) {}
    void initMatchData() override;

private:
    MatchState& state_;
};

/// Resets `state` as a start or a login does: the definitions, runs, rows, flags, ticks and the
/// clock; the room chips and values, the table type, the tournament table's players and the
/// leave mark stay.
void initMatchData(MatchState& state);

/// The index of the first definition with the id, 0 for id 0 or none.
[[nodiscard]] int GetMatchDefIndex(const MatchState& state, std::int32_t id);
/// The index of the first run with the id, 0 for id 0 or none.
[[nodiscard]] int GetCurMatchIndex(const MatchState& state, std::int32_t id);
/// The type of the first definition with the id (id 0 too), 1 when none.
[[nodiscard]] int GetMatchType(const MatchState& state, std::int32_t id);
/// Rebuilds the display rows: each run with a start, then its champion row when it has one.
void BuildCurMatchShow(MatchState& state);
/// Copies the prize table of the first run with `id`'s definition into the run and turns its
/// jade factors into amounts of `base` (the run's `JadeBase` for 0). A non-empty `start` must be
/// the run's start. False, and nothing changed, when no run or definition fits.
bool SetCurMatchPrize(MatchState& state, std::int32_t id, std::int32_t base, const QString& start);

} // namespace qv::match
