#include "common/vb_text.h"

#include "common/gbk.h"
#include "common/runtime_errors.h"

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

} // namespace qv
