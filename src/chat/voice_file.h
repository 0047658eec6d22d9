#pragma once

#include "connection/player_detail.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace qv::chat {

/// The quick-phrase voice of the player `speaker` for phrase `number` of the list marked by
/// `letter`: "v", his two voice codes, his sex, his voice kind, the letter and the number, in
/// the voice folder `folder`. Nothing when the name would not stay a plain file name in that
/// folder: voice codes other than letters and digits, or a letter other than a-z (0 is none).
[[nodiscard]] std::optional<QString> VoiceFileName(const QString& folder,
                                                   const connection::PlayerDetail& speaker,
                                                   std::uint8_t letter, std::uint8_t number);

} // namespace qv::chat
