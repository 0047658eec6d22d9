#pragma once

namespace qv::chat {

struct ChatContext;

/// The animated emoticons over the seats (`ucAni_BBQS`), numbered 1 to 18.

/// A received emoticon: the own seat is told what it cost, the players are placed, and a known
/// emoticon plays over the sender's seat `seat` for 60 pump ticks.
void ShowReceivedEmoticon(ChatContext& ctx, int seat, int number);
/// The player's own emoticon, over his seat at once.
void ShowOwnEmoticon(ChatContext& ctx, int number);
/// The pump's step: counts the ticks and clears the emoticons after 60 of them.
void EmoticonTimeout(ChatContext& ctx);

/// Whether `number` names an emoticon.
[[nodiscard]] bool IsEmoticonNumber(int number);

} // namespace qv::chat
