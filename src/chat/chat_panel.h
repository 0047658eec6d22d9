#pragma once

namespace qv::chat {

struct ChatContext;

/// The chat panel's buttons under the table: the emoticon picker (`imgword1`), the quick
/// phrases (`imgword2`) and the chat log (`Lbchat`), each toggling its window over the table.
void imgword1_Click(ChatContext& ctx);
void imgword2_Click(ChatContext& ctx);
void Lbchat_Click(ChatContext& ctx);
void imgword1_MouseMove(ChatContext& ctx);
void imgword2_MouseMove(ChatContext& ctx);

} // namespace qv::chat
