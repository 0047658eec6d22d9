#pragma once

#include "chat/chat_state.h"
#include "common/sound.h"
#include "connection/connection.h"
#include "hand/hand_state.h"
#include "platform/services.h"
#include "plugin/plugin.h"
#include "table/boss_key.h"
#include "table/table_state.h"

#include <functional>

namespace qv::table {
class MainForm;
}

namespace qv::chat {

/// What the chat works with: the table window it shows on, its own state, the connection it
/// queues through and reads the seated players from, and the peers whose values it reads.
struct ChatContext {
    table::MainForm& form;
    ChatState& chat;
    connection::Connection& conn;
    hand::HandState& hand;
    table::TableState& table;
    plugin::PluginState& plugin;
    common::Sound& sound;
    platform::Services& services;
    /// The table's boss key, which F1 in the chat box presses.
    table::BossKey& bossKey;
    /// The chat on the table window as it is now, for handlers that run later (timers); null
    /// once the window has gone.
    std::function<ChatContext*()> current;
};

} // namespace qv::chat
