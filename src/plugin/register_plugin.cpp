#include "plugin/register_plugin.h"

#include "plugin/chests.h"
#include "plugin/mod_prop.h"
#include "table/main_form.h"

namespace qv::plugin {

void WirePluginControls(table::MainForm& form, const PluginOnTable& onTable) {
    form.ImgProp.events.click = [onTable](int index) {
        if (PluginContext* ctx = onTable()) {
            ImgProp_Click(*ctx, index);
        }
    };
    form.resizeHooks.fixBuffPos = [onTable] {
        PluginContext* ctx = onTable();
        if (ctx != nullptr && ctx->plugin.loaded()) {
            ctx->plugin.Prop_GameDll->FixBuffPos();
        }
    };
    form.TimerProp.events.timer = [onTable] {
        if (PluginContext* ctx = onTable()) {
            TimerProp_Timer(*ctx);
        }
    };
}

void RegisterPluginStep(connection::Connection& conn, const PluginOnTable& onTable) {
    conn.pumpSteps.on(connection::PumpStep::Plugin, [onTable] {
        if (PluginContext* ctx = onTable()) {
            PollPropPlugin(*ctx);
        }
    });
}

void RegisterBadgeStep(connection::Connection& conn, const PluginOnTable& onTable) {
    conn.pumpSteps.on(connection::PumpStep::Plugin, [onTable] {
        if (PluginContext* ctx = onTable()) {
            AnimateVipBadges(*ctx);
        }
    });
}

} // namespace qv::plugin
