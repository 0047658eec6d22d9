#pragma once

#include "common/picture_tables.h"
#include "common/sound.h"
#include "connection/connection.h"
#include "hand/hand_state.h"
#include "hand/seat_records.h"
#include "platform/services.h"
#include "plugin/plugin.h"
#include "rules/hint_list.h"
#include "rules/rules_state.h"
#include "table/boss_key.h"
#include "table/table_state.h"

namespace qv::table {
class MainForm;
}

namespace qv::hand {

/// What the hand works with: the table window it shows the hand on, its own state, the
/// connection it answers and queues through, and the state of the peers whose values it reads.
struct HandContext {
    table::MainForm& form;
    HandState& hand;
    connection::Connection& conn;
    table::TableState& table;
    plugin::PluginState& plugin;
    common::Sound& sound;
    platform::Services& services;
    common::ImageResource& imageRes;
    rules::RulesState& rules;
    rules::HintState& hints;
    /// The table's boss key, which the pump presses after repeated time-outs.
    table::BossKey& bossKey;
    /// The score sheet and the history, which each seating fills in.
    SeatRecords& seatRecords;
};

} // namespace qv::hand
