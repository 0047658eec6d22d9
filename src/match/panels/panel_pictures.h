#pragma once

#include <QString>

namespace qv::forms {
class Image;
}

namespace qv::match::panels {

/// The tournament panels' pictures from the resource store.
namespace picture {
inline constexpr int kShowMatch = 1510;
inline constexpr int kShowMatchHover = 1511;
inline constexpr int kShowSort = 1512;
inline constexpr int kShowSortHover = 1513;
inline constexpr int kClose = 1514;
inline constexpr int kCloseHover = 1515;
inline constexpr int kListTitle = 1520;
inline constexpr int kRow = 1522;
inline constexpr int kRowHover = 1523;
inline constexpr int kStampSignedUp = 1526;
inline constexpr int kSignUp = 1527;
inline constexpr int kSignUpHover = 1528;
inline constexpr int kSortUp = 1529;
inline constexpr int kSortUpHover = 1530;
inline constexpr int kSortDown = 1532;
inline constexpr int kSortDownHover = 1533;
inline constexpr int kListUp = 1535;
inline constexpr int kListUpHover = 1536;
inline constexpr int kListUpOff = 1537;
inline constexpr int kListDown = 1538;
inline constexpr int kListDownHover = 1539;
inline constexpr int kListDownOff = 1540;
inline constexpr int kStampPlaying = 1542;
inline constexpr int kStampEnded = 1543;
inline constexpr int kSignUpSent = 1544;
inline constexpr int kRefresh = 1552;
inline constexpr int kRefreshHover = 1553;
inline constexpr int kRefreshOff = 1554;
inline constexpr int kOpenerWhileHidden = 1562;
inline constexpr int kOpenerWhileHiddenHover = 1563;
inline constexpr int kOpenerWhileShown = 1564;
inline constexpr int kOpenerWhileShownHover = 1565;
inline constexpr int kTournamentTable = 777;
} // namespace picture

/// Loads resource picture `id` into `image`, which takes its size; a missing picture leaves the
/// one it had.
void LoadPanelPicture(forms::Image& image, int id);

/// Loads picture `id` into `image` and gives it `tag`, the record of which picture it shows.
void ShowButtonPicture(forms::Image& image, int id, const QString& tag);

} // namespace qv::match::panels
