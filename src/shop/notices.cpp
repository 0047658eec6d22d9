#include "shop/notices.h"

#include "common/gbk.h"
#include "common/vb_text.h"
#include "connection/connection.h"
#include "shop/prize_panel.h"
#include "shop/reward_sequence.h"
#include "shop/shop_context.h"
#include "table/main_form.h"
#include "table/system_ticker.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace qv::shop {
namespace {

constexpr int kLastTextByte = 255;
constexpr int kMarqueeByte = 16;
constexpr int kModeByte = 16;
constexpr int kTextByte = 18;
constexpr int kRedByte = 9;
constexpr int kGreenByte = 10;
constexpr int kBlueByte = 11;
constexpr double kLeastOwnPrize = 1000;

enum Mode : std::int16_t {
    kPool = 1,
    kProductNotice = 5,
    kColouredLine = 6,
    kOwnPrize = 7,
    kWealthMultiple = 8,
};

const QString kProductPlaceholder = u"XX游戏XX"_s;
const QString kProductName = u"Quorvale"_s;
const QString kMarker = u"XX"_s;

void notify(ShopContext& ctx, QString text) {
    table::AddSystemMessage(ctx.form, text);
}

void poolAmount(ShopContext& ctx, const QString& text) {
    ShopState& state = ctx.state;
    const double amount = leadingNumber(text);
    if (state.NewPrizePool > 0 && amount != state.NewPrizePool) {
        state.NewPrizePool = amount;
        state.PoolRollTime = 0;
        state.RePoolWei = 0;
        state.t_RePoolWei = 0;
        state.PoolRolling = true;
        return;
    }
    state.PoolRolling = false;
    state.NewPrizePool = amount;
    StepPrizePoolRoll(ctx);
}

/// Everything after a second marker that begins after the first one ends; the text whole
/// without such a pair.
QString afterMarkers(const QString& text) {
    const qsizetype first = text.indexOf(kMarker);
    if (first < 0) {
        return text;
    }
    const qsizetype second = text.indexOf(kMarker, first + kMarker.size());
    return second < 0 ? text : text.mid(second + kMarker.size());
}

void colouredLine(ShopContext& ctx, const Notice& notice) {
    const QString text = afterMarkers(notice.text);
    if (notice.color == 0) {
        ctx.form.moveWord1.Add(text);
    } else {
        ctx.form.moveWord1.Add(text, notice.color);
    }
    notify(ctx, text);
}

/// The own prize and jade reward after a hand: "x;prize;x;jade". Missing fields read as empty,
/// and a prize too small to show leaves the pool's roll alone.
void ownPrize(ShopContext& ctx, const QString& text) {
    ShopState& state = ctx.state;
    const QStringList fields = text.split(u';');
    const auto field = [&fields](qsizetype i) {
        return i < fields.size() ? fields[i] : QString();
    };
    state.NewMyPrize = leadingNumber(field(1));
    if (state.NewMyPrize < kLeastOwnPrize) {
        state.NewMyPrize = 0;
    }
    state.JadeRewardText = field(3);
    if (leadingNumber(state.JadeRewardText) > 0) {
        ShowJadeReward(ctx);
    }
    if (state.NewMyPrize > 0) {
        state.MyPrizePending = true;
    }
}

} // namespace

QString MatchText(const connection::GameMessage& msg, int from) {
    QByteArray bytes;
    for (int at = from; at <= kLastTextByte;) {
        const std::uint8_t byte = msg.u8(at);
        if (byte == 0) {
            break;
        }
        bytes.append(static_cast<char>(byte));
        if (byte >= 0x80) {
            bytes.append(static_cast<char>(msg.u8(at + 1)));
            at += 2;
        } else {
            ++at;
        }
    }
    return fromGbkLenient(bytes);
}

std::optional<Marquee> DecodeMarquee(const connection::GameMessage& msg) {
    return Marquee{MatchText(msg, kMarqueeByte)};
}

std::optional<Notice> DecodeNotice(const connection::GameMessage& msg) {
    Notice notice;
    notice.mode = static_cast<std::int16_t>(msg.u16le(kModeByte));
    const bool skipsByte = notice.mode == kOwnPrize || notice.mode == kWealthMultiple;
    notice.text = MatchText(msg, skipsByte ? kTextByte + 1 : kTextByte);
    notice.color = msg.u8(kRedByte) + 256U * msg.u8(kGreenByte) + 65536U * msg.u8(kBlueByte);
    return notice;
}

void ApplyMarquee(ShopContext& ctx, const Marquee& marquee) {
    ctx.form.moveWord1.Add(marquee.text);
}

void ApplyNotice(ShopContext& ctx, const Notice& notice) {
    switch (notice.mode) {
    case kPool:
        poolAmount(ctx, notice.text);
        break;
    case kProductNotice:
        notify(ctx, QString(notice.text).replace(kProductPlaceholder, kProductName));
        break;
    case kColouredLine:
        colouredLine(ctx, notice);
        break;
    case kOwnPrize:
        ownPrize(ctx, notice.text);
        break;
    case kWealthMultiple:
        ctx.form.lbwealth.setCaption(notice.text);
        ctx.conn.WealthOddsText = notice.text;
        break;
    default:
        notify(ctx, notice.text);
        break;
    }
}

} // namespace qv::shop
