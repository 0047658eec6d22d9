#include "match/match_clock.h"

#include "common/picture_resources.h"
#include "connection/connection.h"
#include "match/match_screen.h"
#include "match/match_senders.h"
#include "match/time_texts.h"
#include "table/main_form.h"

#include <algorithm>

namespace qv::match {
namespace {

constexpr std::uint32_t kSecondMs = 1000;
constexpr std::uint32_t kRefreshHoldMs = 15500;
constexpr std::uint32_t kCaptionMs = 14500;
constexpr std::uint32_t kTimeRequestMs = 180000;
constexpr int kRowsPerPage = 5;
constexpr int kDetailFontSize = 18;
constexpr forms::OleColor kWhite = 0xFFFFFF;
const QString kFinished = QStringLiteral("已结束");
const QString kSignedUp = QStringLiteral("人已报名");

/// Whole minutes, rounded up, of at least one second.
std::int64_t minutesUp(std::int64_t seconds) {
    constexpr std::int64_t kMinute = 60;
    return (std::max<std::int64_t>(seconds, 1) + kMinute - 1) / kMinute;
}

/// The tournament table's labels for a signed-up row.
void tableLabels(table::MainForm& form, const CurMatchRec& row) {
    if (row.RunState == 1) {
        form.lbl_matchtime.setCaption(QString());
        form.lbl_matchtime.setVisible(false);
        form.lbl_matchinfo(0).setCaption(SecondsToTimeStr(row.LeftSecs));
        form.lbl_matchinfo(1).setCaption(QString::number(row.SignUpNum));
    } else if (row.RunState == 0 || row.RunState == 2) {
        form.lbl_matchtime.setVisible(true);
        form.lbl_matchinfo(0).setCaption(QString());
        form.lbl_matchinfo(1).setCaption(row.RunState == 0 ? QString::number(row.SignUpNum)
                                                           : QString());
    }
}

std::vector<QString> captionsFor(const MatchState& s, std::int64_t now) {
    const QString head = QStringLiteral("Quorvale.");
    const auto signedUp = [](const CurMatchRec& r) {
        return r.CPstate == 1;
    };
    const auto playing = std::find_if(s.CurMatch.begin(), s.CurMatch.end(), [&](const auto& r) {
        return signedUp(r) && r.RunState == 1;
    });
    if (playing != s.CurMatch.end()) {
        const CurMatchRec& r = *playing;
        const std::int64_t left = r.Duration - (now - r.StratTime.seconds);
        return {head, QString::number(r.RunScore, 'g', 15) + QStringLiteral("积分"),
                r.Place != 0 ? QStringLiteral("第") + QString::number(r.Place) + u'名'
                             : QStringLiteral("无排名"),
                QStringLiteral("剩") + QString::number(minutesUp(left)) + QStringLiteral("分结束"),
                QStringLiteral("点击查看排名")};
    }
    const auto waiting = std::find_if(s.CurMatch.begin(), s.CurMatch.end(), signedUp);
    if (waiting != s.CurMatch.end()) {
        const CurMatchRec& r = *waiting;
        return {head, QString::number(r.SignUpNum) + kSignedUp,
                QStringLiteral("剩") + QString::number(minutesUp(r.StratTime.seconds - now)) +
                    QStringLiteral("分开始"),
                QStringLiteral("点击查看详细")};
    }
    QString reward;
    if (!s.AllMatch.empty() && !s.AllMatch.at(1).PrizeTable.empty()) {
        reward = s.AllMatch.at(1).PrizeTable.front()[1];
    }
    constexpr int kRewardChars = 5;
    return {head,
            reward.trimmed().isEmpty() ? QStringLiteral("奖励丰富")
                                       : reward.left(kRewardChars) + QStringLiteral("..."),
            QStringLiteral("点击报名")};
}

void rotateCaptions(MatchContext& ctx, std::uint32_t now, std::int64_t nowSecs) {
    MatchState& s = ctx.state;
    controls::inode_pic& button = ctx.form.ImgShowMatch;
    std::vector<QString> captions = captionsFor(s, nowSecs);
    const bool fresh = captions.size() != s.MatchCaptions.size();
    if (fresh || captions.size() != 3) {
        s.MatchCaptions = std::move(captions);
    }
    if (fresh) {
        button.setTag(QStringLiteral("0"));
        s.CaptionTick = now;
    } else if (now - s.CaptionTick >= kCaptionMs) {
        s.CaptionTick = now;
    } else {
        return;
    }
    const auto count = static_cast<int>(s.MatchCaptions.size());
    const int next = std::clamp(TagNumber(button), 0, count - 1);
    button.setICaption(s.MatchCaptions[static_cast<std::size_t>(next)]);
    button.setTag(QString::number((next + 1) % count));
}

void rankingCountdown(MatchContext& ctx, std::int64_t now) {
    MatchState& s = ctx.state;
    const int i = GetCurMatchIndex(s, TagNumber(ctx.form.ListSort));
    if (i == 0) {
        return;
    }
    CurMatchRec& r = s.CurMatch.at(i);
    forms::Label& label = ctx.form.LblSortInfo(3);
    const auto hide = [&label] {
        label.setCaption(QString());
        label.setVisible(false);
    };
    if (r.StratTime.isEmpty() && !r.LStratTime.isEmpty() && r.CLastFlg) {
        hide();
        return;
    }
    if (r.StratTime.isEmpty() || r.RunState != 1) {
        return;
    }
    const std::int64_t e = now - r.StratTime.seconds;
    if (e < 0 || e > r.Duration) {
        hide();
        return;
    }
    r.LeftSecs = std::max<std::int32_t>(static_cast<std::int32_t>(r.Duration - e), 1);
    label.setCaption(QStringLiteral("还有") + TimeNumToStr(r.LeftSecs, false));
    label.setVisible(true);
}

/// The countdowns of the list page on screen; false when the page has no rows.
bool pageCountdowns(MatchContext& ctx, int page, std::int64_t now) {
    MatchState& s = ctx.state;
    table::MainForm& form = ctx.form;
    const int first = (page - 1) * kRowsPerPage + 1;
    if (first > s.CurMatchShow.size()) {
        return false;
    }
    for (int k = 0; k < kRowsPerPage && first + k <= s.CurMatchShow.size(); ++k) {
        if (!form.ImgMatch.exists(k) || !form.LblMathLeft.exists(k) || !form.LblMathNum.exists(k)) {
            break;
        }
        CurMatchRec& row = s.CurMatchShow.at(first + k);
        forms::Label& left = form.LblMathLeft(k);
        forms::Label& number = form.LblMathNum(k);
        if (row.CLastFlg || !form.ImgMatch(k).visible() || row.StratTime.isEmpty()) {
            if (row.CLastFlg || left.caption() != kFinished) {
                left.setCaption(kFinished);
                number.setCaption(QString());
            }
            continue;
        }
        row.LeftSecs = CountdownValue(row, now);
        const QString time = TimeNumToStr(row.LeftSecs, false);
        if (row.RunState == 1) {
            left.setCaption(QStringLiteral("距离结束时间：") + time);
            number.setCaption(QString::number(row.SignUpNum) + kSignedUp);
        } else if (row.RunState == 0 || row.RunState == 2) {
            left.setCaption(QStringLiteral("距离开赛时间：") + time);
            number.setCaption(row.RunState == 0 ? QString::number(row.SignUpNum) + kSignedUp
                                                : QString());
        } else {
            left.setCaption(QString());
            number.setCaption(QString());
            continue;
        }
        const bool shown = form.LblShowName.caption() == RowCaption(s, row) &&
                           form.LblShowInfo(0).caption() == row.StratTime.text;
        if (shown && row.RunState == 1) {
            forms::Label& detail = form.LblShowLeftTime;
            detail.setVisible(true);
            if (detail.fontSize() != kDetailFontSize) {
                detail.setFontSize(kDetailFontSize);
                detail.setForeColor(kWhite);
            }
            detail.setCaption(QStringLiteral("剩余时间：") + time);
        }
    }
    return true;
}

} // namespace

std::int32_t CountdownValue(const CurMatchRec& run, std::int64_t now) {
    constexpr std::int32_t kPast = 3;
    const std::int64_t e = now - run.StratTime.seconds;
    const std::int64_t d = run.Duration;
    std::int64_t value = 0;
    if (run.RunState == 0) {
        value = e > 0 ? kPast : -e;
    } else if (run.RunState == 1) {
        value = e >= 0 && e <= d ? d - e : kPast;
    } else {
        value = e < 0 ? -e : (e > d ? e - d : d - e);
    }
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(value, 0, std::numeric_limits<std::int32_t>::max()));
}

