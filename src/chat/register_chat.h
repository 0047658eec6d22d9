#pragma once

#include <functional>

namespace qv::forms {
class FormHost;
}
namespace qv::platform {
struct Services;
}
namespace qv::connection {
class Connection;
}
namespace qv::table {
class MainForm;
}

namespace qv::chat {

struct ChatContext;
struct ChatState;
/// The chat on the table window; null while there is none.
using ChatOnTable = std::function<ChatContext*()>;

/// Lets the host make the chat's windows (the log, the quick phrases, the emoticon picker)
/// with their handlers.
void registerChatForms(forms::FormHost& host, platform::Services& services, ChatState& state,
                       ChatOnTable chat);
/// Wires the chat's handlers of the table window's controls: the chat box, the head pictures,
/// the flood timer, the chat panel's buttons, the video panels.
void wireChatControls(table::MainForm& form, ChatOnTable chat);
/// The pump's emoticon time-out.
void registerChatSteps(connection::Connection& conn, ChatOnTable chat);

} // namespace qv::chat
