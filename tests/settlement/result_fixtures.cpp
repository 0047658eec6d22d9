#include "result_fixtures.h"

#include "connection/commands.h"

namespace qv::settlement::testing_support {
namespace {

void writeMagnitude(connection::GameMessage& message, int offset, std::uint64_t value) {
    for (int i = 0; i < 8; ++i) {
        message.setU8(offset + i, static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

void writeShared(connection::GameMessage& message, const SharedFields& shared) {
    message.setCommand(connection::MsgResult);
    message.setU32be(8, shared.stake);
    message.setU8(12, shared.solo ? 1 : 0);
    message.setU8(13, shared.closing);
    message.setU8(14, shared.placeFactor);
    message.setU8(15, shared.moneyUnit);
}

} // namespace

void writeRecord(connection::GameMessage& message, int base, const RecordFields& record) {
    const int at = base - 16;
    message.setU8(at + 16, record.seatMask);
    const int count =
        record.cardCount >= 0 ? record.cardCount : static_cast<int>(record.cards.size());
    message.setU8(at + 17, static_cast<std::uint8_t>(count));
    for (std::size_t k = 0; k < record.cards.size() && k < 27; ++k) {
        message.setU8(at + 18 + 2 * static_cast<int>(k),
                      static_cast<std::uint8_t>(record.cards[k].first));
        message.setU8(at + 19 + 2 * static_cast<int>(k),
                      static_cast<std::uint8_t>(record.cards[k].second));
    }
    message.setU8(at + 72, record.totalSign);
    writeMagnitude(message, at + 73, record.total);
    writeMagnitude(message, at + 81, record.finalScore);
    message.setU8(at + 89, record.bombSign);
    writeMagnitude(message, at + 90, record.bombTotal);
    message.setU8(at + 98, record.level);
    message.setU8(at + 99, record.place);
    message.setU8(at + 100, record.placeSign);
    message.setU8(at + 101, record.partnerMask);
    writeMagnitude(message, at + 103, record.subtotal);
    message.setU8(at + 111, record.subtotalSign);
    message.setU8(at + 112, record.capped ? 1 : 0);
}

connection::GameMessage resultMessage(const SharedFields& shared, const RecordFields& first,
                                      const RecordFields& second) {
    connection::GameMessage message;
    writeShared(message, shared);
    writeRecord(message, 16, first);
    writeRecord(message, 116, second);
    return message;
}

std::array<RecordFields, 4> partnershipRecords() {
    std::array<RecordFields, 4> records;
    const std::array<std::uint8_t, 4> masks{1, 2, 4, 8};
    const std::array<std::uint8_t, 4> partners{4, 8, 1, 2};
    const std::array<std::uint8_t, 4> places{1, 3, 2, 4};
    for (std::size_t i = 0; i < records.size(); ++i) {
        records.at(i) = {.seatMask = masks.at(i),
                         .partnerMask = partners.at(i),
                         .totalSign = static_cast<std::uint8_t>(i % 2 == 0 ? 1 : 2),
                         .total = 400,
                         .finalScore = 400,
                         .place = places.at(i)};
    }
    return records;
}

void addBomb(BombTable& bombs, int seat, int face, int cards, std::int16_t state) {
    BombRow& row = bombs.at(static_cast<std::size_t>(seat));
    const auto at = static_cast<std::size_t>(row[kBombCount]);
    row.at(at) = static_cast<std::int16_t>(seat);
    row.at(at + 1) = static_cast<std::int16_t>(face);
    row.at(at + 2) = static_cast<std::int16_t>(cards);
    row.at(at + 3) = state;
    row.at(at + 4) = 0;
    row[kBombCount] = static_cast<std::int16_t>(at + kBombRecord);
}

ResultRow resultRow(const SharedFields& shared, const RecordFields& record) {
    ResultRow row;
    writeShared(row, shared);
    writeRecord(row, 16, record);
    return row;
}

} // namespace qv::settlement::testing_support
