#pragma once

#include <QString>

namespace qv {

/// Reads and writes single keys of a settings file, GBK bytes in the profile format; every call
/// reads or rewrites the file, nothing is cached. No operation reports failure: what cannot be
/// read reads as the empty text, what cannot be written is not written.
class classIniFile {
public:
    /// The longest value a read returns, in GBK bytes; longer values are cut on a character
    /// boundary.
    static constexpr int kMaxValueBytes = 1023;

    /// Writes key=value into the section, creating the file and the section when missing.
    void WriteIniKey(const QString& section, const QString& key, const QString& value) const;
    /// The key's value without surrounding spaces, or the empty text when it is missing.
    [[nodiscard]] QString GetIniKey(const QString& section, const QString& key) const;
    void DelIniKey(const QString& section, const QString& key) const;
    void DelIniSec(const QString& section) const;

    [[nodiscard]] const QString& INIFileName() const { return fileName_; }
    void setINIFileName(const QString& path) { fileName_ = path; }

private:
    QString fileName_;
};

} // namespace qv
