#include "common/ini_profile.h"

#include "common/gbk.h"

#include <algorithm>

namespace qv::ini {

namespace {

constexpr QByteArrayView kCrLf = "\r\n";
constexpr QByteArrayView kLf = "\n";
constexpr QByteArrayView kCr = "\r";

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

/// The text without the spaces and tabs around it.
template <typename Text>
Text trimmed(Text text) {
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && isBlank(text[first])) {
        ++first;
    }
    while (end > first && isBlank(text[end - 1])) {
        --end;
    }
    return text.sliced(first, end - first);
}

/// A name as the file's bytes spell it; names are mostly ASCII, which GBK leaves as it is.
QString decodeName(QByteArrayView bytes) {
    if (std::all_of(bytes.begin(), bytes.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        return QString::fromLatin1(bytes);
    }
    return fromGbkLenient(bytes.toByteArray());
}

QString folded(const QString& name) {
    return name.toCaseFolded();
}

/// The section name of a header line, read by characters: a GBK trail byte may be 0x5D, ']'.
std::optional<QString> headerName(QByteArrayView text) {
    const QByteArrayView line = trimmed(text);
    if (!line.startsWith('[')) {
        return std::nullopt;
    }
    const QString header = decodeName(line);
    const qsizetype close = header.indexOf(u']');
    return trimmed(header.mid(1, close < 0 ? -1 : close - 1));
}

/// Where the line that starts at `start` ends, its end included.
qsizetype lineEnd(QByteArrayView content, qsizetype start) {
    const qsizetype newline = content.indexOf('\n', start);
    return newline < 0 ? content.size() : newline + 1;
}

/// The line's text without its end.
QByteArrayView withoutEnd(QByteArrayView line) {
    for (const QByteArrayView end : {kCrLf, kLf, kCr}) {
        if (line.endsWith(end)) {
            return line.chopped(end.size());
        }
    }
    return line;
}

/// The GBK form of a text that can stand in a line: nullopt for a line break or NUL.
std::optional<QByteArray> writable(const QString& text) {
    if (text.contains(u'\r') || text.contains(u'\n') || text.contains(QChar(0))) {
        return std::nullopt;
    }
    return toGbk(text);
}

bool hasSurroundingBlanks(const QString& name) {
    return trimmed(QStringView(name)).size() != name.size();
}

/// A section name that reads back as itself: one the header's "]" does not cut short.
std::optional<QByteArray> writableSection(const QString& section) {
    if (hasSurroundingBlanks(section) || section.contains(u']')) {
        return std::nullopt;
    }
    return writable(section);
}

/// A key that reads back as itself: not a header, a comment or a key with another name.
std::optional<QByteArray> writableKey(const QString& key) {
    if (hasSurroundingBlanks(key) || key.startsWith(u'[') || key.startsWith(u';') ||
        key.contains(u'=')) {
        return std::nullopt;
    }
    return writable(key);
}

} // namespace

Document::Document(QByteArray content) : content_(std::move(content)) {
    const QByteArrayView all(content_);
    for (qsizetype start = 0; start < all.size();) {
        const qsizetype next = lineEnd(all, start);
        qsizetype first = start;
        while (first < next && isBlank(all[first])) {
            ++first;
        }
        if (first < next && all[first] == '[') {
            if (!blocks_.empty()) {
                blocks_.back().end = start;
            } else if (start > 0) {
                blocks_.push_back(Block{.start = 0, .end = start});
            }
            blocks_.push_back(
                Block{.start = start,
                      .end = all.size(),
                      .name = headerName(withoutEnd(all.sliced(start, next - start)))});
        }
        start = next;
    }
    if (blocks_.empty() && !all.isEmpty()) {
        blocks_.push_back(Block{.start = 0, .end = all.size()});
    }
    indexSections();
}

void Document::indexSections() {
    sections_.clear();
    for (std::size_t b = 0; b < blocks_.size(); ++b) {
        if (const auto& name = blocks_[b].name; name && !sections_.contains(folded(*name))) {
            sections_.insert(folded(*name), b);
        }
    }
}

QList<Document::Line>& Document::linesOf(Block& block) const {
    if (!block.lines) {
        const QByteArrayView all(content_);
        QList<Line> lines;
        for (qsizetype start = block.start; start < block.end;) {
            const qsizetype next = lineEnd(all, start);
            const QByteArrayView line = all.sliced(start, next - start);
            const QByteArrayView text = withoutEnd(line);
            lines.append(Line{text, line.sliced(text.size())});
            start = next;
        }
        block.lines = std::move(lines);
    }
    return *block.lines;
}

QHash<QString, qsizetype>& Document::keysOf(Block& block) const {
    if (!block.keys) {
        const QList<Line>& lines = linesOf(block);
        QHash<QString, qsizetype> keys;
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const QByteArrayView line = trimmed(lines[i].text);
            const qsizetype eq = line.indexOf('=');
            if (eq < 0 || line.startsWith(';')) {
                continue;
            }
            if (const QString key = folded(decodeName(trimmed(line.first(eq))));
                !keys.contains(key)) {
                keys.insert(key, i);
            }
        }
        block.keys = std::move(keys);
    }
    return *block.keys;
}

