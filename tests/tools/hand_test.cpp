#include "hand.h"
#include "hand_result.h"

#include <gtest/gtest.h>
#include <ostream>
#include <set>

namespace qv::tools::table {
namespace {

using rules::makeCard;

constexpr int kD = 1; // diamonds
constexpr int kC = 2; // clubs
constexpr int kH = 4; // hearts
constexpr int kS = 8; // spades

TEST(HandTest, TheDealGivesEveryCardOnceAndOneSeedOneDeal) {
    std::uint32_t first = 42;
    std::uint32_t again = 42;
    std::uint32_t other = 43;
    const Deal deal = shuffleAndDeal(first);
    std::set<int> indexes;
    for (const auto& hand : deal) {
        ASSERT_EQ(hand.size(), static_cast<std::size_t>(kHandSize));
        for (const CardCode card : hand) {
            indexes.insert(rules::cardDeckIndex(card));
        }
    }
    EXPECT_EQ(indexes.size(), 108U);
    EXPECT_EQ(shuffleAndDeal(again), deal);
    EXPECT_NE(shuffleAndDeal(other), deal);
}

struct PartnerCase {
    const char* name;
    Deal deal;
    std::optional<int> partner;
    friend void PrintTo(const PartnerCase& c, std::ostream* os) { *os << c.name; }
};

class PartnerTest : public testing::TestWithParam<PartnerCase> {};

// The banker (seat 0) calls the nine of spades.
TEST_P(PartnerTest, TheFirstHolderAfterTheBankerIsThePartner) {
    Hand hand(GetParam().deal, 0);
    hand.call(9, kS);
    EXPECT_EQ(hand.partner(), GetParam().partner);
    EXPECT_EQ(hand.solo(), !GetParam().partner);
    EXPECT_EQ(hand.turn(), 0);
}

const CardCode kNine1 = makeCard(9, kS, 24);
const CardCode kNine2 = makeCard(9, kS, 76);
const CardCode kThree = makeCard(3, kD, 0);

INSTANTIATE_TEST_SUITE_P(
    Cases, PartnerTest,
    testing::Values(PartnerCase{"both_copies_alone", {{{kNine1, kNine2}, {kThree}, {}, {}}}, {}},
                    PartnerCase{"one_copy_each", {{{kNine1}, {kThree}, {kNine2}, {}}}, 2},
                    PartnerCase{"first_after_banker", {{{kThree}, {}, {kNine2}, {kNine1}}}, 2},
                    PartnerCase{"both_elsewhere", {{{kThree}, {}, {}, {kNine1, kNine2}}}, 3}),
    [](const auto& param) { return std::string(param.param.name); });

// Seat 0 leads its last card; when the three others pass, the lead passes to its partner
// (seat 2), who goes out too. Play goes on until a third seat is out: the banker's side won with
// the first two places.
TEST(HandTest, ALeadOfAFinishedPlayerPassesToHisPartner) {
    Hand hand({{{kThree},
                {makeCard(4, kC, 5), makeCard(5, kC, 9)},
                {kNine1},
                {makeCard(6, kH, 14), makeCard(7, kH, 18)}}},
              0);
    hand.call(9, kS);
    Play lead;
    ASSERT_EQ(hand.check(std::vector<int>{0}, lead), Hand::Refusal::None);
    EXPECT_EQ(hand.play(lead).next, 1);
    EXPECT_EQ(hand.pass().next, 2);
    EXPECT_EQ(hand.pass().next, 3);
    const Hand::Step last = hand.pass();
    EXPECT_TRUE(last.trickOver);
    EXPECT_TRUE(last.jieFeng);
    EXPECT_EQ(last.next, 2);
    EXPECT_TRUE(hand.leading());

    Play nine;
    ASSERT_EQ(hand.check(std::vector<int>{24}, nine), Hand::Refusal::None);
    EXPECT_EQ(hand.play(nine).next, 3);
    EXPECT_FALSE(hand.over());
    EXPECT_EQ(hand.pass().next, 1);
    const Hand::Step noPartner = hand.pass();
    EXPECT_TRUE(noPartner.trickOver);
    EXPECT_FALSE(noPartner.jieFeng);
    EXPECT_EQ(noPartner.next, 3);
    for (const int index : {14, 18}) {
        Play low;
        ASSERT_EQ(hand.check(std::vector<int>{index}, low), Hand::Refusal::None);
        const Hand::Step step = hand.play(low);
        if (index == 14) {
            EXPECT_EQ(step.next, 1);
            EXPECT_EQ(hand.pass().next, 3);
        } else {
            EXPECT_EQ(step.next, -1);
        }
    }
    EXPECT_TRUE(hand.over());
    EXPECT_EQ(hand.places(), (std::array<int, kSeats>{1, 4, 2, 3}));

    const HandResult result = settleHand(hand, 100, {1, 1, 1, 40});
    EXPECT_EQ(result.shared.placeFactor, 3);
    EXPECT_EQ(result.totals, (std::array<std::int64_t, kSeats>{300, -300, 300, -300}));
    EXPECT_EQ(result.levels, (std::array<int, kSeats>{2, 1, 2, 40}));
    EXPECT_EQ(result.rows[0].seatMask, 1);
    EXPECT_EQ(result.rows[1].seatMask, 4);
    EXPECT_EQ(result.rows[1].partnerMask, 1);
}

struct RefusalCase {
    const char* name;
    std::vector<int> indexes;
    Hand::Refusal refusal;
    friend void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }
};

class RefusalTest : public testing::TestWithParam<RefusalCase> {};

// Seat 1 must beat seat 0's single five.
TEST_P(RefusalTest, APlayIsCheckedAgainstTheHandAndTheTable) {
    Hand hand({{{makeCard(5, kD, 8), makeCard(8, kD, 20)},
                {makeCard(4, kC, 5), makeCard(6, kC, 13), makeCard(6, kH, 14), makeCard(9, kD, 24)},
                {kNine1},
                {makeCard(7, kH, 18)}}},
              0);
    hand.call(9, kS);
    Play five;
    ASSERT_EQ(hand.check(std::vector<int>{8}, five), Hand::Refusal::None);
    hand.play(five);
    Play play;
    EXPECT_EQ(hand.check(GetParam().indexes, play), GetParam().refusal);
}

INSTANTIATE_TEST_SUITE_P(Cases, RefusalTest,
                         testing::Values(RefusalCase{"beats", {13}, Hand::Refusal::None},
                                         RefusalCase{"not_held", {20}, Hand::Refusal::NotHeld},
                                         RefusalCase{"twice", {13, 13}, Hand::Refusal::Repeated},
                                         RefusalCase{"no_play", {5, 24}, Hand::Refusal::NoPlay},
                                         RefusalCase{"lower", {5}, Hand::Refusal::DoesNotBeat},
                                         RefusalCase{
                                             "other_kind", {13, 14}, Hand::Refusal::DoesNotBeat},
                                         RefusalCase{"nothing", {}, Hand::Refusal::Empty}),
                         [](const auto& param) { return std::string(param.param.name); });

// A banker alone leads his two nines, an opponent bombs with five sevens, the banker answers with
// six eights and is out: he wins three shares of the place score and of his bomb and pays three
// shares of the opponent's bomb. Every amount adds up to zero.
TEST(HandResultTest, ABankerAloneWinsAndPaysThreeShares) {
    const auto cards = [](int face, std::initializer_list<int> indexes) {
        std::vector<CardCode> hand;
        for (const int index : indexes) {
            hand.push_back(makeCard(face, rules::kSuitFlags[index % 4], index));
        }
        return hand;
    };
    std::vector<CardCode> banker = cards(8, {20, 21, 22, 23, 72, 73});
    banker.push_back(makeCard(9, kS, 27));
    banker.push_back(makeCard(9, kS, 79));
    std::vector<CardCode> bomber = cards(7, {16, 17, 18, 19, 68});
    bomber.push_back(makeCard(4, kC, 5));
    Hand hand({{banker, bomber, {makeCard(6, kH, 14)}, {makeCard(6, kC, 13)}}}, 0);
    hand.call(9, kS);
    ASSERT_TRUE(hand.solo());
    const auto move = [&hand](std::vector<int> indexes) {
        Play play;
        ASSERT_EQ(hand.check(indexes, play), Hand::Refusal::None);
        hand.play(play);
    };
    move({27, 79});
    move({16, 17, 18, 19, 68});
    hand.pass();
    hand.pass();
    move({20, 21, 22, 23, 72, 73});
    ASSERT_FALSE(hand.over());
    // The opponents play on until a third seat is out.
    hand.pass();
    hand.pass();
    hand.pass();
    move({5});
    move({14});
    ASSERT_TRUE(hand.over());

    const HandResult result = settleHand(hand, 100, {1, 1, 1, 1});
    EXPECT_TRUE(result.shared.solo);
    EXPECT_EQ(result.shared.placeFactor, 2);
    EXPECT_EQ(result.totals, (std::array<std::int64_t, kSeats>{2100, -700, -700, -700}));
    EXPECT_EQ(result.rows[0].bombTotal, 1500);
    EXPECT_EQ(result.rows[1].seatMask, 2);
    EXPECT_EQ(result.rows[1].partnerMask, 0);
    EXPECT_EQ(result.rows[3].seatMask, 8);
    EXPECT_EQ(result.rows[3].cardsLeft.size(), 1U);
    EXPECT_EQ(result.rows[3].place, 4);
}

} // namespace
} // namespace qv::tools::table
