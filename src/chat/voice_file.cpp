#include "chat/voice_file.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace qv::chat {
namespace {

bool lettersAndDigits(const QString& code) {
    return std::all_of(code.begin(), code.end(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    });
}

} // namespace

std::optional<QString> VoiceFileName(const QString& folder, const connection::PlayerDetail& speaker,
                                     std::uint8_t letter, std::uint8_t number) {
    if (letter < 'a' || letter > 'z' || !lettersAndDigits(speaker.voiceSet) ||
        !lettersAndDigits(speaker.voiceId)) {
        return std::nullopt;
    }
    const int voiceKind = speaker.sex == 0 ? 2 : 3;
    return folder + u'v' + speaker.voiceSet + speaker.voiceId + QString::number(speaker.sex) +
           QString::number(voiceKind) + QChar(char16_t{letter}) + QString::number(number) +
           u".wav"_s;
}

} // namespace qv::chat
