#pragma once

namespace qv::forms {
class Form;
class ListBox;
} // namespace qv::forms

namespace qv::chat {

struct ChatContext;

/// The chat log `Talk.Text1`, the window created hidden when it is not there.
[[nodiscard]] forms::ListBox& TalkLog(ChatContext& ctx);

/// The log window's load: translucent, placed at a fixed share of the table window's size.
void Talk_Form_Load(const ChatContext& ctx, forms::Form& talk);
/// Alt, then C, hides the window.
void Talk_Text1_KeyDown(ChatContext& ctx, int keyCode, int shift);

} // namespace qv::chat
