#pragma once

#include <QRectF>
#include <QStringView>

namespace qv::table {
class MainForm;
}

namespace qv::match::panels {

/// The detail lines of the match panel and the labels of its champion box.
inline constexpr int kDetailLines = 4;
inline constexpr int kBoxLabels = 7;
inline constexpr QStringView kSong = u"宋体";

/// Where an open panel stands: its design size, centred on the table surface.
[[nodiscard]] QRectF CentredPanelArea(const table::MainForm& form);

} // namespace qv::match::panels
