#pragma once

#include "between/record_windows.h"
#include "chat/chat_receiver.h"
#include "chat/chat_sender.h"
#include "chat/chat_state.h"
#include "hand/hand_context.h"
#include "match/match.h"

namespace qv::forms {
class FormHost;
}

namespace qv::between {

/// What the table does between hands and on its ways out works with: the hand's context (the
/// table window, the connection, the seats), the windows, and the peers it calls.
struct BetweenContext {
    hand::HandContext& hand;
    forms::FormHost& forms;
    RecordWindows& records;
    chat::ChatState& chat;
    chat::ChatReceiver& chatReceiver;
    chat::ChatSender& chatSender;
    match::MatchState& match;
};

} // namespace qv::between
