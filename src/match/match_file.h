#pragma once

#include "match/match.h"

#include <QByteArray>
#include <QString>

namespace qv::match {

/// Reads the tournament configuration file `MatchFileName` of `folder` into `AllMatch` and, when
/// it has them, `RoomChips`. False, with no definitions, for a missing, unreadable or malformed
/// file; a file that declares GBK, GB2312 or GB18030 is read as such.
bool GetAllMatch(MatchState& state, const QString& folder);
/// The same for a configuration's bytes.
bool ReadMatchConfig(MatchState& state, const QByteArray& bytes);

/// The entry-fee text of a fee list ("g:100;g:50" → "100金币+50金币").
[[nodiscard]] QString FeeText(const QString& ex);
/// The prize table of a prize list ("1;g:500;1:2|2-3;g:200").
[[nodiscard]] MatchPrizeTable PrizeTable(const QString& pz);

} // namespace qv::match
