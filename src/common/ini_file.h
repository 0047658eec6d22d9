#pragma once

#include "common/ini_profile.h"

#include <QString>

#include <functional>

namespace qv {

/// A settings file's keys in memory: what one read of the file found, with the changes made
/// since. Reads and writes follow the file's own single-key calls exactly.
class IniKeys {
public:
    explicit IniKeys(QByteArray content = {}) : document_(std::move(content)) {}

    /// The key's value without surrounding spaces, or the empty text when it is missing.
    [[nodiscard]] QString GetIniKey(const QString& section, const QString& key) const;
    /// Sets key=value in the section, adding the section when missing.
    void WriteIniKey(const QString& section, const QString& key, const QString& value);
    void DelIniKey(const QString& section, const QString& key);
    void DelIniSec(const QString& section);

    /// The file's content with the changes.
    [[nodiscard]] QByteArray bytes() const { return document_.bytes(); }

private:
    ini::Document document_;
};

/// Reads and writes keys of a settings file, GBK bytes in the profile format. Every operation
/// reads the file once and nothing is kept between operations, so the next operation sees what
/// another writer changed. No operation reports failure: what cannot be read reads as the empty
/// text, what cannot be written is not written.
class classIniFile {
public:
    /// The longest value a read returns, in GBK bytes; longer values are cut on a character
    /// boundary.
    static constexpr int kMaxValueBytes = 1023;

    /// Runs in a change after the new content is written out whole and before it replaces the
    /// file; tests stop a writer there.
    static inline std::function<void()> beforeReplace;

    /// Writes key=value into the section, creating the file and the section when missing.
    void WriteIniKey(const QString& section, const QString& key, const QString& value) const;
    /// The key's value without surrounding spaces, or the empty text when it is missing.
    [[nodiscard]] QString GetIniKey(const QString& section, const QString& key) const;
    void DelIniKey(const QString& section, const QString& key) const;
    void DelIniSec(const QString& section) const;

    /// The file's keys from one read, for reading many keys; empty when the file cannot be read.
    [[nodiscard]] IniKeys ReadIniKeys() const;
    /// Reads the file once, lets `change` change keys in memory and replaces the file once, so
    /// a crash leaves the old file or the new one. The file's lock file is held from the read to
    /// the replacement, so two programs changing one file at once both keep their changes. A
    /// file that is there but cannot be read is left as it is.
    void ChangeIniKeys(const std::function<void(IniKeys&)>& change) const;

    [[nodiscard]] const QString& INIFileName() const { return fileName_; }
    void setINIFileName(const QString& path) { fileName_ = path; }

private:
    QString fileName_;
};

} // namespace qv
