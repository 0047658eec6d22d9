#pragma once

#include <QString>

namespace qv::chat {

/// The chat line without the words the table does not show: each word of the filter table in
/// turn, every occurrence removed in one pass from the left, case-sensitive.
[[nodiscard]] QString FilterChat(QString text);

} // namespace qv::chat
