#include "table/system_ticker.h"

#include "common/wrap_to_list.h"
#include "forms/form_host.h"
#include "table/chat_windows.h"
#include "table/main_form.h"

#include <algorithm>

namespace qv::table {

namespace {

constexpr std::int16_t kLogWidth = 44;
constexpr qsizetype kTickerCharacters = 45;
/// Far more than a player scrolls back through, and a bound on what a long stay costs.
constexpr int kMostLogLines = 300;

bool onlySpaces(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar ch) { return ch == u' '; });
}

void replaceLine(ListBox& line, const QString& text) {
    line.clear();
    line.addItem(text);
}

} // namespace

void AddSystemMessage(MainForm& form, QString& text) {
    if (onlySpaces(text)) {
        return;
    }
    text = PostToLogAndTicker(form, text);
}

QString PostToLogAndTicker(MainForm& form, const QString& line) {
    ListBox& log = form.host().get<Talk>().Text1;
    WrapToList(log, line, kLogWidth);
    while (log.listCount() > kMostLogLines) {
        log.removeItem(0);
    }
    if (log.listCount() >= 1) {
        log.setTopIndex(log.listCount() - 1);
    }
    const QString text = line.left(kTickerCharacters);
    PostToTicker(form, text);
    return text;
}

void PostToTicker(MainForm& form, const QString& text) {
    ListBox& older = form.Sysmsg(0);
    ListBox& newer = form.Sysmsg(1);
    if (newer.listCount() > 0) {
        replaceLine(older, newer.list(0));
        replaceLine(newer, text);
    } else if (older.listCount() > 0) {
        replaceLine(newer, text);
    } else {
        replaceLine(older, text);
    }
}

} // namespace qv::table
