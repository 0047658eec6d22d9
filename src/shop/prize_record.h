#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace qv::shop {

/// One prize winner as the winners list keeps it; `RecordId` 0 is an empty row or slot.
struct PrizeRecord {
    std::int32_t RecordId = 0;
    QString Nickname;
    /// Seconds since 1970-01-01 00:00 UTC.
    std::int32_t WinTime = 0;
    QString Remark;
    std::int16_t Value16 = 0;
    std::int32_t Value32 = 0;
    std::uint8_t ItemCount = 0;
    /// Elements 1 to `ItemCount` are the items; element 0 is 0.
    std::vector<std::int32_t> ItemIds{0};
    std::vector<std::int32_t> ItemCounts{0};
    /// 255 is never a big prize.
    std::uint8_t PrizeKind = 0;

    friend bool operator==(const PrizeRecord&, const PrizeRecord&) = default;
};

} // namespace qv::shop
