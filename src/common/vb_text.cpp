#include "common/vb_text.h"

#include "common/gbk.h"
#include "common/runtime_errors.h"

#include <cmath>

namespace qv {

QString vbLeft(const QString& s, qsizetype n) {
    return n <= 0 ? QString() : s.left(n);
}

QString vbRight(const QString& s, qsizetype n) {
    return n <= 0 ? QString() : s.right(n);
}

QString vbMid(const QString& s, qsizetype start, qsizetype length) {
    if (start < 1) {
        throw RuntimeError(RuntimeError::kInvalidCall, "Mid: start below 1");
    }
    if (start > s.size() || length == 0) {
        return {};
    }
    return length < 0 ? s.mid(start - 1) : s.mid(start - 1, length);
}

QString vbLTrim(const QString& s) {
    qsizetype first = 0;
    while (first < s.size() && s[first] == u' ') {
        ++first;
    }
    return s.mid(first);
}

QString vbRTrim(const QString& s) {
    qsizetype end = s.size();
    while (end > 0 && s[end - 1] == u' ') {
        --end;
    }
    return s.left(end);
}

QString vbTrim(const QString& s) {
    return vbLTrim(vbRTrim(s));
}

qsizetype vbInStr(qsizetype start, const QString& s, const QString& find) {
    if (start < 1) {
        throw RuntimeError(RuntimeError::kInvalidCall, "InStr: start below 1");
    }
    if (start > s.size()) {
        return 0;
    }
    const qsizetype at = s.indexOf(find, start - 1);
    return at < 0 ? 0 : at + 1;
}

qsizetype ansiLength(const QString& s) {
    return toAnsi(s).size();
}

double leadingNumber(const QString& text) {
    // Only ASCII digits count: the conversion below reads no other, so "2\uFF11" is 2, not 0.
    const auto isDigit = [](QChar c) {
        return c >= u'0' && c <= u'9';
    };
    const qsizetype n = text.size();
    qsizetype at = 0;
    while (at < n && text[at].isSpace()) {
        ++at;
    }
    const qsizetype start = at;
    if (at < n && (text[at] == u'+' || text[at] == u'-')) {
        ++at;
    }
    bool digits = false;
    while (at < n && isDigit(text[at])) {
        ++at;
        digits = true;
    }
    if (at < n && text[at] == u'.') {
        ++at;
        while (at < n && isDigit(text[at])) {
            ++at;
            digits = true;
        }
    }
    if (!digits) {
        return 0.0;
    }
    qsizetype end = at;
    if (at < n && (text[at] == u'e' || text[at] == u'E')) {
        qsizetype exp = at + 1;
        if (exp < n && (text[exp] == u'+' || text[exp] == u'-')) {
            ++exp;
        }
        // An exponent counts only when digits follow: "2e" is 2.
        if (exp < n && isDigit(text[exp])) {
            while (exp < n && isDigit(text[exp])) {
                ++exp;
            }
            end = exp;
        }
    }
    const double value = text.mid(start, end - start).toDouble();
    return std::isfinite(value) ? value : 0.0;
}

} // namespace qv
