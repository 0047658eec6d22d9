#include "match/time_texts.h"
#include "match_fixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::match {
namespace {

using testing_support::kT0;
using testing_support::MatchTable;
using testing_support::Msg;

const QString kStart = StartAt(kT0).text;
const QString kLater = StartAt(kT0 + 7200).text;

/// The runs scheduled by command 82 on a loaded configuration: id 5 at kT0, id 6 with none.
struct Runs : MatchTable {
    Runs() {
        loaded();
        scheduled();
    }
    CurMatchRec& run(int i = 1) { return client.match.CurMatch.at(i); }
};

TEST(MatchSequences, TheListAndTheSignUps) {
    Runs t;
    EXPECT_EQ(t.run(2).StratTime, StartText{});
    EXPECT_EQ(t.run(1).JadeBase, 100);
    t.client.match.g_bMatchListShown = false;
    // 74 with no entries shows the list of 82's runs, none signed up.
    t.receive(Msg(74).u8(16, 0));
    EXPECT_TRUE(t.client.match.g_bMatchListShown);
    EXPECT_TRUE(t.form.ImgShowMatch.visible());
    ASSERT_EQ(t.client.match.CurMatchShow.size(), 1);
    EXPECT_EQ(t.client.match.CurMatchShow.at(1).CPstate, 0);

    // A refused sign-up changes nothing and shows the server's text.
    t.receive(Msg(72).u32(16, 5).u32(20, kT0).u8(24, 0).text(31, u"人满了"_s));
    EXPECT_EQ(t.run().CPstate, 0);
    EXPECT_EQ(t.lastNotice(), u"报名("_s + kStart + u")：人满了"_s);
    // An accepted one counts the player in and works the jade base into the prizes.
    t.receive(
        Msg(72).u32(16, 5).u32(20, kT0).u8(24, 1).u16(25, 12).u32(27, 150).text(31, u"成功"_s));
    EXPECT_EQ(t.run().CPstate, 1);
    EXPECT_EQ(t.run().SignUpNum, 12);
    EXPECT_EQ(t.run().PrizeTable.at(0)[1], u"500金币+300个翡翠"_s);
    // One for the later start moves the run there; the next start keeps its text.
    t.receive(Msg(83).u32(16, 5).u32(20, kT0 + 7200).u32(24, 1800));
    t.client.match.MatchState = 0;
    t.run().StratTime = StartAt(kT0);
    t.run().NextTime = StartAt(kT0 + 7200);
    t.receive(Msg(72).u32(16, 5).u32(20, kT0 + 7200).u8(24, 1).u16(25, 3));
    EXPECT_EQ(t.run().StratTime.text, kLater);
    EXPECT_EQ(t.run().NextTime.text, kLater);
    // A cancellation shows the text alone.
    t.receive(Msg(73).u32(16, 5).u32(20, kT0).u8(24, 1).text(25, u"已取消"_s));
    EXPECT_EQ(t.run().CPstate, 0);
    EXPECT_EQ(t.lastNotice(), u"已取消"_s);
    // A count for another start only keeps that count.
    t.receive(Msg(87).u32(16, 5).u32(20, kT0 + 60).u16(24, 44));
    EXPECT_EQ(t.run().NextSignUpNum, 44);
    EXPECT_EQ(t.run().SignUpNum, 3);
}

TEST(MatchSequences, OwnRunsOrderTheirStartsAndShowTheRankingButton) {
    Runs t;
    t.run().StratTime = {};
    t.receive(Msg(74)
                  .u8(16, 2)
                  .u32(17, 5)
                  .u32(21, kT0 + 7200)
                  .u8(25, 2)
                  .u32(26, 5)
                  .u32(30, kT0)
                  .u8(34, 2));
    EXPECT_EQ(t.run().StratTime.text, kStart);
    EXPECT_EQ(t.run().NextTime.text, kLater);
    EXPECT_EQ(t.run().CPstate, 1);
    EXPECT_TRUE(t.form.ImgShowSort.visible());
    EXPECT_EQ(t.form.ListSort.tag(), u"5"_s);
}

TEST(MatchSequences, NextRunsWaitForTheStartedRun) {
    Runs t;
    t.client.match.MatchState = 1;
    t.receive(Msg(83).u32(16, 5).u32(20, kT0 + 7200).u32(24, 1800));
    EXPECT_EQ(t.run().StratTime.text, kStart);
    EXPECT_EQ(t.run().NextTime.text, kLater);
    t.receive(Msg(83).u32(16, 5).u32(20, kT0 + 7200).u32(24, 1800));
    EXPECT_EQ(t.run().StratTime.text, kLater);
    EXPECT_EQ(t.run().Duration, 1800);
    EXPECT_TRUE(t.run().NextTime.isEmpty());
}

TEST(MatchSequences, StartsEndsPlacesAndChampions) {
    Runs t;
    // A start the player is not signed up for takes the run off the list.
    t.receive(Msg(75).u32(16, 5).u32(20, kT0).u8(24, 1));
    EXPECT_EQ(t.lastNotice(), kStart + u"比赛开始了！"_s);
    EXPECT_TRUE(t.run().StratTime.isEmpty());
    EXPECT_TRUE(t.client.match.CurMatchShow.empty());
    EXPECT_FALSE(t.form.ImgShowSort.visible());

    // Signed up: the start shows the ranking button.
    t.run().StratTime = StartAt(kT0);
    t.run().CPstate = 1;
    SetCurMatchPrize(t.client.match, 5, 150, QString());
    t.receive(Msg(75).u32(16, 5).u32(20, kT0).u8(24, 1));
    EXPECT_TRUE(t.form.ImgShowSort.visible());
    EXPECT_EQ(t.run().RunState, 1);
    // Places: 0 keeps the place; the leader's gap is 0.
    t.receive(Msg(77).u32(16, 5).u32(20, kT0).u32(24, 1).u32(28, 80));
    t.receive(Msg(77).u32(16, 5).u32(20, kT0).u32(24, 0).u32(28, 90));
    EXPECT_EQ(t.run().Place, 1);
    EXPECT_EQ(t.run().RunScore, 90.0);
    EXPECT_EQ(t.form.LblSortInfo(0).caption(), u"1/0"_s);
    EXPECT_EQ(t.form.LblSortInfo(2).caption(), u"0"_s);
    // The final place 7 falls in the ranks 4 to 10.
    t.receive(Msg(78).u32(16, 5).u32(20, kT0).u32(24, 7).u32(28, 95));
    EXPECT_EQ(t.noticeBefore(), u"恭喜您在"_s + kStart + u"开始的比赛中取得第7名!"_s);
    EXPECT_EQ(t.lastNotice(), u"获得150个翡翠!"_s);
    // A place no line covers posts nothing.
    t.receive(Msg(78).u32(16, 5).u32(20, kT0).u32(24, 11).u32(28, 95));
    EXPECT_EQ(t.lastNotice(), u"获得150个翡翠!"_s);
    // A jade base for another start changes nothing.
    t.receive(Msg(88).u32(16, 5).u32(20, kT0 + 1).u32(24, 1000));
    EXPECT_EQ(t.run().PrizeTable.at(2)[1], u"150个翡翠"_s);

    // The end, with a next start known: the run shows it at once.
    t.run().NextTime = StartAt(kT0 + 7200);
    t.run().NextDuration = 600;
    t.receive(Msg(75).u32(16, 5).u32(20, kT0).u8(24, 2).text(25, u"谢谢参与"_s));
    EXPECT_EQ(t.noticeBefore(), kStart + u"比赛结束了！"_s);
    EXPECT_EQ(t.lastNotice(), u"谢谢参与"_s);
    EXPECT_EQ(t.run().StratTime.text, kLater);
    EXPECT_EQ(t.run().LStratTime.text, kStart);
    EXPECT_EQ(t.run().CPstate, 0);

    // The champion: three notices, two banner lines, and a champion row.
    const int banners = t.form.moveWord1.pending();
    t.receive(Msg(89).u32(16, 5).u32(20, kT0).text(24, u"阿强"_s).text(56, u"500金币"_s));
    EXPECT_EQ(t.lastNotice(), u"下一场比赛开始接受报名!"_s);
    EXPECT_EQ(t.noticeBefore(), u"冠军奖励：500金币"_s);
    EXPECT_EQ(t.form.moveWord1.pending(), banners + 2);
    ASSERT_EQ(t.client.match.CurMatchShow.size(), 2);
    EXPECT_TRUE(t.client.match.CurMatchShow.at(2).CLastFlg);
    EXPECT_EQ(t.client.match.CurMatchShow.at(2).StratTime.text, kStart);

    // A state of its own is only kept.
    t.receive(Msg(75).u32(16, 5).u32(20, kT0 + 7200).u8(24, 5));
    EXPECT_EQ(t.run().RunState, 5);
    EXPECT_EQ(t.client.match.MatchState, 5);
}

TEST(MatchSequences, AChampionWithoutTheEndGivesOneBannerLine) {
    Runs t;
    const int banners = t.form.moveWord1.pending();
    t.receive(Msg(89).u32(16, 5).u32(20, kT0 - 7200).text(24, u"阿强"_s).text(56, u"x"_s));
    EXPECT_EQ(t.form.moveWord1.pending(), banners + 1);
    t.receive(Msg(89).u32(16, 9).u32(20, kT0).text(24, u"无名"_s));
    EXPECT_EQ(t.form.moveWord1.pending(), banners + 1);
}

TEST(MatchSequences, GoldChanges) {
    struct Case {
        std::uint8_t sign;
        std::uint64_t amount;
        const char* text;
        double money;
        QString notice;
    };
    const std::vector<Case> cases{
        {1, 500, "扣除%d金币,共%D", 0, u"扣除500金币,共500"_s},
        {0, 500, "", 800, QString()},
        {0, 1ULL << 40, "得%d", 1099511628076.0, u"得1099511627776"_s},
    };
    for (const Case& c : cases) {
        MatchTable t;
        t.client.conn.Detail[0].coins = 300;
        const QString before = t.lastNotice();
        Msg msg(91);
        msg.u8(16, c.sign).u32(17, static_cast<std::uint32_t>(c.amount));
        msg.u32(21, static_cast<std::uint32_t>(c.amount >> 32));
        msg.text(25, QString::fromUtf8(c.text));
        t.receive(msg);
        EXPECT_EQ(t.client.conn.Detail[0].coins, c.money) << c.text;
        EXPECT_EQ(t.form.Cash(0).caption(), QString::number(c.money, 'g', 15) + u"金币"_s)
            << c.text;
        EXPECT_EQ(t.lastNotice(), c.notice.isEmpty() ? before : c.notice) << c.text;
    }
    MatchTable t;
    t.client.conn.Detail[0].account = u"me"_s;
    t.client.conn.Detail[2].account = u"bob"_s;
    t.client.conn.Detail[2].coins = 100;
    t.receive(Msg(92).u8(16, 0).u32(17, 50).text(25, u"bob"_s));
    t.receive(Msg(92).u8(16, 0).u32(17, 50).text(25, u"me"_s));
    EXPECT_EQ(t.client.conn.Detail[2].coins, 150);
    EXPECT_EQ(t.client.conn.Detail[0].coins, 0);
}

TEST(MatchSequences, TableScoresKeepTheFirstThreeEntries) {
    struct Case {
        int type;
        std::uint32_t count;
        int stored;
        bool keepAlive;
    };
    for (const Case& c : std::vector<Case>{{0, 2, 2, true}, {2, 32767, 3, false}}) {
        MatchTable t;
        t.client.match.G_MatchType = c.type;
        t.client.match.MatchPlayers[2].username = u"old"_s;
        t.client.conn.TimerKeepAlive.setEnabled(true);
        t.client.hand.custom[3].seat = 8;
        Msg msg(47);
        msg.u32(16, 250).u32(24, c.count);
        for (int k = 0; k < 3; ++k) {
            msg.bytes(28 + 28 * k, "player" + QByteArray::number(k) + QByteArray(10, 'x'));
            msg.u32(48 + 28 * k, 10 + k).u32(52 + 28 * k, k + 1);
        }
        t.receive(msg);
        const auto& players = t.client.match.MatchPlayers;
        EXPECT_EQ(players[0].username, u"player0xxxxxxxxx"_s) << c.type;
        EXPECT_EQ(players[1].match_score, 11) << c.type;
        EXPECT_EQ(players[2].username, c.stored == 3 ? u"player2xxxxxxxxx"_s : u"old"_s);
        EXPECT_EQ(t.form.lbl_matchinfo(2).caption(), u"250"_s) << c.type;
        EXPECT_EQ(t.client.conn.TimerKeepAlive.Enabled(), c.keepAlive) << c.type;
        EXPECT_EQ(t.client.hand.custom[0].seat, 0) << c.type;
        EXPECT_EQ(t.client.hand.custom[3].seat, 8) << c.type;
    }
}

} // namespace
} // namespace qv::match
