#include "common/vb_text.h"
#include "match/match.h"

#include <cmath>

namespace qv::match {
namespace {

const QString kJadeFactor = QStringLiteral("翡翠奖励×");
const QString kJadeUnit = QStringLiteral("个翡翠");

template <typename T, typename Id>
int firstWith(const FromOne<T>& table, std::int32_t id, Id idOf) {
    for (int i = 1; i <= table.size(); ++i) {
        if (idOf(table.at(i)) == id) {
            return i;
        }
    }
    return 0;
}

} // namespace

void MatchData::initMatchData() {
    match::initMatchData(state_);
}

void initMatchData(MatchState& state) {
    state.AutoSignUpWindow = 0;
    state.MatchCaptions = {QString()};
    state.AllMatch.clear();
    state.CurMatch.clear();
    state.CurMatchShow.clear();
    state.MatchState = 0;
    state.g_bMyMatchList = false;
    state.MatchConfigUrl.clear();
    state.MatchFileName.clear();
    state.g_bMatchListShown = false;
    state.g_bMatchOn = false;
    state.Md5_Server.clear();
    state.g_bMatchDownloading = false;
    state.g_bMatchLoaded = false;
    state.SortRefreshTick = 0;
    state.CaptionTick = 0;
    state.TimeRequestTick = 0;
    state.ServerTime = 0;
    state.ServerTimeTick = 0;
    state.ClockTick = 0;
    // Gold for the first place, green for the second, cyan for the third, white for the others.
    state.SortHeadColor = 0xFFFE00;
    state.SortColors = {0x00E5FF, 0x00FF03, 0xFFFE00, 0xFFFFFF};
    state.SortRowHeight = 28;
    state.SortColWidths = {55, 160, 90};
    state.SortLeft = 25.0F;
    state.SortTop = 68.0F;
}

int GetMatchDefIndex(const MatchState& state, std::int32_t id) {
    return id == 0 ? 0 : firstWith(state.AllMatch, id, [](const MatchDef& d) { return d.MId; });
}

int GetCurMatchIndex(const MatchState& state, std::int32_t id) {
    return id == 0 ? 0 : firstWith(state.CurMatch, id, [](const CurMatchRec& r) { return r.CId; });
}

int GetMatchType(const MatchState& state, std::int32_t id) {
    const int i = firstWith(state.AllMatch, id, [](const MatchDef& d) { return d.MId; });
    return i == 0 ? 1 : state.AllMatch.at(i).mtype;
}

void BuildCurMatchShow(MatchState& state) {
    state.CurMatchShow.clear();
    for (const CurMatchRec& run : state.CurMatch) {
        if (!run.StratTime.isEmpty()) {
            CurMatchRec row = run;
            row.CLastFlg = false;
            state.CurMatchShow.push_back(std::move(row));
        }
        if (!run.LastRunTime.isEmpty() && run.CLastFlg) {
            CurMatchRec row = run;
            row.StratTime = run.LastRunTime;
            row.CLastFlg = true;
            row.CPstate = 0;
            row.RunState = 0;
            row.SignUpNum = 0;
            state.CurMatchShow.push_back(std::move(row));
        }
    }
}

bool SetCurMatchPrize(MatchState& state, std::int32_t id, std::int32_t base, const QString& start) {
    if (id < 1) {
        return false;
    }
    const int i = GetCurMatchIndex(state, id);
    if (i == 0) {
        return false;
    }
    CurMatchRec& run = state.CurMatch.at(i);
    if (!start.isEmpty() && start != run.StratTime.text) {
        return false;
    }
    if (!state.AllMatch.has(run.DefIndex)) {
        return false;
    }
    run.PrizeTable = state.AllMatch.at(run.DefIndex).PrizeTable;
    const double jadeBase = base != 0 ? base : run.JadeBase;
    // A jade amount is never negative: a negative base leaves the factors as they are.
    if (jadeBase < 0) {
        return true;
    }
    for (PrizeLine& line : run.PrizeTable) {
        const double factor = leadingNumber(line[2]);
        if (factor > 0) {
            const auto amount = static_cast<std::int64_t>(std::floor(jadeBase * factor));
            line[1].replace(kJadeFactor + line[2], QString::number(amount) + kJadeUnit,
                            Qt::CaseInsensitive);
        }
    }
    return true;
}

} // namespace qv::match
