#include "settlement/seat_result.h"

#include "hand/card_pictures.h"

#include <algorithm>

namespace qv::settlement {
namespace {

constexpr int kStake = 8;
constexpr int kSolo = 12;
constexpr int kClosingBlock = 13;
constexpr int kPlaceFactor = 14;
constexpr int kMoneyUnit = 15;
constexpr int kSeatMask = 16;
constexpr int kCardCount = 17;
constexpr int kCards = 18;
constexpr int kTotalSign = 72;
constexpr int kTotal = 73;
constexpr int kFinalScore = 81;
constexpr int kBombSign = 89;
constexpr int kBombTotal = 90;
constexpr int kLevel = 98;
constexpr int kPlace = 99;
constexpr int kPlaceSign = 100;
constexpr int kPartnerMask = 101;
constexpr int kSubtotal = 103;
constexpr int kSubtotalSign = 111;
constexpr int kCapped = 112;

constexpr int kMagnitudeBytes = 8;

/// An 8-byte little-endian magnitude as a whole number.
double magnitude(const ResultRow& row, int offset) {
    double value = 0;
    for (int i = kMagnitudeBytes - 1; i >= 0; --i) {
        value = value * 256 + row.u8(offset + i);
    }
    return value;
}

std::vector<rules::CardCode> cardsLeft(const ResultRow& row) {
    const int count = std::min<int>(row.u8(kCardCount), kMostCardsLeft);
    std::vector<rules::CardCode> cards;
    for (int k = 0; k < count; ++k) {
        const int face = row.u8(kCards + 2 * k);
        const int suit = row.u8(kCards + 2 * k + 1);
        if (const rules::CardCode card = rules::makeCard(face, suit); hand::IsDeckCard(card)) {
            cards.push_back(card);
        }
    }
    return cards;
}

} // namespace

SeatResult readSeatResult(const ResultRow& row) {
    SeatResult r;
    r.stake = row.u32be(kStake);
    r.solo = row.u8(kSolo) == 1;
    r.closingBlock = row.u8(kClosingBlock) == 0;
    r.placeFactor = row.u8(kPlaceFactor);
    r.coins = row.u8(kMoneyUnit) == 1;
    r.seatMask = row.u8(kSeatMask);
    r.cardsLeft = cardsLeft(row);
    r.totalSign = row.u8(kTotalSign);
    r.total = magnitude(row, kTotal);
    r.finalScore = magnitude(row, kFinalScore);
    r.bombSign = row.u8(kBombSign);
    r.bombTotal = magnitude(row, kBombTotal);
    r.level = row.u8(kLevel);
    r.place = row.u8(kPlace);
    r.placeSign = row.u8(kPlaceSign);
    r.partnerMask = row.u8(kPartnerMask);
    r.subtotal = magnitude(row, kSubtotal);
    r.subtotalSign = row.u8(kSubtotalSign);
    r.capped = row.u8(kCapped) == 1;
    return r;
}

int displaySeat(std::uint8_t seatMask, std::uint8_t ownSeatMask) {
    constexpr int kSeatBits = 15;
    return (rules::IntLog2(seatMask & kSeatBits) + 4 - rules::IntLog2(ownSeatMask & kSeatBits)) % 4;
}

} // namespace qv::settlement
