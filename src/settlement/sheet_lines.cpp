#include "settlement/sheet_lines.h"

#include <algorithm>
#include <cmath>
#include <functional>

using namespace Qt::StringLiterals;

namespace qv::settlement {
namespace {

constexpr int kSoloCallerFactor = 3;
constexpr int kSmallestBomb = 5;
constexpr int kLargestBomb = 12;
constexpr int kBombBase = 5;
constexpr int kFaceValue = 1;
constexpr int kCountValue = 2;
constexpr int kColourDigits = 8;
constexpr double kLargestSheetColour = 0xFFFFFF;
const QString kRule = u"-----------"_s;

const std::array<QString, 40> kLevelNames = {
    u"第一级"_s,     u"第二级"_s,     u"第三级"_s,     u"第四级"_s,     u"第五级"_s,
    u"第六级"_s,     u"第七级"_s,     u"第八级"_s,     u"第九级"_s,     u"第十级"_s,
    u"第十一级"_s,   u"第十二级"_s,   u"第十三级"_s,   u"第十四级"_s,   u"第十五级"_s,
    u"第十六级"_s,   u"第十七级"_s,   u"第十八级"_s,   u"第十九级"_s,   u"第二十级"_s,
    u"第二十一级"_s, u"第二十二级"_s, u"第二十三级"_s, u"第二十四级"_s, u"第二十五级"_s,
    u"第二十六级"_s, u"第二十七级"_s, u"第二十八级"_s, u"第二十九级"_s, u"第三十级"_s,
    u"第三十一级"_s, u"第三十二级"_s, u"第三十三级"_s, u"第三十四级"_s, u"第三十五级"_s,
    u"第三十六级"_s, u"第三十七级"_s, u"第三十八级"_s, u"第三十九级"_s, u"第四十级"_s,
};

const std::array<QString, 4> kPlaceNames = {u"第一名"_s, u"第二名"_s, u"第三名"_s, u"第四名"_s};

QString faceName(int face) {
    static const std::array<QString, 5> kCourt = {u"J"_s, u"Q"_s, u"K"_s, u"A"_s, u"2"_s};
    constexpr int kJack = 11;
    constexpr int kTwo = 15;
    if (face >= kJack && face <= kTwo) {
        return kCourt.at(static_cast<std::size_t>(face - kJack));
    }
    return QString::number(face);
}

/// "label" & v & "金币" for a plus, "label- " & v or "label " & v for a minus, "label" & zero for
/// a zero; nothing for any other sign. True when a line was written.
bool signedLine(QStringList& list, const QString& label, std::uint8_t sign, const QString& value,
                bool valueIsZero, const QString& zero) {
    switch (sign) {
    case kSignPlus:
        list.append(label + value + u"金币"_s);
        return true;
    case kSignMinus:
        list.append(label + (valueIsZero ? u" "_s : u"- "_s) + value + u"金币"_s);
        return true;
    case kSignZero:
        list.append(label + zero);
        return true;
    default:
        return false;
    }
}

void placeLines(QStringList& list, const SeatResult& row) {
    if (row.place >= 1 && row.place <= kPlaceNames.size()) {
        list.append(u"名次："_s + kPlaceNames.at(row.place - 1U));
        list.append(kRule);
    }
}

void placeScoreLine(QStringList& list, const SeatResult& row, std::uint32_t stake,
                    std::int32_t callerSeat) {
    std::int64_t score = static_cast<std::int64_t>(row.placeFactor) * stake;
    if (row.seatMask == callerSeat && row.solo) {
        score *= kSoloCallerFactor;
    }
    if (signedLine(list, u"名次得分："_s, row.placeSign, QString::number(score), score == 0,
                   u"0"_s)) {
        list.append(kRule);
    }
}

void bombLines(QStringList& list, const SheetInputs& in, const SeatResult& row, int d,
               std::uint32_t stake) {
    const int q = row.solo ? -1 : displaySeat(row.partnerMask, in.ownSeatMask);
    std::function<bool(int)> ownSide;
    if (!row.solo) {
        ownSide = [d, q](int seat) {
            return seat == d || seat == q;
        };
    } else if (d == in.banker) {
        ownSide = [d](int seat) {
            return seat == d;
        };
    } else {
        ownSide = [&in](int seat) {
            return seat != in.banker;
        };
    }
    bool written = false;
    for (const bool plus : {true, false}) {
        for (int seat = 0; seat < 4; ++seat) {
            if (ownSide(seat) != plus) {
                continue;
            }
            const BombRow& bombs = in.bombs.at(static_cast<std::size_t>(seat));
            const int values = bombValues(bombs);
            written = written || values > 0;
            for (int k = 0; k < values; k += kBombRecord) {
                const int face = bombs.at(static_cast<std::size_t>(k + kFaceValue));
                const int count = bombs.at(static_cast<std::size_t>(k + kCountValue));
                if (count < kSmallestBomb || count > kLargestBomb) {
                    continue;
                }
                const std::int64_t value =
                    static_cast<std::int64_t>(kBombBase << (count - kSmallestBomb)) * stake;
                list.append(QString::number(count) + u"个"_s + faceName(face) +
                            (plus ? u"  +"_s : u"  -"_s) + QString::number(value));
            }
        }
    }
    if (written) {
        list.append(kRule);
    }
}

void wealthLines(QStringList& list, const SheetInputs& in, const SeatResult& row) {
    if (in.wealthMult == 0) {
        return;
    }
    const QString v = amountText(row.subtotal);
    if (row.subtotalSign == kSignPlus) {
        list.append(u"小计：+"_s + v + u"金币"_s);
    } else if (row.subtotalSign == kSignMinus) {
        list.append(u"小计：-"_s + v + u"金币"_s);
    } else {
        list.append(u"小计：0"_s);
    }
    list.append(u"财富加倍 ×"_s + in.wealthText);
}

void closingBlock(QStringList& list, const SheetInputs& in, const SeatResult& row) {
    if (!row.closingBlock) {
        return;
    }
    const QString f = amountText(row.finalScore);
    if (row.totalSign == kSignPlus) {
        list.append({QString(), in.roundNote, QString(), u"总分："_s + f + u"金币"_s});
    } else {
        list.append({QString(), QString(), QString()});
        list.append(u"总分："_s + (row.finalScore == 0 ? u" "_s : u"- "_s) + f + u"金币"_s);
    }
}

/// The sheet's column of the row's seat, and its final score.
SettledRow rowLines(Sheet& sheet, const SheetInputs& in, const SeatResult& row,
                    std::uint32_t stake) {
    const int d = displaySeat(row.seatMask, in.ownSeatMask);
    const auto seat = static_cast<std::size_t>(d);
    sheet.nameColours.at(seat) = row.totalSign == kSignPlus ? kNameBlue : forms::OleColor{0};
    QStringList& list = sheet.lists.at(seat);
    list.append(QString());
    placeLines(list, row);
    placeScoreLine(list, row, stake, in.callerSeat);
    bombLines(list, in, row, d, stake);
    const QString bombTotal = amountText(row.bombTotal);
    if (signedLine(list, u"炸总得分："_s, row.bombSign, bombTotal, row.bombTotal == 0, u"0"_s)) {
        list.append(kRule);
    }
    wealthLines(list, in, row);
    list.append(row.capped ? u"封顶"_s : QString());
    const QString total = amountText(row.total);
    if (signedLine(list, u"总分："_s, row.totalSign, total, row.total == 0, u" 0"_s)) {
        list.append(kRule);
    }
    closingBlock(list, in, row);

    double finalScore = row.finalScore;
    QStringList& finalList = sheet.lists.at(seat + 4);
    if (row.totalSign == kSignPlus) {
        finalScore += in.propGold.at(seat);
        finalList.append(u"最终分："_s + amountText(finalScore) + u"金币"_s);
    } else {
        finalList.append(u"最终分："_s + (finalScore == 0 ? u" "_s : u"- "_s) +
                         amountText(finalScore) + u"金币"_s);
    }
    return {d, finalScore, row.totalSign, row.level, row.coins};
}

/// The plug-in's lines of each seat: every part of its text, a colour of eight digits at the end
/// cut off and given to the whole column; then the columns are evened out.
void pluginLines(Sheet& sheet, const SheetInputs& in) {
    std::array<int, 4> lineCount{};
    double colour = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        sheet.listColours.at(i) = 0;
        if (in.propItems.at(i).isEmpty()) {
            continue;
        }
        const QStringList parts = in.propItems.at(i).split(u'|');
        for (QString part : parts) {
            bool isNumber = false;
            const double read = part.right(kColourDigits).trimmed().toDouble(&isNumber);
            if (isNumber && std::isfinite(read)) {
                colour = read;
            }
            if (colour >= 0 && colour <= kLargestSheetColour) {
                sheet.listColours.at(i) = static_cast<forms::OleColor>(std::lrint(colour));
            }
            if (part.size() >= kColourDigits) {
                part.chop(kColourDigits);
            }
            sheet.lists.at(i).append(part);
        }
        lineCount.at(i) = static_cast<int>(parts.size()) + 1;
        sheet.lists.at(i).append(QString());
    }
    const int most = *std::max_element(lineCount.begin(), lineCount.end());
    for (std::size_t i = 0; i < 4; ++i) {
        for (int n = lineCount.at(i); n < most; ++n) {
            sheet.lists.at(i).append(QString());
        }
    }
}

} // namespace

QString amountText(double amount) {
    return QString::number(amount, 'f', 0);
}

std::optional<QString> LevelName(int level) {
    if (level < 1 || level > static_cast<int>(kLevelNames.size())) {
        return std::nullopt;
    }
    return kLevelNames.at(static_cast<std::size_t>(level - 1));
}

Sheet BuildSheet(const SheetInputs& in) {
    Sheet sheet;
    const std::uint32_t stake = in.rows[0].stake;
    for (std::size_t i = 0; i < 4; ++i) {
        sheet.lists.at(i).append(u"初始："_s + in.cash.at(i));
        sheet.lists.at(i).append(u"房间底金："_s + QString::number(stake) + u"金币"_s);
    }
    for (std::size_t r = 0; r < in.rows.size(); ++r) {
        sheet.settled.at(r) = rowLines(sheet, in, in.rows.at(r), stake);
    }
    pluginLines(sheet, in);
    return sheet;
}

} // namespace qv::settlement
