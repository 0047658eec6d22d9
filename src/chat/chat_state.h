#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace qv::chat {

/// The chat button's blinks after a message or an emoticon arrives.
inline constexpr int kTalkBlinks = 8;

/// One seat's speech bubble: its fade (in ticks of its own timer) and whether it was made.
struct SpeakBoxFade {
    bool made = false;
    int fadeCount = 0;
    int perc = 0;
    int fadeIn = 0;
    int fadeOut = 0;
    int showTime = 0;
    /// The time service's timer while the bubble fades; 0 when it stands still.
    int timer = 0;

    friend bool operator==(const SpeakBoxFade&, const SpeakBoxFade&) = default;
};

/// The chat's state: the message being built and the private partner, the chat box's flags,
/// the emoticons over the seats, the bubbles, and the seat video panels.
struct ChatState {
    /// The text of the next outgoing chat message; sending it empties it.
    QString ChatSendText;
    /// The seat mask of the chosen private partner.
    std::uint8_t ChatTargetSeat = 0;
    /// "你对", the partner's nickname and "说 ：" at the start of the chat box; empty for none.
    QString ChatTargetPrefix;
    /// The chat box text without the previous prefix, taken when a partner is chosen.
    QString ChatTypedText;
    /// Enter may send; false during the flood pause.
    bool ChatReady = true;
    bool ChatHasFocus = false;
    /// The chat box text as it was when Backspace was pressed with a prefix set.
    QString ChatSavedText;
    /// The next change of the chat box removes the whole prefix.
    bool ChatPrefixCut = false;
    /// Blinks of the chat button still to show.
    int TalkBlinkCount = 0;

    /// An emoticon shows over a seat; the pump hides them after 60 ticks.
    bool EmoticonShowing = false;
    int EmoticonShowTicks = 0;
    /// The picker's page (1 to 3) and the monotonic time of its last accepted click.
    int EmoticonPage = 1;
    std::optional<std::int64_t> DBQ_click_time;

    std::array<SpeakBoxFade, 4> SpeakBoxes{};

    // Seat video panels.
    std::array<bool, 3> SeatVideoBlocked{};
    std::array<bool, 16> ImCmdHover{};
    int VideoZoomSeat = 0;
    std::array<QByteArray, 4> PhotoBuffers{};

    friend bool operator==(const ChatState&, const ChatState&) = default;
};

} // namespace qv::chat
