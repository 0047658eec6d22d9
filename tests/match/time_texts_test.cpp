#include "match/time_texts.h"

#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>

namespace qv::match {
namespace {

using namespace Qt::StringLiterals;

TEST(TimeTexts, DurationsAndCountdowns) {
    const std::vector<std::pair<std::int64_t, QString>> durations{
        {59, u"59秒"_s},      {3600, u"1小时"_s},           {3661, u"1小时1分1秒"_s},
        {86400, u"1天0秒"_s}, {90061, u"1天1小时1分1秒"_s}, {-5, u"0秒"_s},
        {0, u"0秒"_s},        {7205, u"2小时5秒"_s},        {120, u"2分"_s}};
    for (const auto& [seconds, text] : durations) {
        EXPECT_EQ(TimeNumToStr(seconds, false), text) << seconds;
    }
    const std::vector<std::pair<std::int32_t, QString>> countdowns{{75, u"00:01:15"_s},
                                                                   {3725, u"01:02:05"_s},
                                                                   {0, u"00:00:00"_s},
                                                                   {-3, u"00:00:00"_s},
                                                                   {360000, u"100:00:00"_s}};
    for (const auto& [seconds, text] : countdowns) {
        EXPECT_EQ(SecondsToTimeStr(seconds), text) << seconds;
    }
}

TEST(TimeTexts, DatesAreTheServersUtcWhateverTheLocalZone) {
    const char* saved = std::getenv("TZ");
    const QByteArray before = saved != nullptr ? QByteArray(saved) : QByteArray();
    for (const char* zone : {"UTC", "America/New_York", "Asia/Shanghai"}) {
        setenv("TZ", zone, 1);
        tzset();
        EXPECT_EQ(TimeNumToStr(1733681050, true), u"12-08 18:04:10"_s) << zone;
        EXPECT_EQ(TimeNumToStr(1733681050, true, 1), u"18:04:10"_s) << zone;
        EXPECT_EQ(ServerTimeText(1733681050), u"2024-12-08 18:04:10"_s) << zone;
        // Beyond 2038, and the leap day.
        EXPECT_EQ(StartAt(3981312000).text, u"02-29 00:00:00"_s) << zone;
    }
    if (saved != nullptr) {
        setenv("TZ", before.constData(), 1);
    } else {
        unsetenv("TZ");
    }
    tzset();
}

} // namespace
} // namespace qv::match
