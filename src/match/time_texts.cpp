#include "match/time_texts.h"

#include <QDateTime>

namespace qv::match {
namespace {

constexpr std::int64_t kDay = 86400;
constexpr std::int64_t kHour = 3600;
constexpr std::int64_t kMinute = 60;

QString utc(std::int64_t seconds, const QString& format) {
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC).toString(format);
}

QString twoDigits(std::int64_t n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

QString TimeNumToStr(std::int64_t seconds, bool withDate, int matchType) {
    if (withDate) {
        return utc(seconds,
                   matchType == 1 ? QStringLiteral("HH:mm:ss") : QStringLiteral("MM-dd HH:mm:ss"));
    }
    const std::int64_t days = seconds / kDay;
    std::int64_t r = seconds % kDay;
    QString text;
    if (r <= 0) {
        text = QStringLiteral("0秒");
    } else {
        if (r >= kHour) {
            text = QString::number(r / kHour) + QStringLiteral("小时");
            r %= kHour;
            if (r >= kMinute) {
                text += QString::number(r / kMinute) + QStringLiteral("分");
            }
        } else if (r >= kMinute) {
            text = QString::number(r / kMinute) + QStringLiteral("分");
        }
        if (r % kMinute > 0) {
            text += QString::number(r % kMinute) + QStringLiteral("秒");
        }
    }
    return days > 0 ? QString::number(days) + QStringLiteral("天") + text : text;
}

QString SecondsToTimeStr(std::int32_t seconds) {
    if (seconds <= 0) {
        return QStringLiteral("00:00:00");
    }
    return twoDigits(seconds / kHour) + u':' + twoDigits(seconds % kHour / kMinute) + u':' +
           twoDigits(seconds % kMinute);
}

QString ServerTimeText(std::int64_t seconds) {
    return utc(seconds, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

StartText StartAt(std::int64_t seconds, int matchType) {
    return {TimeNumToStr(seconds, true, matchType), seconds};
}

} // namespace qv::match
