#include "app/client.h"

#include "between/register_branches.h"
#include "between/table_actions.h"
#include "chat/register_chat.h"
#include "hand/chu_pai.h"
#include "hand/play_input.h"
#include "match/register_match.h"
#include "platform/services.h"
#include "plugin/register_plugin.h"
#include "settlement/hero_window.h"
#include "settlement/result_branch.h"
#include "settlement/score_sheet_view.h"
#include "settlement/show_settlement.h"
#include "shop/register_shop.h"
#include "shop/vip_window.h"
#include "table/main_form.h"
#include "table/system_ticker.h"
#include "table/vos_set.h"

#include <QDir>

#include <random>

namespace qv {

Client::Client(platform::Services& platformServices) : services(platformServices) {
    // Each subsystem registers its message branches and pump steps here.
    connection::RegisterBranches(conn);
    hand::RegisterBranches(conn, [this] { return handOnTable(); });
    between::RegisterBranches(conn, [this] { return betweenOnTable(); });
    settlement::RegisterBranches(conn, [this] { return settlementOnTable(); });
    // The tournament clock is the pump's first step.
    match::RegisterMatch(conn, matchDownload, [this] { return matchOnTable(); });
    tablePanels.registerBranches(conn);
    shop::RegisterShop(conn, [this] { return shopOnTable(); });
    conn.chips = &chips;
    conn.matchReset = &bagAndMatchReset;
    conn.rewards = &rewards;
    conn.tableExit = &settlementTableExit;
    conn.propPlugin = &modProp;
    chestRandom = [engine = std::mt19937(std::random_device{}())]() mutable {
        return std::uniform_real_distribution<double>(0.0, 1.0)(engine);
    };
    table::registerTableForms(forms, tableContext, [this](table::MainForm& form) {
        hand::InstallPlayInput(form, [this] { return handOnTable(); });
        chat::wireChatControls(form, [this] { return chatOnTable(); });
        shop::WireShopControls(form, [this] { return shopOnTable(); });
        plugin::WirePluginControls(form, [this] { return pluginOnTable(); });
        tablePanels.wire(form);
    });
    shop::registerShopForms(forms, conn, shop);
    chat::registerChatForms(forms, services, chat, [this] { return chatOnTable(); });
    plugin::RegisterPluginStep(conn, [this] { return pluginOnTable(); });
    chat::registerChatSteps(conn, [this] { return chatOnTable(); });
    plugin::RegisterBadgeStep(conn, [this] { return pluginOnTable(); });
    table::registerVosSet(forms, {tableContext, sound});
    between::registerExitWindows(forms, [this] { return betweenOnTable(); });
    hand::registerHandForms(
        forms, [this]() -> const forms::Form* { return forms.find<table::MainForm>(); });
    settlement::registerSettlementForms(
        forms, [this] { return forms.find<table::MainForm>(); },
        [this](int juNum) {
            if (auto* ctx = settlementOnTable()) {
                settlement::OpenScoreSheet(*ctx, juNum);
            }
        });
}

hand::HandContext* Client::handOnTable() {
    auto* form = forms.find<table::MainForm>();
    if (form == nullptr) {
        return nullptr;
    }
    if (!handContext_ || &handContext_->form != form) {
        handContext_.emplace(hand::HandContext{*form, hand, conn, table, plugin, sound, services,
                                               imageRes, rules, hints, bossKey, records});
    }
    return &*handContext_;
}

between::BetweenContext* Client::betweenOnTable() {
    hand::HandContext* handCtx = handOnTable();
    if (handCtx == nullptr) {
        return nullptr;
    }
    if (!betweenContext_ || &betweenContext_->hand.form != &handCtx->form) {
        betweenContext_.emplace(between::BetweenContext{*handCtx, forms, records, chat,
                                                        chatReceiver, chatSender, match});
        between::WireTableActions(*betweenContext_);
    }
    return &*betweenContext_;
}

settlement::SettlementContext* Client::settlementOnTable() {
    hand::HandContext* handCtx = handOnTable();
    if (handCtx == nullptr) {
        return nullptr;
    }
    if (!settlementContext_ || &settlementContext_->hand != handCtx) {
        settlementContext_.emplace(settlement::SettlementContext{*handCtx, settlement, forms});
    }
    return &*settlementContext_;
}

match::MatchContext* Client::matchOnTable() {
    auto* form = forms.find<table::MainForm>();
    if (form == nullptr) {
        return nullptr;
    }
    if (!matchContext_ || &matchContext_->form != form || &matchContext_->panels != matchPanels) {
        matchContext_.emplace(match::MatchContext{*form, match, conn, hand, *matchPanels});
    }
    return &*matchContext_;
}

chat::ChatContext* Client::chatOnTable() {
    auto* form = forms.find<table::MainForm>();
    if (form == nullptr) {
        return nullptr;
    }
    if (!chatContext_ || &chatContext_->form != form) {
        chatContext_.emplace(chat::ChatContext{*form, chat, conn, hand, table, plugin, sound,
                                               services, bossKey, [this] {
                                                   return chatOnTable();
                                               }});
    }
    return &*chatContext_;
}

shop::ShopContext* Client::shopOnTable() {
    auto* form = forms.find<table::MainForm>();
    if (form == nullptr) {
        return nullptr;
    }
    if (!shopContext_ || &shopContext_->form != form) {
        shopContext_.emplace(shop::ShopContext{*form, conn, shop, settlement, forms});
    }
    return &*shopContext_;
}

plugin::PluginContext* Client::pluginOnTable() {
    auto* form = forms.find<table::MainForm>();
    if (form == nullptr) {
        return nullptr;
    }
    if (!pluginContext_ || &pluginContext_->form != form) {
        pluginContext_.emplace(plugin::PluginContext{*form, plugin, conn, table, services,
                                                     [this] {
                                                         if (auto* ctx = settlementOnTable()) {
                                                             settlement::ShowSettlement(*ctx);
                                                         }
                                                     },
                                                     [this] {
                                                         return chestRandom();
                                                     }});
    }
    return &*pluginContext_;
}

} // namespace qv
