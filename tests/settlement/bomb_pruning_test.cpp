#include "result_fixtures.h"
#include "settlement/bomb_pruning.h"

#include <gtest/gtest.h>

namespace qv::settlement {
namespace {

using testing_support::addBomb;

/// The place states of a display seat's records, in order.
std::vector<int> states(const BombTable& bombs, int seat) {
    const BombRow& row = bombs.at(static_cast<std::size_t>(seat));
    std::vector<int> found;
    for (int k = 0; k < bombValues(row); k += kBombRecord) {
        found.push_back(row.at(static_cast<std::size_t>(k + 3)));
    }
    return found;
}

/// A partnership hand seen from mask 1: display seats 0 and 2 against 1 and 3.
std::array<SeatResult, 4> partnership(bool solo = false) {
    std::array<SeatResult, 4> rows{};
    const std::array<std::pair<int, int>, 4> seats{{{1, 4}, {2, 8}, {4, 1}, {8, 2}}};
    for (std::size_t i = 0; i < 4; ++i) {
        rows.at(i).seatMask = static_cast<std::uint8_t>(seats.at(i).first);
        rows.at(i).partnerMask = static_cast<std::uint8_t>(seats.at(i).second);
        rows.at(i).solo = solo;
    }
    return rows;
}

struct PruneCase {
    const char* name;
    Finishers finishers;
    bool solo;
    /// Place states of the records of display seats 0 to 3 before and after.
    std::array<std::vector<int>, 4> before;
    std::array<std::vector<int>, 4> after;
};

class BombPruning : public testing::TestWithParam<PruneCase> {};

TEST_P(BombPruning, KeepsTheBombsThatCount) {
    const PruneCase& c = GetParam();
    BombTable bombs{};
    for (int seat = 0; seat < 4; ++seat) {
        for (const int state : c.before.at(static_cast<std::size_t>(seat))) {
            addBomb(bombs, seat, 9, 5, static_cast<std::int16_t>(state));
        }
    }
    PruneBombs(bombs, partnership(c.solo), 1, c.finishers);
    for (int seat = 0; seat < 4; ++seat) {
        EXPECT_EQ(states(bombs, seat), c.after.at(static_cast<std::size_t>(seat))) << seat;
        const BombRow& row = bombs.at(static_cast<std::size_t>(seat));
        for (auto k = static_cast<std::size_t>(bombValues(row)); k < kBombCount; ++k) {
            EXPECT_EQ(row.at(k), 0);
        }
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, BombPruning, testing::Values(
    // Seat 0 went out first: seats 1 and 3 keep only what they played before.
    PruneCase{"AfterFirstOut", {0, 2}, false, {{{1}, {0, 1, 0}, {}, {0, 0}}}, {{{1}, {0}, {}, {0, 0}}}},
    PruneCase{"AfterSecondOut", {0, 2}, false, {{{}, {0, 2}, {}, {2}}}, {{{}, {0}, {}, {}}}},
    PruneCase{"MovedToFirst", {0, 2}, false, {{{}, {111, 0}, {}, {0, 222}}}, {{{}, {}, {}, {0}}}},
    PruneCase{"Solo", {0, 2}, true, {{{2}, {0, 1}, {111}, {222}}}, {{{2}, {0, 1}, {111}, {222}}}},
    // The second out is on the losing side too: the first's partner loses from his first 2 on.
    PruneCase{"PartnerFromStateTwo", {0, 1}, false, {{{}, {}, {0, 222, 2, 0}, {}}}, {{{}, {}, {0, 222}, {}}}},
    PruneCase{"PartnerKeeps222Alone", {0, 3}, false, {{{}, {}, {0, 222, 1}, {}}}, {{{}, {}, {0, 222, 1}, {}}}},
    PruneCase{"PartnerUntouchedOtherwise", {0, 2}, false, {{{}, {}, {2}, {}}}, {{{}, {}, {2}, {}}}},
    PruneCase{"NobodyOut", {}, false, {{{0}, {0, 0}, {0}, {0}}}, {{{0}, {0, 0}, {0}, {0}}}}),
    [](const testing::TestParamInfo<PruneCase>& param) { return std::string(param.param.name); });
// clang-format on

} // namespace
} // namespace qv::settlement
