#include "plugin_fixture.h"

#include "plugin/mod_prop.h"

using namespace Qt::StringLiterals;

namespace qv::plugin::testing_support {

PluginTable::PluginTable(const std::string& script) {
    platform.plugins.outcome = platform::PluginLoad::Outcome::Created;
    platform.plugins.object->script = platform::fake::ReadPluginScript(script);
    client.conn.g_bLoggedIn = true;
    client.plugin.Prop_swicth = 1;
    form.Form_Load();
    client.chestRandom = [this] {
        if (draws.empty()) {
            return 0.0;
        }
        const double r = draws.front();
        draws.pop_front();
        return r;
    };
    ctx().showSettlement = [this] {
        ++sheets;
        client.conn.ResultStage = 2;
    };
}

void PluginTable::load() {
    client.modProp.InitGameDll();
}

void PluginTable::tick(int ticks) {
    for (int i = 0; i < ticks; ++i) {
        platform.time.advance(50);
        client.conn.pumpSteps.run(connection::PumpStep::Plugin);
    }
}

void PluginTable::secondResult() {
    client.conn.ResultStage = 1;
    HoldSheetForPlugin(client.plugin, platform.time.tickMs());
}

void PluginTable::resultAnnounced() {
    client.plugin.Prop_ScoreWanted = true;
    RelayToPlugin(client.plugin, QByteArray(272, '\0').replace(3, 1, "\x2e"));
}

std::size_t PluginTable::count(const std::string& method) const {
    return platform.plugins.object->callsOf(method).size();
}

} // namespace qv::plugin::testing_support
