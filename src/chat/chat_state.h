#pragma once

#include <QString>

namespace qv::chat {

/// The chat's state.
struct ChatState {
    /// The text of the next outgoing chat message; sending it empties it.
    QString ChatSendText;
    bool ChatReady = true;
    /// The private prefix at the start of the chat box ("你对", the partner's nickname, "说 ："),
    /// empty for none, and the partner's seat mask.
    QString ChatTargetPrefix;
    int ChatTargetSeat = 0;
    /// Blinks of the chat button still to show.
    int TalkBlinkCount = 0;

    friend bool operator==(const ChatState&, const ChatState&) = default;
};

} // namespace qv::chat
