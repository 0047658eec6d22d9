#include "connection/commands.h"

#include <gtest/gtest.h>

namespace qv::connection {
namespace {

TEST(CommandTableTest, RoutesEveryCommandClass) {
    const struct {
        int command;
        Route route;
    } cases[] = {
        {1, Route::RoundStart},      {2, Route::CallCard},       {6, Route::PlayMade},
        {9, Route::Result},          {13, Route::CountdownAnim}, {16, Route::TableState},
        {18, Route::LoginReply},     {19, Route::Chat},          {20, Route::PlayerSeated},
        {21, Route::PlayerLeft},     {22, Route::Kicked},        {23, Route::PlayerReady},
        {29, Route::ReconnectReply}, {44, Route::PropData},      {45, Route::PropData},
        {46, Route::PropScore},      {47, Route::MatchScores},   {72, Route::Match},
        {76, Route::Match},          {84, Route::Match},         {94, Route::Match},
        {99, Route::Match},          {0, Route::Relay},          {7, Route::Relay},
        {24, Route::Relay},          {28, Route::Relay},         {71, Route::Relay},
        {100, Route::Relay},         {255, Route::Relay},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(routeOf(static_cast<std::uint8_t>(c.command)), c.route) << c.command;
    }
}

TEST(CommandTableTest, SequenceBytesComeFromAllButTheReconnectReplyAndTheMatchRange) {
    for (int c = 0; c < 256; ++c) {
        const bool kept = c == 29 || (c >= 71 && c <= 99);
        EXPECT_EQ(capturesSequence(static_cast<std::uint8_t>(c)), !kept) << c;
    }
}

} // namespace
} // namespace qv::connection