std::optional<std::size_t> Document::findSection(const QString& section) const {
    const auto found = sections_.constFind(folded(section));
    return found == sections_.cend() ? std::nullopt : std::optional(*found);
}

std::optional<qsizetype> Document::findKey(Block& block, const QString& key) const {
    const QHash<QString, qsizetype>& keys = keysOf(block);
    const auto found = keys.constFind(folded(key));
    return found == keys.cend() ? std::nullopt : std::optional(*found);
}

QByteArrayView Document::newLineEnd(std::size_t b, qsizetype at) const {
    // Every block but the last has lines ended by '\n', so few blocks are split here.
    for (std::size_t i = b + 1; i-- > 0;) {
        const QList<Line>& lines = linesOf(blocks_[i]);
        for (qsizetype j = i == b ? at : lines.size(); j-- > 0;) {
            if (lines[j].end.endsWith('\n')) {
                return lines[j].end;
            }
        }
    }
    for (Block& block : blocks_) {
        for (const Line& line : linesOf(block)) {
            if (line.end.endsWith('\n')) {
                return line.end;
            }
        }
    }
    return kCrLf;
}

void Document::insert(std::size_t b, qsizetype at, QByteArrayView text) {
    const QByteArrayView end = newLineEnd(b, at);
    Line* before = at > 0 ? &linesOf(blocks_[b])[at - 1] : nullptr;
    for (std::size_t i = b; !before && i-- > 0;) {
        if (QList<Line>& lines = linesOf(blocks_[i]); !lines.isEmpty()) {
            before = &lines.back();
        }
    }
    if (before && !before->end.endsWith('\n')) {
        before->end = before->end == kCr ? kCrLf : end;
    }
    linesOf(blocks_[b]).insert(at, Line{text, end});
}

QByteArrayView Document::own(QByteArray text) {
    written_.push_back(std::move(text));
    return written_.back();
}

std::optional<QByteArray> Document::value(const QString& section, const QString& key) const {
    const auto b = findSection(section);
    if (!b) {
        return std::nullopt;
    }
    Block& block = blocks_[*b];
    const auto k = findKey(block, key);
    if (!k) {
        return std::nullopt;
    }
    const QByteArrayView line = linesOf(block)[*k].text;
    QByteArrayView value = trimmed(line.sliced(line.indexOf('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.sliced(1, value.size() - 2);
    }
    return value.toByteArray();
}

bool Document::write(const QString& section, const QString& key,
                     const std::optional<QString>& value) {
    const auto sectionBytes = writableSection(section);
    const auto keyBytes = writableKey(key);
    const auto valueBytes = value ? writable(*value) : std::optional<QByteArray>(QByteArray());
    if (!sectionBytes || !keyBytes || !valueBytes) {
        return false;
    }
    const auto b = findSection(section);
    if (!b) {
        if (value) {
            blocks_.push_back(Block{.start = content_.size(),
                                    .end = content_.size(),
                                    .name = section,
                                    .lines = QList<Line>()});
            const std::size_t added = blocks_.size() - 1;
            insert(added, 0, own('[' + *sectionBytes + ']'));
            insert(added, 1, own(*keyBytes + '=' + *valueBytes));
            sections_.insert(folded(section), added);
        }
        return true;
    }
    Block& block = blocks_[*b];
    QList<Line>& lines = linesOf(block);
    if (const auto k = findKey(block, key)) {
        if (value) {
            lines[*k].text = own(*keyBytes + '=' + *valueBytes);
        } else {
            lines.removeAt(*k);
            block.keys.reset();
        }
        return true;
    }
    if (value) {
        // After the section's last non-blank line, so blank lines before the next section stay.
        qsizetype at = lines.size();
        while (at > 1 && trimmed(lines[at - 1].text).isEmpty()) {
            --at;
        }
        // Only blank lines follow, so no key's line moves.
        insert(*b, at, own(*keyBytes + '=' + *valueBytes));
        keysOf(block).insert(folded(key), at);
    }
    return true;
}

void Document::removeSection(const QString& section) {
    if (const auto b = findSection(section)) {
        blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(*b));
        indexSections();
    }
}

QByteArray Document::bytes() const {
    QByteArray out;
    out.reserve(content_.size());
    for (const Block& block : blocks_) {
        if (!block.lines) {
            out.append(QByteArrayView(content_).sliced(block.start, block.end - block.start));
            continue;
        }
        for (const Line& line : *block.lines) {
            out.append(line.text).append(line.end);
        }
    }
    return out;
}

} // namespace qv::ini
