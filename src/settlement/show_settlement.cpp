#include "settlement/show_settlement.h"

#include "common/general.h"
#include "common/sound.h"
#include "connection/connection.h"
#include "forms/form_host.h"
#include "hand/countdowns.h"
#include "hand/seat_card_layout.h"
#include "platform/services.h"
#include "settlement/bomb_pruning.h"
#include "settlement/hero_window.h"
#include "settlement/post_game.h"
#include "settlement/score_sheet_view.h"
#include "settlement/settlement_context.h"
#include "table/main_form.h"

#include <QDir>

#include <limits>

namespace qv::settlement {
namespace {

constexpr std::int16_t kPauseMs = 2000;
constexpr int kPlayedImages = 28;
constexpr int kFaceDownHands = 3;
constexpr std::int16_t kHandNumberWidth = 12;
constexpr int kMostHands = 32767;
constexpr int kReadySeconds = 15;

/// B2: the played cards, face-down hands, place badges and bubbles leave the table.
void clearTheTable(table::MainForm& form) {
    for (auto* images : {&form.cardImage1, &form.cardImage2, &form.cardImage3}) {
        for (int i = 0; i < kPlayedImages; ++i) {
            if (images->exists(i)) {
                (*images)(i).setVisible(false);
            }
        }
    }
    for (int i = 0; i < kFaceDownHands; ++i) {
        form.shanImage(i).setVisible(false);
    }
    for (int i = 0; i < 4; ++i) {
        if (form.first.exists(i)) {
            form.first(i).setVisible(false);
        }
        form.Speak(i).setVisible(false);
    }
}

SheetInputs sheetInputs(const SettlementContext& ctx, const std::array<SeatResult, 4>& rows) {
    const auto& hand = ctx.hand.hand;
    const auto& conn = ctx.hand.conn;
    SheetInputs in;
    in.rows = rows;
    in.ownSeatMask = hand.custom[0].seat;
    in.callerSeat = hand.g_CallerSeat;
    in.banker = hand.Zhuangjia_st;
    in.bombs = hand.BombTable;
    for (int i = 0; i < 4; ++i) {
        if (ctx.hand.form.Cash.exists(i)) {
            in.cash.at(static_cast<std::size_t>(i)) = ctx.hand.form.Cash(i).caption();
        }
    }
    in.wealthMult = conn.WealthMultiple;
    in.wealthText = conn.WealthOddsText;
    in.roundNote = conn.RoundNote;
    in.propItems = ctx.hand.plugin.Prop_ScoreItems;
    in.propGold = ctx.hand.plugin.Prop_ScoreGold;
    return in;
}

/// C2: the cards the other seats still held, face up on their card images.
void showCardsLeft(SettlementContext& ctx, const std::array<SeatResult, 4>& rows) {
    auto& hand = ctx.hand.hand;
    for (const SeatResult& row : rows) {
        const int d = displaySeat(row.seatMask, hand.custom[0].seat);
        if (d == 0) {
            continue;
        }
        auto& seat = hand.custom.at(static_cast<std::size_t>(d));
        seat.sum = static_cast<std::int16_t>(row.cardsLeft.size());
        for (std::size_t k = 0; k < row.cardsLeft.size(); ++k) {
            seat.pai.at(k).code = row.cardsLeft.at(k);
        }
        if (seat.sum >= 1) {
            hand::LayoutSeatCards(ctx.hand, d, seat.sum);
        }
    }
}

/// E: one row's hand in the history, the running total, the player's record and the labels.
void bookRow(SettlementContext& ctx, const SettledRow& row) {
    auto& hero = ctx.forms.get<Hero>();
    const auto seat = static_cast<std::size_t>(row.seat);
    double& total = ctx.state.RunningTotal.at(seat);
    const double f = row.finalScore;
    if (row.totalSign == kSignPlus) {
        hero.Grade(row.seat).addItem(amountText(f));
        total += f;
    } else {
        hero.Grade(row.seat).addItem(f == 0 ? amountText(f) : u"-"_s + amountText(f));
        total -= f;
    }
    hero.sunScore(row.seat).setCaption(amountText(total));

    auto& detail = ctx.hand.conn.Detail.at(seat);
    // The counters stop at their largest value instead of wrapping round.
    constexpr std::int32_t kMostCount = std::numeric_limits<std::int32_t>::max();
    if (row.totalSign == kSignPlus) {
        detail.wins += detail.wins < kMostCount ? 1 : 0;
        detail.coins += f;
    } else if (row.totalSign == kSignMinus) {
        detail.losses += detail.losses < kMostCount ? 1 : 0;
        detail.coins -= f;
    }
    detail.coins = std::max(detail.coins, 0.0);

    auto& form = ctx.hand.form;
    if (const auto level = LevelName(row.level); level && form.Level.exists(row.seat)) {
        form.Level(row.seat).setCaption(*level);
        form.Level(row.seat).zOrder(0);
    }
    if (form.Cash.exists(row.seat)) {
        form.Cash(row.seat).setCaption(amountText(detail.coins) +
                                       (row.coins ? u"金币"_s : u"金条"_s));
    }
}

/// F1 and F2: the hand numbered and its sheet stored.
void numberAndSave(SettlementContext& ctx, const Score& score) {
    int& juNum = ctx.hand.conn.match.juNum;
    juNum = std::min(juNum + 1, kMostHands);
    ctx.forms.get<Hero>().Num.addItem(PadRight(QString::number(juNum), kHandNumberWidth));
    ScoreSheet sheet = ReadScoreWindow(score);
    for (std::size_t i = 0; i < 4; ++i) {
        sheet.names.at(i) = ctx.hand.conn.SheetSeats.at(i).name;
        sheet.pictures.at(i) = ctx.hand.conn.SheetSeats.at(i).PicIndex;
    }
    classIniFile ini;
    ini.setINIFileName(scoreSheetPath(ctx));
    SaveScoreSheet(ini, juNum, sheet);
}

/// A record window's seat `seat` named and pictured as the sheet's seats hold it.
template <class Window>
void showSheetSeat(SettlementContext& ctx, Window& window, int seat) {
    const auto& sheetSeat = ctx.hand.conn.SheetSeats.at(static_cast<std::size_t>(seat));
    window.ID(seat).setCaption(sheetSeat.name);
    if (!sheetSeat.PicIndex.isEmpty()) {
        ShowHeadPicture(window.Tou(seat), sheetSeat.PicIndex, ctx.hand.imageRes);
    }
}

/// F4 to F6: the Score window prepared with the seats' names and faces, centred, and shown later.
void prepareScore(SettlementContext& ctx, Score& score) {
    for (int i = 0; i < 4; ++i) {
        showSheetSeat(ctx, score, i);
    }
    score.centreOverTable();
    if (!ctx.hand.table.g_bHiddenPlay) {
        ArmPostGame(ctx);
    }
}

/// F7 to F11: the continue prompt and, unless watching, the ready countdown.
void continuePrompt(SettlementContext& ctx) {
    auto& conn = ctx.hand.conn;
    const auto betweenHands = [&] {
        ctx.hand.table.AnNiuLocked[2] = false;
        conn.g_bInGame = false;
        conn.g_bTableReset = false;
    };
    conn.view->sysmsgClear(0);
    conn.view->sysmsgAdd(0, u"请点击【继续】按钮继续游戏！"_s);
    betweenHands();
    conn.view->sysmsgClear(1);
    conn.view->sysmsgAdd(1, u"游戏将在15秒内开始"_s);
    conn.g_bHoldLeft = false;
    if (conn.commandLine.g_bSpectator) {
        return;
    }
    betweenHands();
    hand::StartReadyCountdown(ctx.hand, kReadySeconds);
}

void endSound(SettlementContext& ctx, double ownGain) {
    auto& sound = ctx.hand.sound;
    if (!sound.g_bEffectOn) {
        return;
    }
    const QString wave =
        ownGain > 0 ? u"/../common/pk/sys121.wav"_s : u"/../common/pk/sys150.wav"_s;
    ctx.hand.hand.g_WavFile = ctx.hand.services.appFolder.path() + wave;
    sound.PlaySoundFile(ctx.hand.hand.g_WavFile, false);
    sound.SetSoundVolume(common::kFullVolume);
}

} // namespace

QString scoreSheetPath(const SettlementContext& ctx) {
    return QDir(ctx.hand.services.appFolder.path()).filePath(kScoreSheetFile);
}

void OpenScoreSheet(SettlementContext& ctx, int juNum) {
    Score& score = ctx.forms.get<Score>();
    classIniFile ini;
    ini.setINIFileName(scoreSheetPath(ctx));
    ShowStoredSheet(score, ini, juNum, ctx.hand.imageRes);
    score.centreOverTable();
    score.show();
}

void ScoreButton(SettlementContext& ctx) {
    Score& score = ctx.forms.get<Score>();
    if (score.visible()) {
        score.hide();
        return;
    }
    OpenScoreSheet(ctx, ctx.hand.conn.match.juNum);
}

void ShowSeatInRecords(SettlementContext& ctx, int seat) {
    showSheetSeat(ctx, ctx.forms.get<Score>(), seat);
    showSheetSeat(ctx, ctx.forms.get<Hero>(), seat);
}

void HeroButton(SettlementContext& ctx) {
    Hero& hero = ctx.forms.get<Hero>();
    if (hero.visible()) {
        hero.hide();
        return;
    }
    ctx.forms.get<Score>().hide();
    hero.centreOverTable();
    hero.show();
}

void ShowSettlement(SettlementContext& ctx) {
    if (!ctx.state.SheetPending) {
        return;
    }
    ctx.state.SheetPending = false;
    auto& hand = ctx.hand.hand;
    std::array<SeatResult, 4> rows;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        rows.at(r) = readSeatResult(ctx.state.ResultRows.at(r));
    }
    PruneBombs(hand.BombTable, rows, hand.custom[0].seat, {hand.idiyiming_st, hand.idierming_st});

    WaitMs(ctx.hand.services.time, kPauseMs);
    clearTheTable(ctx.hand.form);
    ctx.state.RoomStake = rows[0].stake;
    const Sheet sheet = BuildSheet(sheetInputs(ctx, rows));
    // The plug-in's items and gold go onto this sheet only.
    ctx.hand.plugin.Prop_ScoreItems = {};
    ctx.hand.plugin.Prop_ScoreGold = {};
    showCardsLeft(ctx, rows);
    Score& score = ctx.forms.get<Score>();
    WriteSheet(score, sheet);
    double ownGain = 0;
    for (const SettledRow& row : sheet.settled) {
        bookRow(ctx, row);
        if (row.seat == 0 && row.totalSign == kSignPlus) {
            ownGain = row.finalScore;
        }
    }

    numberAndSave(ctx, score);
    auto& conn = ctx.hand.conn;
    if (!conn.g_bPropExitDeferred) {
        conn.ResultStage = 2;
    } else if (ctx.hand.plugin.loaded()) {
        conn.propPlugin->ExitPropPlugin(0);
    }
    prepareScore(ctx, score);
    continuePrompt(ctx);
    endSound(ctx, ownGain);
}

} // namespace qv::settlement
