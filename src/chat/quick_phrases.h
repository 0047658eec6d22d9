#pragma once

#include <QString>

namespace qv::table {
class huifu;
}

namespace qv::chat {

struct ChatContext;

/// The quick-phrase window `huifu`: the phrases of `chat.ini` beside the program, sent with a
/// double-click; the voiced ones are heard in the sender's voice at every seat.

/// The number of phrases a "num" value gives: its leading number, rounded half to even; 0
/// when there is none or it does not fit 16 bits.
[[nodiscard]] int PhraseCount(const QString& num);
/// Fills both lists from `chat.ini` (at most 255 phrases each: a phrase number is one byte).
void huifu_Form_Load(const ChatContext& ctx, table::huifu& phrases);
/// Sends the selected plain phrase.
void List1_DblClick(ChatContext& ctx, table::huifu& phrases);
/// Sends the selected voiced phrase and plays it in the player's own voice.
void List2_DblClick(ChatContext& ctx, table::huifu& phrases);
void Picture1_Click(table::huifu& phrases);
void Picture2_Click(table::huifu& phrases);
void Picture1_MouseMove(table::huifu& phrases);
void Picture2_MouseMove(table::huifu& phrases);

} // namespace qv::chat
