#pragma once

#include <QString>

namespace qv::hand {

struct HandContext;

/// A path below the program's folder.
[[nodiscard]] QString ProgramPath(const HandContext& ctx, const QString& relativePath);

/// Plays a wave file once at full volume when effect sounds are on; the path passes through
/// `g_WavFile` as the table's sound players do.
void PlayEffect(HandContext& ctx, const QString& path);

} // namespace qv::hand
