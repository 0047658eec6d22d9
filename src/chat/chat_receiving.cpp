#include "chat/chat_receiving.h"

#include "chat/chat_context.h"
#include "chat/chat_filter.h"
#include "chat/chat_frame.h"
#include "chat/emoticons.h"
#include "chat/speak_box.h"
#include "chat/voice_file.h"
#include "common/general.h"
#include "common/sound.h"
#include "forms/form_host.h"
#include "table/chat_windows.h"
#include "table/main_form.h"
#include "table/system_ticker.h"

using namespace Qt::StringLiterals;

namespace qv::chat {
namespace {

constexpr int kBubbleAlpha = 210;
constexpr int kBubbleFadeIn = 8;
constexpr int kBubbleFadeOut = 4;
constexpr int kBubbleShowTime = 2000;

/// The display seat of seat mask `mask`, 0 being the player.
int displaySeat(const ChatContext& ctx, std::uint8_t mask) {
    return (IntLog2(mask) - IntLog2(ctx.hand.custom[0].seat) + 4) % 4;
}

/// The sender found by his account among the seated players; the message's seat otherwise.
std::uint8_t senderSeat(const ChatContext& ctx, const ReceivedChat& message) {
    if (!message.account.isEmpty()) {
        for (const hand::PlayerInfo& player : ctx.hand.custom) {
            if (player.name == message.account) {
                return player.seat & 0x0F;
            }
        }
    }
    return message.sender;
}

/// The voice of a quick phrase, in the sender's voice; a name that would leave the voice
/// folder plays nothing, but the sound before it still stops.
void playPhraseVoice(ChatContext& ctx, int seat, const ReceivedChat& message) {
    ctx.sound.StopSound();
    const auto file =
        VoiceFileName(ctx.sound.VoicePath2, ctx.conn.Detail[static_cast<std::size_t>(seat)],
                      message.voiceLetter, message.phrase);
    if (file) {
        ctx.sound.PlaySoundFile(*file, false);
        ctx.sound.SetSoundVolume(common::kFullVolume);
    }
}

/// The phrase from the player's own phrase lists, beside the sender's seat.
void showPhraseBubble(ChatContext& ctx, int seat, const ReceivedChat& message) {
    const table::huifu& phrases = ctx.form.host().get<table::huifu>();
    const forms::ListBox& list = message.kind == kVoicedPhrase ? phrases.List2 : phrases.List1;
    const QString phrase = list.list(static_cast<int>(message.phrase) - 1);
    if (phrase.isEmpty() || ctx.form.windowState() != forms::window_state::kNormal) {
        return;
    }
    OpenSpeakBox(ctx, seat);
    ctx.form.Chat.setFocus();
    showMe(ctx, seat, phrase, kBubbleAlpha, kBubbleFadeIn, kBubbleFadeOut, kBubbleShowTime);
}

QString chatLine(const ChatContext& ctx, int seat, const ReceivedChat& message) {
    const auto& detail = ctx.conn.Detail;
    const QString& own = detail[0].username;
    QString line;
    bool ownName = seat == 0;
    if (message.target != 0) {
        const int target = displaySeat(ctx, message.target);
        line = detail[static_cast<std::size_t>(seat)].username + u"对"_s +
               detail[static_cast<std::size_t>(target)].username + u"说道： "_s + message.text;
        ownName = ownName || target == 0;
    } else {
        line = message.text;
    }
    if (ownName && !own.isEmpty()) {
        line.replace(own, u"你"_s);
    }
    return line;
}

} // namespace

void OnChatMessage(ChatContext& ctx, const ReceivedChat& message) {
    const std::uint8_t sender = senderSeat(ctx, message);
    if (sender == 0) {
        table::PostToLogAndTicker(ctx.form, message.text);
        return;
    }
    const int seat = displaySeat(ctx, sender);
    if (message.kind == kPlainPhrase || message.kind == kVoicedPhrase) {
        playPhraseVoice(ctx, seat, message);
        showPhraseBubble(ctx, seat, message);
    } else if (message.kind == kEmoticon) {
        ShowReceivedEmoticon(ctx, seat, message.emoticon);
        return;
    }
    table::PostToLogAndTicker(ctx.form, FilterChat(chatLine(ctx, seat, message)));
    if (seat > 0) {
        ctx.chat.TalkBlinkCount = kTalkBlinks;
        ctx.conn.slots.arm(connection::kBlinkSlot);
    }
}

void TableChatReceiver::OnChatMessage(const connection::GameMessage& message) {
    ChatContext* ctx = table_();
    if (ctx == nullptr) {
        return;
    }
    if (const auto chat = DecodeChatMessage(message)) {
        chat::OnChatMessage(*ctx, *chat);
    }
}

} // namespace qv::chat
