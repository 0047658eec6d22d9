#include "shop/winners.h"

#include "common/gbk.h"
#include "common/picture_resources.h"
#include "common/vb_text.h"
#include "connection/commands.h"
#include "connection/connection.h"
#include "connection/server_text.h"
#include "forms/color.h"
#include "shop/shop_context.h"
#include "table/main_form.h"

#include <QDateTime>

#include <cmath>

using namespace Qt::StringLiterals;

namespace qv::shop {
namespace {

constexpr int kRows = 9;
constexpr int kBigPrizeSlots = 3;
constexpr std::uint8_t kListKind = 4;
constexpr std::uint8_t kRefreshWanted = 255;
constexpr std::uint8_t kNeverBig = 255;
constexpr int kFirstRecordByte = 19;
constexpr int kRecordBytes = 56;
constexpr int kPrizeItemBytes = 6;
constexpr int kRemarkByte = 24;
constexpr int kRemarkEnd = 48;
constexpr int kLastOneByteRemark = 45;
constexpr int kLastTwoByteRemark = 44;
constexpr int kUtcPlus8Seconds = 8 * 3600;

/// The colours of rows 1 to 3 and of the rest, blue in the high byte.
constexpr std::array<forms::OleColor, 4> SortColors{0x00E5FF, 0x00FF03, 0xFFFE00, 0xFFFFFF};

std::int32_t s32(const connection::GameMessage& msg, int at) {
    return static_cast<std::int32_t>(msg.u32le(at));
}

/// The remark field cut so that at most 22 of its bytes show, "..." marking the cut.
QString remark(const connection::GameMessage& msg, int record) {
    QByteArray bytes;
    for (int at = record + kRemarkByte; at < record + kRemarkEnd;) {
        const std::uint8_t byte = msg.u8(at);
        if (byte == 0) {
            return fromGbkLenient(bytes);
        }
        const bool twoBytes = byte >= 0x80;
        const int offset = at - record;
        if (offset > (twoBytes ? kLastTwoByteRemark : kLastOneByteRemark)) {
            return fromGbkLenient(bytes) + u"..."_s;
        }
        bytes.append(static_cast<char>(byte));
        if (twoBytes) {
            bytes.append(static_cast<char>(msg.u8(at + 1)));
        }
        at += twoBytes ? 2 : 1;
    }
    return fromGbkLenient(bytes);
}

PrizeRecord decodeRecord(const connection::GameMessage& msg, int at, std::uint8_t items) {
    PrizeRecord rec;
    rec.RecordId = s32(msg, at);
    rec.Nickname = connection::MixedText(msg, at + 4, 16);
    rec.WinTime = s32(msg, at + 20);
    rec.Remark = remark(msg, at);
    rec.Value16 = static_cast<std::int16_t>(msg.u16le(at + 48));
    rec.Value32 = s32(msg, at + 50);
    rec.ItemCount = items;
    for (int k = 0; k < items; ++k) {
        const int item = at + 55 + kPrizeItemBytes * k;
        rec.ItemIds.push_back(static_cast<std::int16_t>(msg.u16le(item)));
        rec.ItemCounts.push_back(s32(msg, item + 2));
    }
    rec.PrizeKind = msg.u8(at + 55 + kPrizeItemBytes * items);
    return rec;
}

bool bigCandidate(const PrizeRecord& rec) {
    return rec.PrizeKind != kNeverBig && rec.RecordId > 0;
}

void placeBig(ShopState& state, const PrizeRecord& candidate) {
    for (int j = 1; j <= kBigPrizeSlots; ++j) {
        PrizeRecord& slot = state.BigPrizes.at(static_cast<std::size_t>(j));
        if (slot.RecordId == candidate.RecordId) {
            return;
        }
        if (slot.RecordId < candidate.RecordId &&
            (slot.RecordId == 0 || slot.PrizeKind == candidate.PrizeKind)) {
            slot = candidate;
            return;
        }
    }
}

QString winTimeText(std::int32_t seconds) {
    const QDateTime at =
        QDateTime::fromSecsSinceEpoch(static_cast<qint64>(seconds) + kUtcPlus8Seconds, Qt::UTC);
    return at.toString(u"MM-dd HH:mm"_s);
}

const PrizeRecord& shownRecord(const ShopState& state, int row) {
    if (row + state.BigPrizeCount > kRows) {
        return state.BigPrizes.at(static_cast<std::size_t>(row - kRows + state.BigPrizeCount));
    }
    return state.PrizeList.at(static_cast<std::size_t>(row));
}

} // namespace

std::optional<PrizeListReply> DecodePrizeList(const connection::GameMessage& msg) {
    if (msg.u8(16) != kListKind) {
        return std::nullopt;
    }
    PrizeListReply reply;
    reply.refresh = msg.u8(17) == kRefreshWanted;
    const int count = msg.u8(18);
    int at = kFirstRecordByte;
    for (int n = 0; n < count; ++n) {
        if (at + kRecordBytes > connection::kMessageSize) {
            break;
        }
        const std::uint8_t items = msg.u8(at + 54);
        const int size = kRecordBytes + kPrizeItemBytes * items;
        if (at + size > connection::kMessageSize) {
            break;
        }
        PrizeRecord rec = decodeRecord(msg, at, items);
        if (rec.RecordId > 0) {
            reply.records.push_back(std::move(rec));
        }
        at += size;
    }
    return reply;
}

void InsertPrizeRecord(ShopState& state, const PrizeRecord& rec) {
    auto& rows = state.PrizeList;
    const int bigCount = state.BigPrizeCount;
    std::optional<PrizeRecord> candidate;
    bool inserted = false;
    for (int i = 1; i <= kRows; ++i) {
        const auto row = static_cast<std::size_t>(i);
        if (rows[row].RecordId == rec.RecordId) {
            return;
        }
        if (rows[row].RecordId < rec.RecordId) {
            for (int a = kRows; a >= i + 1; --a) {
                const auto to = static_cast<std::size_t>(a);
                if (rows[to - 1].RecordId > 0) {
                    if (a == kRows - bigCount) {
                        candidate = rows[to];
                    }
                    rows[to] = rows[to - 1];
                }
            }
            rows[row] = rec;
            inserted = true;
            break;
        }
    }
    if (!inserted) {
        candidate = rec;
    }
    if (!candidate || !bigCandidate(*candidate)) {
        return;
    }
    placeBig(state, *candidate);
    state.BigPrizeCount = static_cast<std::int16_t>(
        std::count_if(state.BigPrizes.begin() + 1, state.BigPrizes.end(),
                      [](const PrizeRecord& slot) { return slot.RecordId > 0; }));
    if (!inserted && state.BigPrizeCount > 0) {
        const PrizeRecord& second =
            rows.at(static_cast<std::size_t>(kRows + 1 - state.BigPrizeCount));
        if (bigCandidate(second)) {
            placeBig(state, second);
        }
    }
}

void OnPrizeListMessage(ShopContext& ctx, const PrizeListReply& reply) {
    if (reply.refresh) {
        ctx.state.prizeNeedUpdate = true;
    }
    for (const PrizeRecord& rec : reply.records) {
        InsertPrizeRecord(ctx.state, rec);
    }
    if (ctx.form.Pic_prizesort.visible()) {
        DrawPrizeList(ctx);
    }
}

void Send94(ShopContext& ctx, std::int32_t id) {
    connection::GameMessage msg;
    msg.setCommand(connection::MsgPrizeList);
    msg.setU32le(16, static_cast<std::uint32_t>(id));
    connection::QueueMatchFrame(ctx.conn, msg);
}

QString FormatPrizeItems(const Goods& goods, const PrizeRecord& rec) {
    QString text;
    for (std::size_t i = 0; i < rec.ItemIds.size() && i <= rec.ItemCount; ++i) {
        const int g = FindGoodsIndex(goods, rec.ItemIds[i]);
        if (g > 0) {
            const GoodsInfoEntry& entry = goods.GoodsInfo.at(static_cast<std::size_t>(g));
            text += entry.name + QString::number(rec.ItemCounts.at(i)) + entry.unit + u' ';
        }
    }
    return text;
}

std::vector<PrizeRow> ShownPrizeRows(const ShopState& state) {
    std::vector<PrizeRow> rows;
    for (int r = 1; r <= kRows; ++r) {
        if (state.PrizeList.at(static_cast<std::size_t>(r)).RecordId < 1) {
            break;
        }
        const PrizeRecord& rec = shownRecord(state, r);
        rows.push_back({winTimeText(rec.WinTime), rec.Remark, rec.Nickname,
                        QString::number(rec.Value32), FormatPrizeItems(state.goods, rec),
                        QString::number(rec.Value16)});
    }
    return rows;
}

void DrawPrizeList(ShopContext& ctx) {
    forms::PictureBox& box = ctx.form.Pic_prizesort;
    const ShopState& state = ctx.state;
    box.cls();
    const std::vector<PrizeRow> rows = ShownPrizeRows(state);
    if (rows.empty()) {
        box.refresh();
        return;
    }
    box.setScaleMode(forms::ScaleMode::Pixels);
    box.scale(0, 0, box.scaleWidth(), box.scaleHeight());
    box.setFontName(u"宋体"_s);
    box.setFontSize(10);
    box.setAutoRedraw(true);
    std::array<double, 6> centres{};
    centres[0] = state.PrizeListLeft;
    for (std::size_t k = 1; k < centres.size(); ++k) {
        centres[k] = centres[k - 1] + state.PrizeColWidths.at(k - 1);
    }
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const int row = static_cast<int>(r) + 1;
        box.setForeColor(SortColors.at(static_cast<std::size_t>(std::min(row - 1, 3))));
        const double top = state.PrizeRowHeight * (row + 1) + state.PrizeListTop +
                           (state.PrizeRowHeight - 28) / 2.0 + 3;
        for (std::size_t k = 0; k < centres.size(); ++k) {
            box.setCurrentX(centres[k] - std::round(box.textWidth(rows[r][k])) / 2);
            box.setCurrentY(top);
            box.print(rows[r][k]);
        }
    }
    box.refresh();
}

void bt_prizesort_Click(ShopContext& ctx) {
    ShopState& state = ctx.state;
    forms::PictureBox& box = ctx.form.Pic_prizesort;
    if (box.visible()) {
        box.setVisible(false);
        return;
    }
    if (state.PrizeListFirstOpen) {
        Send94(ctx, 0);
        state.PrizeListFirstOpen = false;
    } else if (state.prizeNeedUpdate || state.PrizeList[1].RecordId == 0) {
        Send94(ctx, state.PrizeList[1].RecordId);
    }
    state.prizeNeedUpdate = false;
    DrawPrizeList(ctx);
    box.setVisible(true);
    box.zOrder(0);
}

void bt_prizesort_MouseMove(ShopContext& ctx) {
    forms::Image& button = ctx.form.bt_prizesort;
    if (leadingNumber(button.tag()) != 1) {
        button.setTag(u"1"_s);
        common::LoadGifResCopy(582, u"GIF"_s, button);
    }
}

void Pic_prizesort_KeyDown(ShopContext& ctx, int keyCode) {
    if (keyCode == forms::key::kEscape && ctx.form.Pic_prizesort.visible()) {
        ctx.form.Pic_prizesort.setVisible(false);
    }
}

} // namespace qv::shop
