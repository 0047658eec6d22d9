#pragma once

#include <QString>

namespace qv::chat {

/// The chat's state.
struct ChatState {
    /// The text of the next outgoing chat message; sending it empties it.
    QString ChatSendText;
    bool ChatReady = true;
    /// Blinks of the chat button still to show.
    int TalkBlinkCount = 0;

    friend bool operator==(const ChatState&, const ChatState&) = default;
};

} // namespace qv::chat
