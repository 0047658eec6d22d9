#include "match/panels/sort_list.h"

#include "forms/picture_box.h"
#include "match/panels/panel_layout.h"

namespace qv::match::panels {

using namespace Qt::StringLiterals;

namespace {

constexpr double kHeadFontSize = 12;
constexpr double kLineFontSize = 11;
/// The lines sit a little below the middle of their bands.
constexpr double kLineDrop = 3;

void printAt(forms::PictureBox& p, double x, double y, const QString& text) {
    p.setCurrentX(x);
    p.setCurrentY(y);
    p.print(text);
}

} // namespace

int SortPageCount(int places) {
    return places / kSortLinesPerPage + (places % kSortLinesPerPage != 0 ? 1 : 0);
}

bool DrawSortList(const MatchState& state, forms::PictureBox& p, const FromOne<SortEntry>& list,
                  SortPageText& text, int& first) {
    const int last = list.size();
    if (last == 0) {
        p.cls();
        p.refresh();
        return false;
    }
    const int count = SortPageCount(last);
    const int lastPageFirst = (count - 1) * kSortLinesPerPage + 1;
    if (first < 1 || first >= last || (first - 1) % kSortLinesPerPage != 0) {
        first = lastPageFirst;
    }
    const int page = (first - 1) / kSortLinesPerPage + 1;
    text = {QString::number(page), QString::number(count),
            QString::number(page) + u'/' + QString::number(count)};

    p.cls();
    p.setScaleMode(forms::ScaleMode::Pixels);
    p.setFontSize(kHeadFontSize);
    p.setFontName(kSong.toString());
    p.setAutoRedraw(true);
    p.scale(0, 0, p.scaleWidth(), p.scaleHeight());
    p.setForeColor(state.SortHeadColor);
    const double rowHeight = state.SortRowHeight;
    const double x0 = state.SortLeft;
    const double x1 = x0 + state.SortColWidths[0];
    const double x2 = x1 + state.SortColWidths[1];
    const double headY = state.SortTop + (rowHeight - p.textHeight(u"名次"_s)) / 2;
    printAt(p, x0, headY, u"名次"_s);
    printAt(p, x1, headY, u"昵称"_s);
    printAt(p, x2, headY, u"积分"_s);

    p.setFontSize(kLineFontSize);
    const double lineHeight = p.textHeight(u"积分"_s);
    for (int k = 0; k < kSortLinesPerPage; ++k) {
        const int place = first + k;
        const double y =
            state.SortTop + rowHeight * (k + 1) + (rowHeight - lineHeight) / 2 + kLineDrop;
        p.setForeColor(state.SortColors.at(static_cast<std::size_t>(std::min(place, 4) - 1)));
        const SortEntry& entry = list.at(place);
        printAt(p, x0, y, QString::number(place));
        printAt(p, x1, y, entry.text);
        printAt(p, x2, y, QString::number(entry.value));
        if (place >= last) {
            break;
        }
    }
    p.refresh();
    return count > 1;
}

} // namespace qv::match::panels
