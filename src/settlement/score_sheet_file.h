#pragma once

#include "common/ini_file.h"
#include "forms/color.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>

namespace qv::settlement {

/// The name of the score sheet file in the program folder.
inline const QString kScoreSheetFile = QStringLiteral("info.vm");

/// The most lines a stored sheet list is taken to have; a larger count is damage.
inline constexpr int kMostSheetLines = 512;
/// Head pictures are numbered 0 to 19.
inline constexpr int kHeadPictures = 20;
/// The colour of the name of a seat that won.
inline constexpr forms::OleColor kNameBlue = 0xFF0000;

/// What a stored hand holds: per display seat the name and head picture number, the eight sheet
/// lists, the names' colours (stored as blue or black) and the lists' colours. A load fills only
/// what the file holds soundly; every other part keeps what it had.
struct ScoreSheet {
    std::array<QString, 4> names;
    /// "0" to "19", or empty when the seat has no head picture.
    std::array<QString, 4> pictures;
    std::array<QStringList, 8> lists;
    std::array<forms::OleColor, 4> nameColours{};
    std::array<forms::OleColor, 8> listColours{};
};

/// Stores the sheet as section "juNum:" & `juNum`, replacing the file once with every key written.
void SaveScoreSheet(const classIniFile& file, int juNum, const ScoreSheet& sheet);

/// Reads section "juNum:" & `juNum` into `sheet`: the names (empty when missing), the pictures
/// that are given, the lists up to the first whose count is missing or damaged, and, when every
/// list was there, the colours. A picture number outside 0 to 19 or a colour that is no colour is
/// taken as missing. `juNum` 0 reads nothing; any other reads the file once.
void LoadScoreSheet(const classIniFile& file, int juNum, ScoreSheet& sheet);

/// The text of line `k` as a list shows it after a load: stored blanks are not kept, and an empty
/// line comes back as one blank.
[[nodiscard]] QString storedLine(const QString& value);

} // namespace qv::settlement
