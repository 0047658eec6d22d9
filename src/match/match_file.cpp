#include "match/match_file.h"

#include "common/gbk.h"
#include "common/vb_text.h"

#include <QFile>
#include <QRegularExpression>

#include <cmath>
#include <limits>
#include <optional>
#include <pugixml.hpp>

namespace qv::match {
namespace {

const QString kGold = QStringLiteral("金币");

/// A definition's or entry's attribute that the file must have.
struct Malformed {};

QString attribute(const pugi::xml_node& node, const char* name) {
    const pugi::xml_attribute a = node.attribute(name);
    if (!a) {
        throw Malformed{};
    }
    return QString::fromUtf8(a.value());
}

/// The leading number of a text rounded half to even, within the integer type's range.
template <typename Int>
Int roundedNumber(const QString& text) {
    const double value = std::nearbyint(leadingNumber(text));
    if (!(value >= std::numeric_limits<Int>::min() && value <= std::numeric_limits<Int>::max())) {
        throw Malformed{};
    }
    return static_cast<Int>(value);
}

/// A count attribute: 0 to 32767.
int count(const pugi::xml_node& node) {
    const auto n = roundedNumber<std::int16_t>(attribute(node, "n"));
    if (n < 0) {
        throw Malformed{};
    }
    return n;
}

std::string childName(const char* stem, int k) {
    return stem + std::to_string(k);
}

FromOne<SortEntry> roomChips(const pugi::xml_node& roomChip) {
    const int n = count(roomChip);
    FromOne<SortEntry> chips;
    for (int k = 1; k <= n; ++k) {
        const pugi::xml_node entry = roomChip.child(childName("roomchipnum", k).c_str());
        chips.push_back(entry ? SortEntry{attribute(entry, "id"),
                                          roundedNumber<std::int32_t>(attribute(entry, "num"))}
                              : SortEntry{});
    }
    return chips;
}

MatchDef definition(const pugi::xml_node& m) {
    MatchDef d;
    d.MId = roundedNumber<std::int32_t>(attribute(m, "id"));
    d.MName = attribute(m, "na");
    d.rm = attribute(m, "rm");
    bool ok = false;
    d.mtype = attribute(m, "mtype").trimmed().toShort(&ok);
    if (!ok) {
        throw Malformed{};
    }
    d.ex = attribute(m, "ex");
    d.FeeText = FeeText(d.ex);
    d.ut = roundedNumber<std::int32_t>(attribute(m, "ut"));
    d.utl = roundedNumber<std::int32_t>(attribute(m, "utl"));
    d.des = attribute(m, "des");
    d.rl = attribute(m, "rl");
    d.pz = attribute(m, "pz");
    if (d.pz.isEmpty()) {
        throw Malformed{};
    }
    d.PrizeTable = PrizeTable(d.pz);
    return d;
}

/// The file's bytes as UTF-8 when it declares a Chinese national encoding; as they are
/// otherwise, for the parser to read by their declaration.
std::optional<QByteArray> utf8Bytes(const QByteArray& bytes, bool& converted) {
    static const QRegularExpression declaration(
        QStringLiteral(R"(^\s*<\?xml[^>]*encoding\s*=\s*["']([^"']*)["'])"));
    const QString head = QString::fromLatin1(bytes.left(200));
    const QString encoding = declaration.match(head).captured(1).toLower();
    converted = encoding == u"gbk" || encoding == u"gb2312" || encoding == u"gb18030";
    return converted ? gb18030ToUtf8(bytes) : std::optional(bytes);
}

} // namespace

QString FeeText(const QString& ex) {
    QString text;
    for (const QString& raw : ex.split(u';')) {
        const QString part = vbTrim(raw);
        if (part.isEmpty()) {
            break;
        }
        const QStringList item = part.split(u':');
        if (item.size() != 2) {
            break;
        }
        // Goods would be named from the goods catalogue, which nothing fills.
        if (item[0] == u"g") {
            text += (text.isEmpty() ? QString() : QStringLiteral("+")) + item[1] + kGold;
        }
    }
    return text;
}

MatchPrizeTable PrizeTable(const QString& pz) {
    const QStringList pieces = pz.split(u'|');
    MatchPrizeTable table(static_cast<std::size_t>(pieces.size()));
    for (qsizetype j = 0; j < pieces.size(); ++j) {
        const QString piece = vbTrim(pieces[j]);
        if (piece.isEmpty()) {
            break;
        }
        const QStringList parts = piece.split(u';');
        if (parts.size() < 2 || parts[0].isEmpty()) {
            break;
        }
        PrizeLine& line = table[static_cast<std::size_t>(j)];
        line[0] = QStringLiteral("第") + parts[0] + QStringLiteral("名");
        if (parts[1].isEmpty()) {
            break;
        }
        for (qsizetype p = 1; p < parts.size(); ++p) {
            const QStringList item = parts[p].split(u':');
            if (item.size() != 2) {
                break;
            }
            if (!(leadingNumber(item[1]) > 0)) {
                continue;
            }
            const QString plus = line[1].isEmpty() ? QString() : QStringLiteral("+");
            if (item[0] == u"g") {
                line[1] += plus + item[1] + kGold;
            } else if (leadingNumber(item[0]) == 1.0) {
                line[1] += plus + QStringLiteral("翡翠奖励×") + item[1];
                line[2] = item[1];
            }
        }
    }
    return table;
}

bool ReadMatchConfig(MatchState& state, const QByteArray& bytes) {
    state.AllMatch.clear();
    bool converted = false;
    const std::optional<QByteArray> utf8 = utf8Bytes(bytes, converted);
    if (!utf8) {
        return false;
    }
    pugi::xml_document doc;
    const pugi::xml_parse_result parsed =
        doc.load_buffer(utf8->constData(), static_cast<std::size_t>(utf8->size()),
                        pugi::parse_default, converted ? pugi::encoding_utf8 : pugi::encoding_auto);
    const pugi::xml_node root = doc.document_element();
    if (!parsed || !root) {
        return false;
    }
    try {
        if (const pugi::xml_node roomChip = root.child("room_chip")) {
            state.RoomChips = roomChips(roomChip);
        }
        const pugi::xml_node info = root.child("matchinfo");
        if (!info) {
            return false;
        }
        const int n = count(info);
        if (n == 0) {
            return false;
        }
        FromOne<MatchDef> all;
        for (int k = 1; k <= n; ++k) {
            const pugi::xml_node m = info.child(childName("m", k).c_str());
            if (!m) {
                return false;
            }
            all.push_back(definition(m));
        }
        state.AllMatch = std::move(all);
        return true;
    } catch (const Malformed&) {
        return false;
    }
}

bool GetAllMatch(MatchState& state, const QString& folder) {
    state.AllMatch.clear();
    const QString name = vbTrim(state.MatchFileName);
    if (name.isEmpty()) {
        return false;
    }
    QFile file(folder + u'/' + name);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    return ReadMatchConfig(state, file.readAll());
}

} // namespace qv::match
