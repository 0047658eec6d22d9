#include "common/ini_profile.h"

#include "common/gbk.h"

#include <QList>

#include <algorithm>

namespace qv::ini {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

/// The text without the spaces and tabs around it.
template <typename Text>
Text trimmed(const Text& text) {
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && isBlank(text[first])) {
        ++first;
    }
    while (end > first && isBlank(text[end - 1])) {
        --end;
    }
    return text.mid(first, end - first);
}

bool sameName(const QByteArray& bytes, const QString& name) {
    return fromGbkLenient(bytes).compare(name, Qt::CaseInsensitive) == 0;
}

/// A line without its end, and the end it has ("\r\n", "\n"; a last line may have "\r" or none).
struct Line {
    QByteArray text;
    QByteArray end;
};

/// The section name of a header line, read by characters: a GBK trail byte may be 0x5D, ']'.
std::optional<QString> headerName(const QByteArray& text) {
    const QByteArray line = trimmed(text);
    if (!line.startsWith('[')) {
        return std::nullopt;
    }
    const QString header = fromGbkLenient(line);
    const qsizetype close = header.indexOf(u']');
    return trimmed(header.mid(1, close < 0 ? -1 : close - 1));
}

/// The file as lines, each keeping its own end, so lines nobody touched are written back as
/// they were read.
struct Lines {
    explicit Lines(const QByteArray& content) {
        qsizetype start = 0;
        while (start < content.size()) {
            const qsizetype newline = content.indexOf('\n', start);
            const qsizetype next = newline < 0 ? content.size() : newline + 1;
            Line line{content.mid(start, next - start), {}};
            for (const char* end : {"\r\n", "\n", "\r"}) {
                if (line.text.endsWith(end)) {
                    line.end = end;
                    line.text.chop(line.end.size());
                    break;
                }
            }
            list.append(line);
            start = next;
        }
    }

    [[nodiscard]] QByteArray join() const {
        QByteArray out;
        for (const Line& line : list) {
            out += line.text + line.end;
        }
        return out;
    }

    /// The end for a new line: that of the nearest line before `at` that has one, else the
    /// platform's.
    [[nodiscard]] QByteArray newLineEnd(qsizetype at) const {
        for (qsizetype i = std::min(at, list.size()) - 1; i >= 0; --i) {
            if (list[i].end.endsWith('\n')) {
                return list[i].end;
            }
        }
        for (const Line& line : list) {
            if (line.end.endsWith('\n')) {
                return line.end;
            }
        }
        return "\r\n";
    }

    /// Puts `text` in as line `at`, ending the line before it when that was the unended last.
    void insert(qsizetype at, const QByteArray& text) {
        const QByteArray end = newLineEnd(at);
        if (at > 0 && !list[at - 1].end.endsWith('\n')) {
            list[at - 1].end = list[at - 1].end == "\r" ? QByteArray("\r\n") : end;
        }
        list.insert(at, Line{text, end});
    }

    /// The line of the section's header, -1 when missing.
    [[nodiscard]] qsizetype findSection(const QString& section) const {
        for (qsizetype i = 0; i < list.size(); ++i) {
            if (const auto name = headerName(list[i].text);
                name && name->compare(section, Qt::CaseInsensitive) == 0) {
                return i;
            }
        }
        return -1;
    }

    /// One past the section's last line.
    [[nodiscard]] qsizetype sectionEnd(qsizetype headerLine) const {
        qsizetype i = headerLine + 1;
        while (i < list.size() && !headerName(list[i].text)) {
            ++i;
        }
        return i;
    }

    /// The key's line within the section, -1 when missing.
    [[nodiscard]] qsizetype findKey(qsizetype headerLine, const QString& key) const {
        const qsizetype end = sectionEnd(headerLine);
        for (qsizetype i = headerLine + 1; i < end; ++i) {
            const QByteArray line = trimmed(list[i].text);
            const qsizetype eq = line.indexOf('=');
            if (eq >= 0 && !line.startsWith(';') && sameName(trimmed(line.left(eq)), key)) {
                return i;
            }
        }
        return -1;
    }

    QList<Line> list;
};

/// The GBK form of a text that can stand in a line: nullopt for a line break or NUL.
std::optional<QByteArray> writable(const QString& text) {
    if (text.contains(u'\r') || text.contains(u'\n') || text.contains(QChar(0))) {
        return std::nullopt;
    }
    return toGbk(text);
}

bool hasSurroundingBlanks(const QString& name) {
    return trimmed(name).size() != name.size();
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

std::optional<QByteArray> readValue(const QByteArray& content, const QString& section,
                                    const QString& key) {
    const Lines lines(content);
    const qsizetype headerLine = lines.findSection(section);
    const qsizetype keyLine = headerLine < 0 ? -1 : lines.findKey(headerLine, key);
    if (keyLine < 0) {
        return std::nullopt;
    }
    const QByteArray& line = lines.list[keyLine].text;
    QByteArray value = trimmed(line.mid(line.indexOf('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.mid(1, value.size() - 2);
    }
    return value;
}

std::optional<QByteArray> writeValue(const QByteArray& content, const QString& section,
                                     const QString& key, const std::optional<QString>& value) {
    const auto sectionBytes = writableSection(section);
    const auto keyBytes = writableKey(key);
    const auto valueBytes = value ? writable(*value) : std::optional<QByteArray>(QByteArray());
    if (!sectionBytes || !keyBytes || !valueBytes) {
        return std::nullopt;
    }
    Lines lines(content);
    const QByteArray entry = *keyBytes + '=' + *valueBytes;
    const qsizetype headerLine = lines.findSection(section);
    if (headerLine < 0) {
        if (value) {
            lines.insert(lines.list.size(), '[' + *sectionBytes + ']');
            lines.insert(lines.list.size(), entry);
        }
        return lines.join();
    }
    if (const qsizetype keyLine = lines.findKey(headerLine, key); keyLine >= 0) {
        if (value) {
            lines.list[keyLine].text = entry;
        } else {
            lines.list.removeAt(keyLine);
        }
        return lines.join();
    }
    if (value) {
        // After the section's last non-blank line, so blank lines before the next section stay.
        qsizetype at = lines.sectionEnd(headerLine);
        while (at > headerLine + 1 && trimmed(lines.list[at - 1].text).isEmpty()) {
            --at;
        }
        lines.insert(at, entry);
    }
    return lines.join();
}

QByteArray removeSection(const QByteArray& content, const QString& section) {
    Lines lines(content);
    const qsizetype headerLine = lines.findSection(section);
    if (headerLine >= 0) {
        lines.list.remove(headerLine, lines.sectionEnd(headerLine) - headerLine);
    }
    return lines.join();
}

} // namespace qv::ini
