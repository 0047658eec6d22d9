#include "connection/server_text.h"
#include "match/match_senders.h"
#include "match_fixture.h"

#include <functional>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::match {
namespace {

using testing_support::kT0;
using testing_support::MatchTable;
using testing_support::Msg;

TEST(MatchCodec, RequestsCarryTheIdLittleEndianAndNothingElse) {
    MatchTable t;
    SendSignUp(t.client.conn, 1);
    SendSignUp(t.client.conn, 258);
    SendSortRequest(t.client.conn, 258);
    SendSignUp(t.client.conn, -1);
    SendTimeRequest(t.client.conn, t.client.match);
    const auto sent = t.sent();
    ASSERT_EQ(sent.size(), 4U);
    const std::vector<std::pair<std::uint8_t, std::uint32_t>> expected{
        {72, 1}, {72, 258}, {79, 258}, {81, 0}};
    for (std::size_t i = 0; i < sent.size(); ++i) {
        connection::GameMessage want;
        want.setCommand(expected[i].first);
        want.setU32le(16, expected[i].second);
        // The connection numbers every message it sends.
        want.setU8(260, sent[i].u8(260));
        want.setU8(261, sent[i].u8(261));
        EXPECT_EQ(sent[i], want) << i;
    }
    EXPECT_EQ(sent[1].u8(16), 2);
    EXPECT_EQ(sent[1].u8(17), 1);
    EXPECT_EQ(t.client.match.TimeRequestTick, t.platform.time.tickMs());
}

TEST(MatchCodec, TextsReadGbkPairsAndNeverPastTheMessage) {
    struct Case {
        const char* name;
        int offset;
        int last;
        QByteArray bytes;
        QString text;
        int end;
    };
    const QByteArray pair = toGbk(u"报名"_s).value();
    const std::vector<Case> cases{
        {"pairs and ASCII", 25, 255, "ok" + pair, u"ok报名"_s, 31},
        {"first byte zero", 25, 255, QByteArray(1, '\0') + "x", QString(), 25},
        {"lead byte at the last takes the next", 254, 255, "a" + pair.left(1) + pair.mid(1, 1),
         u"a报"_s, 257},
        {"lead byte at the message's end stands alone", 270, 271, "a\xB1", u"a\uFFFD"_s, 272},
        {"invalid pair", 25, 255, QByteArray("\x81\x7F", 2), u"\uFFFD"_s, 27},
    };
    for (const Case& c : cases) {
        connection::GameMessage m;
        m.writeBytes(c.offset, c.bytes);
        int end = 0;
        EXPECT_EQ(connection::MatchText(m, c.offset, c.last, &end), c.text) << c.name;
        EXPECT_EQ(end, c.end) << c.name;
    }
}

TEST(MatchCodec, AMessageOutsideItsLayoutIsDroppedAndNothingChanges) {
    const std::vector<std::pair<const char*, Msg>> cases{
        {"82 with 19 runs", Msg(82).u8(16, 19)},
        {"82 jade base above 32767", Msg(82).u8(16, 1).u32(17, 5).u16(29, 0x8000)},
        {"82 length with the top bit", Msg(82).u8(16, 1).u32(17, 5).u32(25, 0x80000000)},
        {"74 with 29 runs", Msg(74).u8(16, 29)},
        {"74 start with the top bit", Msg(74).u8(16, 1).u32(17, 5).u32(21, 0x80000000)},
        {"83 id with the top bit", Msg(83).u32(16, 0x80000005)},
        {"72 count above 32767", Msg(72).u32(16, 5).u32(20, kT0).u8(24, 1).u16(25, 0x8000)},
        {"72 base with the top bit", Msg(72).u32(16, 5).u32(20, kT0).u8(24, 1).u32(27, ~0U)},
        {"73 start with the top bit", Msg(73).u32(16, 5).u32(20, 0x80000000).u8(24, 1)},
        {"75 id with the top bit", Msg(75).u32(16, 0xFFFFFFFF).u32(20, kT0).u8(24, 2)},
        {"77 place above 32767", Msg(77).u32(16, 5).u32(20, kT0).u32(24, 32768)},
        {"78 score with the top bit", Msg(78).u32(16, 5).u32(20, kT0).u32(28, 0x80000000)},
        {"87 count above 32767", Msg(87).u32(16, 5).u32(20, kT0).u16(24, 40000)},
        {"88 base with the top bit", Msg(88).u32(16, 5).u32(20, kT0).u32(24, 0x90000000)},
        {"89 start with the top bit", Msg(89).u32(16, 5).u32(20, 0xF0000000)},
        {"90 window with the top bit", Msg(90).u32(16, 0x80000000)},
        {"47 with 32768 entries", Msg(47).u32(24, 32768)},
        {"47 number above 32767", Msg(47).u32(16, 40000)},
        {"47 score with the top bit", Msg(47).u32(24, 1).u32(48, 0x80000000)},
    };
    for (const auto& [name, msg] : cases) {
        MatchTable t;
        t.loaded();
        t.scheduled();
        t.form.ImgOpenMatchBtn.setEnabled(true);
        const MatchState before = t.client.match;
        t.receive(msg);
        EXPECT_EQ(t.client.match, before) << name;
        EXPECT_TRUE(t.form.ImgOpenMatchBtn.enabled()) << name;
        EXPECT_FALSE(t.platform.process.ended()) << name;
    }
}

/// What a message did: its branch ran, it switched the tournaments off, or nothing happened.
enum class Outcome { Branch, SwitchOff, Nothing };

TEST(MatchCodec, EachCommandRunsUnderItsFlagsOrSwitchesOff) {
    struct Flags {
        bool downloading;
        bool on;
        bool shown;
    };
    const std::vector<Flags> flags{
        {false, false, false}, {true, false, false}, {false, true, false}, {false, true, true}};
    using Probe = std::function<bool(const MatchState&)>;
    const Probe countChanged = [](const MatchState& s) {
        return s.CurMatch.at(1).SignUpNum == 7;
    };
    struct Case {
        Msg msg;
        Probe ran;
        std::array<Outcome, 4> outcome;
    };
    using enum Outcome;
    const std::vector<Case> cases{
        {Msg(72).u32(16, 5).u32(20, kT0).u8(24, 1).u16(25, 7),
         countChanged,
         {SwitchOff, SwitchOff, SwitchOff, Branch}},
        {Msg(73).u32(16, 5).u32(20, kT0).u8(24, 1),
         [](const MatchState& s) { return s.CurMatch.at(1).SignTick != 0; },
         {SwitchOff, SwitchOff, SwitchOff, Branch}},
        {Msg(74).u8(16, 0),
         [](const MatchState& s) { return s.g_bMyMatchList; },
         {Nothing, Branch, Branch, Branch}},
        {Msg(75).u32(16, 5).u32(20, kT0).u8(24, 5),
         [](const MatchState& s) { return s.MatchState == 5; },
         {Nothing, Branch, Branch, Branch}},
        {Msg(77).u32(16, 5).u32(20, kT0).u32(24, 3),
         [](const MatchState& s) { return s.CurMatch.at(1).Place == 3; },
         {Nothing, Branch, Branch, Branch}},
        {Msg(81).u32(16, kT0),
         [](const MatchState& s) { return s.ServerTime == kT0; },
         {Nothing, Branch, Branch, Branch}},
        {Msg(82).u8(16, 1).u32(17, 9),
         [](const MatchState& s) { return s.CurMatch.size() == 1; },
         {SwitchOff, Branch, Branch, Branch}},
        {Msg(83).u32(16, 5).u32(20, kT0 + 7200),
         [](const MatchState& s) { return s.CurMatch.at(1).StratTime.seconds == kT0 + 7200; },
         {SwitchOff, Branch, Branch, Branch}},
        {Msg(87).u32(16, 5).u32(20, kT0).u16(24, 7),
         countChanged,
         {Branch, Branch, Branch, Branch}},
        {Msg(90).u32(16, 120),
         [](const MatchState& s) { return s.AutoSignUpWindow == 120; },
         {Branch, Branch, Branch, Branch}},
        {Msg(76).u32(16, 5),
         [](const MatchState&) { return false; },
         {Nothing, Nothing, Nothing, Nothing}},
        {Msg(96).u32(16, 5),
         [](const MatchState&) { return false; },
         {Nothing, Nothing, Nothing, Nothing}},
    };
    for (const Case& c : cases) {
        for (std::size_t f = 0; f < flags.size(); ++f) {
            MatchTable t;
            t.loaded();
            t.scheduled();
            MatchState& s = t.client.match;
            s.g_bMatchDownloading = flags[f].downloading;
            s.g_bMatchOn = flags[f].on;
            s.g_bMatchListShown = flags[f].shown;
            t.form.ImgShowMatch.setVisible(true);
            t.form.ImgOpenMatchBtn.setVisible(true);
            const MatchState before = s;
            t.receive(c.msg);
            const int command = c.msg.m.command();
            const bool off = !t.form.ImgShowMatch.visible() && !t.form.ImgOpenMatchBtn.visible() &&
                             !s.g_bMatchOn && !s.g_bMatchDownloading;
            switch (c.outcome[f]) {
            case Branch:
                EXPECT_TRUE(c.ran(s)) << command << " flags " << f;
                EXPECT_TRUE(t.form.ImgShowMatch.visible()) << command << " flags " << f;
                break;
            case SwitchOff:
                EXPECT_TRUE(off) << command << " flags " << f;
                break;
            case Nothing: {
                MatchState expected = before;
                EXPECT_EQ(s, expected) << command << " flags " << f;
                EXPECT_TRUE(t.form.ImgShowMatch.visible()) << command << " flags " << f;
                break;
            }
            }
        }
    }
}

} // namespace
} // namespace qv::match
