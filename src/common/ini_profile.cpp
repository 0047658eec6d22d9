#include "common/ini_profile.h"

#include "common/gbk.h"

#include <QList>

namespace qv::ini {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

QByteArray trimmed(const QByteArray& bytes) {
    qsizetype first = 0;
    qsizetype end = bytes.size();
    while (first < end && isBlank(bytes[first])) {
        ++first;
    }
    while (end > first && isBlank(bytes[end - 1])) {
        --end;
    }
    return bytes.mid(first, end - first);
}

bool sameName(const QByteArray& bytes, const QString& name) {
    return fromGbkLenient(bytes).compare(name, Qt::CaseInsensitive) == 0;
}

/// The file as lines without their ends, remembering which end it uses and whether the last
/// line had one.
struct Lines {
    explicit Lines(const QByteArray& content) {
        eol = content.contains("\r\n") || !content.contains('\n') ? "\r\n" : "\n";
        if (content.isEmpty()) {
            return;
        }
        list = content.split('\n');
        finalEol = content.endsWith('\n');
        if (finalEol) {
            list.removeLast();
        }
        for (QByteArray& line : list) {
            if (line.endsWith('\r')) {
                line.chop(1);
            }
        }
    }

    [[nodiscard]] QByteArray join() const {
        QByteArray out = list.join(eol);
        if (finalEol && !list.isEmpty()) {
            out += eol;
        }
        return out;
    }

    /// The section name of a header line.
    [[nodiscard]] std::optional<QByteArray> header(qsizetype i) const {
        const QByteArray line = trimmed(list[i]);
        if (!line.startsWith('[')) {
            return std::nullopt;
        }
        const qsizetype close = line.indexOf(']');
        return trimmed(line.mid(1, close < 0 ? -1 : close - 1));
    }

    /// The line of the section's header, -1 when missing.
    [[nodiscard]] qsizetype findSection(const QString& section) const {
        for (qsizetype i = 0; i < list.size(); ++i) {
            if (const auto name = header(i); name && sameName(*name, section)) {
                return i;
            }
        }
        return -1;
    }

    /// One past the section's last line.
    [[nodiscard]] qsizetype sectionEnd(qsizetype headerLine) const {
        qsizetype i = headerLine + 1;
        while (i < list.size() && !header(i)) {
            ++i;
        }
        return i;
    }

    /// The key's line within the section, -1 when missing.
    [[nodiscard]] qsizetype findKey(qsizetype headerLine, const QString& key) const {
        const qsizetype end = sectionEnd(headerLine);
        for (qsizetype i = headerLine + 1; i < end; ++i) {
            const QByteArray line = trimmed(list[i]);
            const qsizetype eq = line.indexOf('=');
            if (eq >= 0 && !line.startsWith(';') && sameName(trimmed(line.left(eq)), key)) {
                return i;
            }
        }
        return -1;
    }

    QList<QByteArray> list;
    QByteArray eol;
    bool finalEol = true;
};

std::optional<QByteArray> writable(const QString& text) {
    if (text.contains(u'\r') || text.contains(u'\n') || text.contains(QChar(0))) {
        return std::nullopt;
    }
    return toGbk(text);
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
    const QByteArray& line = lines.list[keyLine];
    QByteArray value = trimmed(line.mid(line.indexOf('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.mid(1, value.size() - 2);
    }
    return value;
}

std::optional<QByteArray> writeValue(const QByteArray& content, const QString& section,
                                     const QString& key, const std::optional<QString>& value) {
    const auto sectionBytes = writable(section);
    const auto keyBytes = writable(key);
    const auto valueBytes = value ? writable(*value) : std::optional<QByteArray>(QByteArray());
    if (!sectionBytes || !keyBytes || !valueBytes) {
        return std::nullopt;
    }
    Lines lines(content);
    const QByteArray entry = *keyBytes + '=' + *valueBytes;
    const qsizetype headerLine = lines.findSection(section);
    if (headerLine < 0) {
        if (value) {
            lines.list << '[' + *sectionBytes + ']' << entry;
            lines.finalEol = true;
        }
        return lines.join();
    }
    if (const qsizetype keyLine = lines.findKey(headerLine, key); keyLine >= 0) {
        if (value) {
            lines.list[keyLine] = entry;
        } else {
            lines.list.removeAt(keyLine);
        }
        return lines.join();
    }
    if (value) {
        // After the section's last non-blank line, so blank lines before the next section stay.
        qsizetype at = lines.sectionEnd(headerLine);
        while (at > headerLine + 1 && trimmed(lines.list[at - 1]).isEmpty()) {
            --at;
        }
        lines.list.insert(at, entry);
        lines.finalEol = lines.finalEol || at == lines.list.size() - 1;
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
