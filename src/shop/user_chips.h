#pragma once

#include <QString>

#include <cstdint>

namespace qv::shop {

/// The chip settings of the players of this computer, in the section `user` of `userinfo.ini`:
/// `num` entries of `username`i and `chip`i.

/// The saved setting of `name`: 1 when the file, the name or a usable value (1 to 2^31 - 1) is
/// missing.
[[nodiscard]] std::int32_t LoadUserChip(const QString& iniPath, const QString& name);
/// Stores `value` for `name`, in its entry or in a new one after the last. A name that would
/// break the file's lines (a line break, a leading "[") is not stored.
void SaveUserChip(const QString& iniPath, const QString& name, std::int32_t value);

} // namespace qv::shop
