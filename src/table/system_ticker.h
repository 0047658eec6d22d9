#pragma once

#include <QString>

namespace qv::table {

class MainForm;

/// Posts a notice: the whole text into the chat log (wrapped, the log window created hidden
/// when it does not exist; the log keeps its newest 300 lines), and its first 45 characters as the
/// newest line of the two-line ticker `Sysmsg`, the line before moving up. A text of nothing but
/// spaces does nothing. On return `text` holds the cut ticker line.
void AddSystemMessage(MainForm& form, QString& text);
/// The same for any line, blank or not; returns the line as the ticker shows it.
QString PostToLogAndTicker(MainForm& form, const QString& line);
/// `text` as the newest line of the ticker alone, the line before moving up.
void PostToTicker(MainForm& form, const QString& text);

} // namespace qv::table
