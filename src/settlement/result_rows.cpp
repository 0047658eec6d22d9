#include "settlement/result_rows.h"

#include <algorithm>

namespace qv::settlement {
namespace {

constexpr int kSharedEnd = 16;
constexpr int kRecordSize = 100;
constexpr int kFirstRecord = 16;
constexpr int kSecondRecord = 116;
constexpr int kTail = 256;

/// A row with the message's shared head and tail and nothing else.
ResultRow sharedPart(const connection::GameMessage& message) {
    ResultRow row;
    const auto& from = message.bytes();
    auto& to = row.bytes();
    std::copy(from.begin(), from.begin() + kSharedEnd, to.begin());
    std::copy(from.begin() + kTail, from.end(), to.begin() + kTail);
    return row;
}

ResultRow withRecord(const connection::GameMessage& message, int recordAt) {
    ResultRow row = sharedPart(message);
    const auto& from = message.bytes();
    std::copy(from.begin() + recordAt, from.begin() + recordAt + kRecordSize,
              row.bytes().begin() + kFirstRecord);
    return row;
}

} // namespace

std::optional<ResultHalves> decodeResult(const connection::GameMessage& message) {
    return ResultHalves{withRecord(message, kFirstRecord), withRecord(message, kSecondRecord)};
}

} // namespace qv::settlement
