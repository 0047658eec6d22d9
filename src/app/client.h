#pragma once

#include "app/settlement_records.h"
#include "between/between_context.h"
#include "between/boss_key.h"
#include "between/leave_table.h"
#include "chat/chat_context.h"
#include "chat/chat_receiving.h"
#include "chat/chat_sending.h"
#include "chat/chat_state.h"
#include "common/picture_tables.h"
#include "common/sound.h"
#include "connection/connection.h"
#include "forms/form_host.h"
#include "hand/hand_context.h"
#include "hand/hand_state.h"
#include "hand/register_branches.h"
#include "match/config_download.h"
#include "match/match.h"
#include "match/match_context.h"
#include "match/match_panels.h"
#include "match/panels/table_panels.h"
#include "platform/services.h"
#include "plugin/mod_prop.h"
#include "plugin/plugin.h"
#include "plugin/plugin_context.h"
#include "rules/hint_list.h"
#include "rules/rules_state.h"
#include "settlement/settlement_context.h"
#include "settlement/settlement_exit.h"
#include "settlement/settlement_state.h"
#include "shop/bag.h"
#include "shop/chip_box.h"
#include "shop/reward_sequence.h"
#include "shop/shop_context.h"
#include "shop/shop_state.h"
#include "table/table_context.h"
#include "table/table_state.h"

#include <optional>

namespace qv {

/// The assembly: the services, every subsystem's state, the forms, and the joints between them
/// (the branches and pump steps each subsystem registers, the calls across subsystems). What the
/// game keeps module-level lives here; each test builds a fresh client on fake services.
class Client {
public:
    explicit Client(platform::Services& platformServices);
    Client(const Client&) = delete;
    Client& operator=(const Client&) = delete;

    platform::Services& services;
    /// The picture-id tables (`Image_Resource`).
    common::ImageResource imageRes;
    /// The one voice of sound and its switches.
    common::Sound sound{services.sound, services.appFolder};
    table::TableState table;
    hand::HandState hand;
    settlement::SettlementState settlement;
    chat::ChatState chat;
    plugin::PluginState plugin;
    match::MatchState match;
    shop::ShopState shop;
    rules::RulesState rules;
    /// The hint list of the player's turn.
    rules::HintState hints;
    connection::Connection conn{services, {table, hand, chat, plugin, match, sound}};
    /// The tournament panels on the table window.
    match::panels::TablePanels tablePanels{services.time, [this] {
                                               return matchOnTable();
                                           }};
    match::MatchPanels* matchPanels = &tablePanels;
    /// The tournament model on the table window, while the window is there.
    [[nodiscard]] match::MatchContext* matchOnTable();
    /// The tournament configuration's download.
    match::ConfigDownload matchDownload{services, [this] {
                                            return matchOnTable();
                                        }};
    table::TableContext tableContext{services, imageRes, table, plugin, match};
    /// The hand on the table window, while the window is there.
    [[nodiscard]] hand::HandContext* handOnTable();
    /// The table between hands and on its ways out, while the window is there; the first call
    /// on a window wires its buttons and keys.
    between::BetweenContext* betweenOnTable();
    /// The boss key F1 wherever it goes down: the table's keys, the chat box, the pump.
    between::TableBossKey bossKey{[this] {
        return betweenOnTable();
    }};
    /// The real ways out of the table once the window is there.
    between::BetweenTableExit betweenTableExit{conn.bareTableExit, [this] {
                                                   return betweenOnTable();
                                               }};
    /// The settlement on the table window, while the window is there.
    [[nodiscard]] settlement::SettlementContext* settlementOnTable();
    settlement::SettlementTableExit settlementTableExit{betweenTableExit, [this] {
                                                            return settlementOnTable();
                                                        }};
    /// The score and history windows as the table's buttons and notices use them.
    app::SettlementRecords records{forms, [this] {
                                       return settlementOnTable();
                                   }};
    /// The chat on the table window, while the window is there.
    [[nodiscard]] chat::ChatContext* chatOnTable();
    /// Shows the received chat messages that the command's branch hands on.
    chat::TableChatReceiver chatReceiver{[this] {
        return chatOnTable();
    }};
    /// Sends the chat box's text for the table's send button.
    chat::TableChatSender chatSender{[this] {
        return chatOnTable();
    }};
    /// The prize bar, chips, purchase and item bag on the table window, while the window is
    /// there.
    [[nodiscard]] shop::ShopContext* shopOnTable();
    /// The reward sequence after a hand, as the start button reaches it.
    shop::TableRewards rewards{[this] {
        return shopOnTable();
    }};
    /// The chip setting as the table refreshes it.
    /// The start-up's and each login's reset of the tournaments and the item bag.
    shop::BagAndMatchReset bagAndMatchReset{conn.matchData, shop.goods};
    shop::TableChips chips{shop, [this] {
                               return shopOnTable();
                           }};
    /// The item plug-in's bridge on the table window, while the window is there.
    [[nodiscard]] plugin::PluginContext* pluginOnTable();
    plugin::ModProp modProp{plugin, conn, services, [this] {
                                return pluginOnTable();
                            }};
    /// Where the chests' random choices come from: uniform in [0, 1).
    std::function<double()> chestRandom;
    /// The windows; declared last so they go first, while the state their handlers use is there.
    forms::FormHost forms{services.time};

private:
    std::optional<hand::HandContext> handContext_;
    std::optional<between::BetweenContext> betweenContext_;
    std::optional<settlement::SettlementContext> settlementContext_;
    std::optional<chat::ChatContext> chatContext_;
    std::optional<shop::ShopContext> shopContext_;
    std::optional<match::MatchContext> matchContext_;
    std::optional<plugin::PluginContext> pluginContext_;
};

} // namespace qv
