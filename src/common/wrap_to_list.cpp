#include "common/wrap_to_list.h"

#include "common/gbk.h"
#include "common/runtime_errors.h"
#include "forms/list_box.h"

namespace qv {

using namespace Qt::StringLiterals;

namespace {
constexpr int kMaxSingleByteCode = 0xFF;
}

bool IsHalfWidth(const QString& ch) {
    if (ch.isEmpty()) {
        throw RuntimeError(RuntimeError::kInvalidCall, "IsHalfWidth of an empty text");
    }
    return ansiCode(ch.front()) <= kMaxSingleByteCode;
}

void WrapToList(forms::ListBox& list, const QString& text, std::int16_t width) {
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    const qsizetype n = nul < 0 ? text.size() : nul;
    int lineWidth = 0;
    qsizetype start = 0;
    // Positions are 0-based here: character i closes the line when the width is reached or it
    // is the last one.
    for (qsizetype i = 0; i < n; ++i) {
        const bool last = i == n - 1;
        if (lineWidth >= width || last) {
            if (start == 0) {
                list.addItem(text.mid(0, i + 1));
                start = i + 1;
            } else if (last) {
                list.addItem(u" "_s + text.mid(start, n - start));
            } else {
                list.addItem(u" "_s + text.mid(start, i - start));
                start = i;
            }
            lineWidth = 0;
        }
        lineWidth += IsHalfWidth(text.mid(i, 1)) ? 1 : 2;
    }
}

} // namespace qv
