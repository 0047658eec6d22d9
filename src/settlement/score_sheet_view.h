#pragma once

#include "settlement/score_sheet_file.h"
#include "settlement/score_window.h"
#include "settlement/sheet_lines.h"

namespace qv::common {
struct ImageResource;
}

namespace qv::settlement {

/// Puts avatar `face` ("0" to "19") into a head picture, its number in the tag; any other text
/// leaves the picture as it is.
void ShowHeadPicture(Image& tou, const QString& face, const common::ImageResource& imageRes);

/// Appends a hand's sheet to the Score window's lists and gives the names and the columns
/// their colours.
void WriteSheet(Score& score, const Sheet& sheet);

/// The Score window's content as a stored hand holds it; the pictures are the head pictures'
/// numbers.
[[nodiscard]] ScoreSheet ReadScoreWindow(const Score& score);

/// Shows hand `juNum` of the score sheet file on the Score window; what the file does not hold
/// soundly stays as the window shows it, and hand 0 changes nothing.
void ShowStoredSheet(Score& score, const classIniFile& ini, int juNum,
                     const common::ImageResource& imageRes);

} // namespace qv::settlement
