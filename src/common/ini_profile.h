#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>

#include <deque>
#include <optional>
#include <vector>

namespace qv::ini {

/// A settings file's GBK bytes in the format of the platform's profile functions: lines of
/// "[section]" and "key=value"; sections and keys match without regard to case, the first match
/// counts; untouched lines keep their bytes.
///
/// The file is read in one pass that only finds the section headers; a section's lines are split
/// and its keys indexed when it is first asked for, so any number of keys costs one pass over the
/// file and the work of the sections they are in.
class Document {
public:
    explicit Document(QByteArray content = {});
    // Its lines view its own buffers.
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;
    Document(Document&&) = default;
    Document& operator=(Document&&) = default;
    ~Document() = default;

    /// The value of `key` in `section`, spaces and tabs around it removed and one pair of
    /// enclosing quotes dropped; nullopt when the section or key is missing.
    [[nodiscard]] std::optional<QByteArray> value(const QString& section, const QString& key) const;

    /// Replaces the key's line with "key=value", or adds it at the end of its section, the
    /// section being added at the end of the file when missing. `value` nullopt removes the key.
    /// False, changing nothing, when the texts cannot be written (no GBK form, or a line break or
    /// NUL in them, or a name that would not read back as itself).
    bool write(const QString& section, const QString& key, const std::optional<QString>& value);

    /// Removes the section's header and lines.
    void removeSection(const QString& section);

    /// The content with every change made.
    [[nodiscard]] QByteArray bytes() const;

private:
    /// A line without its end, and the end it has ("\r\n", "\n"; a last line may have "\r" or
    /// none). Both view either the content read or a text this document wrote.
    struct Line {
        QByteArrayView text;
        QByteArrayView end;
    };

    /// A header line and the lines up to the next header; the lines before the first header are
    /// a block without a name. Its lines are split from the content when first needed.
    struct Block {
        qsizetype start = 0;
        qsizetype end = 0;
        std::optional<QString> name{};
        std::optional<QList<Line>> lines{};
        /// The line of each key (its name case-folded), the first of equal names; built when
        /// first needed and dropped when a line is removed.
        std::optional<QHash<QString, qsizetype>> keys{};
    };

    QList<Line>& linesOf(Block& block) const;
    QHash<QString, qsizetype>& keysOf(Block& block) const;
    [[nodiscard]] std::optional<std::size_t> findSection(const QString& section) const;
    [[nodiscard]] std::optional<qsizetype> findKey(Block& block, const QString& key) const;
    /// The end for a line put in before line `at` of block `b`: that of the nearest line before
    /// it that has one, else the first such of the file, else the platform's.
    [[nodiscard]] QByteArrayView newLineEnd(std::size_t b, qsizetype at) const;
    /// Puts `text` in as line `at` of block `b`, ending the line before it when that was the
    /// unended last line of the file.
    void insert(std::size_t b, qsizetype at, QByteArrayView text);
    /// Keeps `text` for as long as the document, for lines to view it.
    QByteArrayView own(QByteArray text);
    void indexSections();

    QByteArray content_;
    mutable std::vector<Block> blocks_;
    /// The first block of each section name, case-folded.
    QHash<QString, std::size_t> sections_;
    std::deque<QByteArray> written_;
};

} // namespace qv::ini
