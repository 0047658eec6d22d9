#include "shop_messages.h"

#include "common/gbk.h"
#include "connection/commands.h"

#include <QFile>
#include <QStringList>

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace qv::tools::table {
namespace {

constexpr int kItemsPerList = 42;
constexpr int kRecordBytes = 56;
constexpr int kItemBytes = 6;
constexpr int kFirstRecordByte = 19;
constexpr std::uint8_t kWinnersKind = 4;
constexpr std::uint8_t kAskAgain = 255;

GameMessage shopMessage(std::uint8_t command) {
    GameMessage message;
    message.setCommand(command);
    return message;
}

/// The text's GBK bytes from `at`, cut to the field and always leaving a zero after them.
void writeField(GameMessage& message, int at, int bytes, const QString& text) {
    message.writeBytes(at, toGbk(text).value_or(QByteArray()).left(bytes - 1));
}

void writeGoods(GameMessage& message, int at, const Goods& goods) {
    message.setU16le(at, goods.id);
    message.setU32le(at + 2, goods.count);
}

int recordBytes(const WinnerRecord& record) {
    return kRecordBytes + kItemBytes * static_cast<int>(record.items.size());
}

void writeRecord(GameMessage& message, int at, const WinnerRecord& record) {
    message.setU32le(at, static_cast<std::uint32_t>(record.id));
    writeField(message, at + 4, 16, record.nickname);
    message.setU32le(at + 20, static_cast<std::uint32_t>(record.time));
    writeField(message, at + 24, 24, record.remark);
    message.setU16le(at + 48, static_cast<std::uint16_t>(record.value16));
    message.setU32le(at + 50, static_cast<std::uint32_t>(record.value32));
    message.setU8(at + 54, static_cast<std::uint8_t>(record.items.size()));
    int item = at + 55;
    for (const Goods& goods : record.items) {
        writeGoods(message, item, goods);
        item += kItemBytes;
    }
    message.setU8(item, record.kind);
}

std::optional<WinnerRecord> readRecord(const QString& line) {
    const QStringList fields = line.split(u';');
    if (fields.size() != 8) {
        return std::nullopt;
    }
    std::array<bool, 5> ok{};
    WinnerRecord record;
    record.id = fields[0].toInt(&ok[0]);
    record.nickname = fields[1];
    record.time = fields[2].toInt(&ok[1]);
    record.remark = fields[3];
    record.value16 = fields[4].toShort(&ok[2]);
    record.value32 = fields[5].toInt(&ok[3]);
    const uint kind = fields[6].toUInt(&ok[4]);
    if (!std::all_of(ok.begin(), ok.end(), [](bool b) { return b; }) || kind > 255 ||
        record.id <= 0) {
        return std::nullopt;
    }
    record.kind = static_cast<std::uint8_t>(kind);
    for (const QString& word : fields[7].split(u' ', Qt::SkipEmptyParts)) {
        const auto goods = readGoods(word);
        if (!goods || record.items.size() == 35) {
            return std::nullopt;
        }
        record.items.push_back(*goods);
    }
    return record;
}

} // namespace

GameMessage bagList(const std::vector<Goods>& items) {
    GameMessage message = shopMessage(connection::MsgBagList);
    const int count = std::min(static_cast<int>(items.size()), kItemsPerList);
    message.setU8(16, static_cast<std::uint8_t>(count));
    for (int i = 0; i < count; ++i) {
        writeGoods(message, 17 + kItemBytes * i, items[static_cast<std::size_t>(i)]);
    }
    return message;
}

GameMessage bagItem(const Goods& item) {
    GameMessage message = shopMessage(connection::MsgBagItem);
    writeGoods(message, 16, item);
    return message;
}

GameMessage marquee(const QString& text) {
    GameMessage message = shopMessage(connection::MsgMarquee);
    writeField(message, 16, 240, text);
    return message;
}

GameMessage notice(std::int16_t mode, const QString& text, std::uint8_t red, std::uint8_t green,
                   std::uint8_t blue) {
    GameMessage message = shopMessage(connection::MsgNotice);
    message.setU16le(16, static_cast<std::uint16_t>(mode));
    message.setU8(9, red);
    message.setU8(10, green);
    message.setU8(11, blue);
    const int at = mode == 7 || mode == 8 ? 19 : 18;
    writeField(message, at, 256 - at, text);
    return message;
}

GameMessage winners(const std::vector<WinnerRecord>& records, std::int32_t newerThan) {
    std::vector<WinnerRecord> newer;
    std::copy_if(records.begin(), records.end(), std::back_inserter(newer),
                 [newerThan](const WinnerRecord& r) { return r.id > newerThan; });
    std::sort(newer.begin(), newer.end(),
              [](const WinnerRecord& a, const WinnerRecord& b) { return a.id > b.id; });
    GameMessage message = shopMessage(connection::MsgPrizeList);
    message.setU8(16, kWinnersKind);
    int at = kFirstRecordByte;
    int count = 0;
    for (const WinnerRecord& record : newer) {
        if (at + recordBytes(record) > connection::kMessageSize) {
            message.setU8(17, kAskAgain);
            break;
        }
        writeRecord(message, at, record);
        at += recordBytes(record);
        ++count;
    }
    message.setU8(18, static_cast<std::uint8_t>(count));
    return message;
}

std::optional<std::vector<WinnerRecord>> readWinners(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    std::vector<WinnerRecord> records;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u'#')) {
            continue;
        }
        const auto record = readRecord(trimmed);
        if (!record) {
            return std::nullopt;
        }
        records.push_back(*record);
    }
    return records;
}

std::optional<Goods> readGoods(const QString& word) {
    const QStringList parts = word.split(u':');
    bool idOk = false;
    bool countOk = false;
    const uint id = parts.value(0).toUInt(&idOk);
    const uint count = parts.value(1).toUInt(&countOk);
    if (parts.size() != 2 || !idOk || !countOk || id > 0xFFFF || count > 0x7FFFFFFFU) {
        return std::nullopt;
    }
    return Goods{static_cast<std::uint16_t>(id), count};
}

} // namespace qv::tools::table