void MsgServerTime(MatchContext& ctx, std::int64_t serverTime) {
    MatchState& s = ctx.state;
    if (!s.g_bMatchDownloading && !s.g_bMatchOn) {
        return;
    }
    s.ServerTime = serverTime;
    s.ServerTimeTick = s.ClockTick = Now(ctx);
    s.TimeRequestTick = 0;
}

void MatchTimerTick(MatchContext& ctx) {
    MatchState& s = ctx.state;
    if (!s.g_bMatchListShown || s.ServerTime == 0 || s.ServerTimeTick == 0 ||
        !ctx.conn.g_bLoggedIn) {
        return;
    }
    const std::uint32_t now = Now(ctx);
    const std::uint32_t elapsed = now - s.ClockTick;
    const bool firstStep = s.ClockTick == s.ServerTimeTick;
    if (!firstStep && elapsed < kSecondMs) {
        return;
    }
    // Only whole seconds move the clock; the rest of a second counts towards the next step.
    s.ServerTime += elapsed / kSecondMs;
    s.ClockTick = firstStep ? now : s.ClockTick + elapsed / kSecondMs * kSecondMs;
    table::MainForm& form = ctx.form;
    form.LblServerTime.setCaption(ServerTimeText(s.ServerTime));
    const std::int64_t nowSecs = s.ServerTime;

    if (s.SortRefreshTick > 0 && now - s.SortRefreshTick >= kRefreshHoldMs) {
        s.SortRefreshTick = 0;
        if (form.Pic_sortDetail.visible() && form.ImgRefresh.visible() &&
            !form.ImgRefresh.enabled()) {
            form.ImgRefresh.setTag(QStringLiteral("0"));
            common::LoadGifRes(kRefreshPicture, QStringLiteral("GIF"), form.ImgRefresh);
            form.ImgRefresh.setEnabled(true);
        }
    }
    if (s.AutoSignUpWindow > 0) {
        for (CurMatchRec& r : s.CurMatch) {
            if (r.StratTime.isEmpty() || r.CPstate != 0 || r.RunState != 0 || r.SignTick != 0) {
                continue;
            }
            const std::int64_t toStart = r.StratTime.seconds - nowSecs;
            if (toStart > 0 && toStart <= s.AutoSignUpWindow) {
                SendSignUp(ctx.conn, r.CId);
                r.SignTick = now;
            }
        }
    }
    for (CurMatchRec& row : s.CurMatchShow) {
        if (row.StratTime.isEmpty() || row.CLastFlg) {
            continue;
        }
        row.LeftSecs = CountdownValue(row, nowSecs);
        if (row.CPstate == 1) {
            tableLabels(form, row);
        }
    }
    if (form.ImgShowMatch.enabled()) {
        rotateCaptions(ctx, now, nowSecs);
    }
    if (form.Pic_sortDetail.visible()) {
        rankingCountdown(ctx, nowSecs);
        return;
    }
    const int page = TagNumber(form.Pic_matchDetail);
    if (!form.Pic_matchDetail.visible() || page < 1 || !pageCountdowns(ctx, page, nowSecs)) {
        return;
    }
    if (now - s.ServerTimeTick > kTimeRequestMs && s.TimeRequestTick == 0) {
        SendTimeRequest(ctx.conn, s);
    }
}

} // namespace qv::match
