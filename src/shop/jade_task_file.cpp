#include "shop/jade_task_file.h"

#include "common/gbk.h"
#include "common/vb_text.h"

#include <QFile>

#include <cmath>
#include <limits>
#include <optional>
#include <pugixml.hpp>

namespace qv::shop {
namespace {

constexpr int kMaxCount = 1000;

/// An entry's value that does not fit its field.
struct Malformed {};

QString attribute(const pugi::xml_node& node, const char* name) {
    return QString::fromUtf8(node.attribute(name).value());
}

/// The leading number rounded half to even, within the field's range.
template <typename Int>
Int rounded(const QString& text) {
    const double value = std::nearbyint(leadingNumber(text));
    if (!(value >= std::numeric_limits<Int>::min() && value <= std::numeric_limits<Int>::max())) {
        throw Malformed{};
    }
    return static_cast<Int>(value);
}

/// A 32-bit number written in decimal or, after "&H", in hexadecimal.
std::int32_t wholeNumber(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.startsWith(u"&H", Qt::CaseInsensitive)) {
        bool ok = false;
        const std::uint32_t bits = trimmed.mid(2).toUInt(&ok, 16);
        if (!ok) {
            throw Malformed{};
        }
        return static_cast<std::int32_t>(bits);
    }
    return rounded<std::int32_t>(text);
}

int count(const pugi::xml_node& node) {
    const double value = std::nearbyint(leadingNumber(attribute(node, "n")));
    return value > 0 ? static_cast<int>(std::min<double>(value, kMaxCount)) : 0;
}

std::string childName(const char* stem, int i) {
    return stem + std::to_string(i);
}

JadeLevel level(const pugi::xml_node& node, int i) {
    return {static_cast<std::uint8_t>(i), wholeNumber(attribute(node, "color")),
            rounded<std::uint8_t>(attribute(node, "mutiple"))};
}

JadeTask task(const pugi::xml_node& node) {
    JadeTask t;
    t.id = wholeNumber(attribute(node, "id"));
    t.des = attribute(node, "des");
    t.des2 = attribute(node, "des2");
    const QStringList pairs = attribute(node, "prize").split(u';');
    for (const QString& pair : pairs) {
        const QStringList numbers = pair.split(u':');
        if (numbers.size() < 2) {
            throw Malformed{};
        }
        t.prizeKeys.push_back(rounded<std::int32_t>(numbers[0]));
        t.prizeValues.push_back(rounded<std::int32_t>(numbers[1]));
    }
    t.prizeCount = static_cast<std::int16_t>(pairs.size());
    return t;
}

template <typename Entry, typename Read>
std::vector<Entry> table(const pugi::xml_node& parent, const char* stem, Read read) {
    std::vector<Entry> entries(static_cast<std::size_t>(count(parent)) + 1);
    for (int i = 1; i < static_cast<int>(entries.size()); ++i) {
        if (const pugi::xml_node node = parent.child(childName(stem, i).c_str())) {
            try {
                entries[static_cast<std::size_t>(i)] = read(node, i);
            } catch (const Malformed&) {
                entries[static_cast<std::size_t>(i)] = {};
            }
        }
    }
    return entries;
}

} // namespace

bool ReadJadeTasks(JadeTables& tables, const QByteArray& bytes) {
    tables = {};
    const std::optional<QByteArray> utf8 = gb18030ToUtf8(bytes);
    if (!utf8) {
        return false;
    }
    pugi::xml_document doc;
    doc.load_buffer(utf8->constData(), static_cast<std::size_t>(utf8->size()), pugi::parse_default,
                    pugi::encoding_utf8);
    const pugi::xml_node root = doc.document_element();
    if (!root) {
        return false;
    }
    if (const pugi::xml_node rank = root.child("rank")) {
        tables.JadeLevels = table<JadeLevel>(rank, "lvl", level);
    }
    if (const pugi::xml_node tasks = root.child("task")) {
        tables.JadeTasks = table<JadeTask>(
            tasks, "task_", [](const pugi::xml_node& node, int) { return task(node); });
    }
    return true;
}

bool LoadJadeTaskXml(JadeTables& tables, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        tables = {};
        return false;
    }
    return ReadJadeTasks(tables, file.readAll());
}

} // namespace qv::shop
