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
    int end = 0;
    const QString t = text.trimmed();
    const auto digitsFrom = [&t](int at) {
        while (at < t.size() && t[at].isDigit()) {
            ++at;
        }
        return at;
    };
    if (end < t.size() && (t[end] == u'+' || t[end] == u'-')) {
        ++end;
    }
    const int intStart = end;
    end = digitsFrom(end);
    bool anyDigit = end > intStart;
    if (end < t.size() && t[end] == u'.') {
        const int fracEnd = digitsFrom(end + 1);
        anyDigit = anyDigit || fracEnd > end + 1;
        end = fracEnd;
    }
    if (!anyDigit) {
        return 0.0;
    }
    if (end < t.size() && (t[end] == u'e' || t[end] == u'E')) {
        int exp = end + 1;
        if (exp < t.size() && (t[exp] == u'+' || t[exp] == u'-')) {
            ++exp;
        }
        const int expEnd = digitsFrom(exp);
        if (expEnd > exp) {
            end = expEnd;
        }
    }
    const double value = t.left(end).toDouble();
    return std::isfinite(value) ? value : 0.0;
}

} // namespace qv
