#include "hand/bomb_log.h"
#include "hand/played_area.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace qv::hand {
namespace {

std::vector<std::int16_t> valuesOf(const BombValues& values) {
    return {values.begin(), values.begin() + values[120]};
}

TEST(BombLogTest, RecordsAppendInOrderUpToTheLogsCapacity) {
    BombValues log{};
    EXPECT_FALSE(LastBomber(log));
    ASSERT_TRUE(AppendBomb(log, 2, 9, 5, kNobodyOut));
    ASSERT_TRUE(AppendBomb(log, 1, 14, 6, kFirstPlaceDecided));
    EXPECT_EQ(valuesOf(log), (std::vector<std::int16_t>{2, 9, 5, 0, 0, 1, 14, 6, 1, 0}));
    EXPECT_EQ(LastBomber(log), 1);
    for (int k = 2; k < 24; ++k) {
        EXPECT_TRUE(AppendBomb(log, 3, 5, 5, kNobodyOut));
    }
    EXPECT_EQ(log[120], 120);
    const BombValues full = log;
    EXPECT_FALSE(AppendBomb(log, 0, 7, 5, kNobodyOut));
    EXPECT_EQ(log, full);
}

TEST(BombLogTest, MovingGoesToTheLastBombersRowAndClearsTheLog) {
    BombValues log{};
    BombRows table{};
    AppendBomb(log, 2, 9, 5, kNobodyOut);
    AppendBomb(log, 1, 14, 6, kFirstPlaceDecided);
    MoveBombLog(log, table);
    EXPECT_EQ(log, BombValues{});
    EXPECT_EQ(valuesOf(table[1]), (std::vector<std::int16_t>{2, 9, 5, 0, 0, 1, 14, 6, 1, 0}));
    EXPECT_EQ(table[0][120] + table[2][120] + table[3][120], 0);

    AppendBomb(log, 1, 3, 7, kNobodyOut);
    MoveBombLog(log, table, kMovedToSecond);
    EXPECT_EQ(valuesOf(table[1]).size(), 15U);
    EXPECT_EQ(table[1][13], kMovedToSecond);
    // An empty log moves nothing.
    MoveBombLog(log, table);
    EXPECT_EQ(table[1][120], 15);
}

TEST(BombLogTest, AFullRowTakesNoMore) {
    BombValues log{};
    BombRows table{};
    table[0][120] = 118;
    AppendBomb(log, 0, 9, 5, kNobodyOut);
    MoveBombLog(log, table);
    EXPECT_EQ(table[0][120], 120);
    EXPECT_EQ(table[0][118], 0);
    EXPECT_EQ(table[0][119], 9);
    EXPECT_EQ(log[120], 0);
}

struct DamagedLog {
    const char* what;
    std::int16_t logCount;
    std::int16_t lastSeat;
    std::int16_t rowCount;
    int movedTo; // -1: no row takes anything
    bool cleared;
};

// A log or row whose count or bomber is out of range is read as far as it can be, and never
// beyond its own values.
TEST(BombLogTest, ADamagedLogOrRowIsReadAsFarAsItGoes) {
    const DamagedLog cases[] = {
        {"count above the log", 200, 2, 0, 2, true},   {"negative count", -5, 2, 0, -1, false},
        {"bomber above the seats", 5, 7, 0, -1, true}, {"negative bomber", 5, -1, 0, -1, true},
        {"negative row count", 5, 3, -9, 3, true},
    };
    for (const DamagedLog& c : cases) {
        BombValues log{};
        BombRows table{};
        const int count = std::clamp<int>(c.logCount, 0, 120);
        if (count >= 5) {
            log[static_cast<std::size_t>(count - 5)] = c.lastSeat;
        }
        log[120] = c.logCount;
        for (auto& row : table) {
            row[120] = c.rowCount;
        }
        MoveBombLog(log, table);
        EXPECT_EQ(log[120] == 0, c.cleared) << c.what;
        for (int seat = 0; seat < 4; ++seat) {
            const int stored = table[static_cast<std::size_t>(seat)][120];
            EXPECT_EQ(stored > 0, seat == c.movedTo) << c.what << " seat " << seat;
            EXPECT_LE(stored, 120) << c.what;
        }
    }
}

TEST(BombLogTest, FinishersTakeTheLogWhenTheLastBombIsTheirs) {
    struct Case {
        const char* what;
        Finishers finishers;
        int lastBomber;
        int row;
        std::int16_t state;
    };
    const Case cases[] = {
        {"nobody out", {false, false, 5, 5}, 2, -1, 0},
        {"first finisher's bomb", {true, false, 2, 5}, 2, 2, kMovedToFirst},
        {"another seat's bomb", {true, false, 2, 5}, 3, -1, 0},
        {"second finisher's bomb", {true, true, 1, 3}, 3, 3, kMovedToSecond},
        {"first of two finishers", {true, true, 1, 3}, 1, 1, kMovedToFirst},
    };
    for (const auto& c : cases) {
        BombValues log{};
        BombRows table{};
        AppendBomb(log, 0, 8, 5, kNobodyOut);
        AppendBomb(log, c.lastBomber, 9, 5, kNobodyOut);
        EXPECT_EQ(SettleForFinishers(log, table, c.finishers), c.row >= 0) << c.what;
        if (c.row >= 0) {
            EXPECT_EQ(log[120], 0) << c.what;
            const auto& row = table[static_cast<std::size_t>(c.row)];
            EXPECT_EQ(row[120], 10) << c.what;
            EXPECT_EQ(row[3], c.state) << c.what;
            EXPECT_EQ(row[8], c.state) << c.what;
        } else {
            EXPECT_EQ(log[120], 10) << c.what;
        }
    }
}

TEST(PlayedAreaTest, RowsCentreOnTheirAnchor) {
    // At full scale card i of n stands at x - (9.9 n + 35.1) + 0.22 i W.
    EXPECT_DOUBLE_EQ(PlayedCardLeft(500, 3, 0, 80, 1.0F), 500 - (9.9 * 3 + 35.1));
    EXPECT_DOUBLE_EQ(PlayedCardLeft(500, 3, 2, 80, 1.0F), 500 - (9.9 * 3 + 35.1) + 2 * 0.22 * 80);
    EXPECT_DOUBLE_EQ(PlayedCardLeft(400, 2, 1, 62.5, 0.78125F),
                     400 - (0.11 * 2 + 0.39) * 90 * 0.78125 + 0.19 * 62.5);
}

TEST(PlayedAreaTest, SideSeatRowsMoveOutAsTheyGrow) {
    struct Case {
        int count;
        int left;
        int right;
    };
    for (const Case c : {Case{1, 300, 700}, Case{5, 300, 700}, Case{6, 320, 680}, Case{9, 320, 680},
                         Case{10, 390, 750}, Case{27, 390, 750}}) {
        EXPECT_EQ(PlayedRowAnchorX(1, c.count), c.left) << c.count;
        EXPECT_EQ(PlayedRowAnchorX(3, c.count), c.right) << c.count;
    }
}

TEST(PlayedAreaTest, PilesShrinkWithTheCardsLeft) {
    struct Case {
        int left;
        int size;
    };
    for (const Case c : {Case{27, 3}, Case{20, 3}, Case{19, 2}, Case{15, 2}, Case{14, 1},
                         Case{9, 1}, Case{8, 0}, Case{1, 0}, Case{-1, -1}}) {
        EXPECT_EQ(PileSize(c.left), c.size) << c.left;
    }
}

} // namespace
} // namespace qv::hand
