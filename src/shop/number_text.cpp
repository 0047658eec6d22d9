#include "shop/number_text.h"

#include <cmath>
#include <limits>

namespace qv::shop {
namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

} // namespace

double LeadingNumber(const QString& text) {
    qsizetype at = 0;
    const qsizetype n = text.size();
    while (at < n && (text[at] == u' ' || text[at] == u'\t')) {
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
        return 0;
    }
    qsizetype end = at;
    if (at < n && (text[at] == u'e' || text[at] == u'E')) {
        qsizetype exp = at + 1;
        if (exp < n && (text[exp] == u'+' || text[exp] == u'-')) {
            ++exp;
        }
        if (exp < n && isDigit(text[exp])) {
            while (exp < n && isDigit(text[exp])) {
                ++exp;
            }
            end = exp;
        }
    }
    const double value = text.mid(start, end - start).toDouble();
    return std::isfinite(value) ? value : 0;
}

QString WholeText(double value) {
    // Adding 0 turns a negative zero into the zero it shows as.
    return QString::number(std::trunc(value) + 0.0, 'f', 0);
}

std::int32_t SaturatedWhole(double value) {
    const double whole = std::trunc(value);
    if (whole >= std::numeric_limits<std::int32_t>::max()) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (whole <= std::numeric_limits<std::int32_t>::min()) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(whole);
}

} // namespace qv::shop
