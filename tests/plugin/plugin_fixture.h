#pragma once

#include "app/client.h"
#include "platform/fake/fake_platform.h"
#include "plugin/plugin_context.h"
#include "table/main_form.h"

#include <QString>

#include <deque>
#include <string>

namespace qv::plugin::testing_support {

/// A client on fake services with its table window, whose item plug-in is the recording one.
/// The settlement sheet is counted, not drawn; the chests' random numbers come from `draws`.
struct PluginTable {
    explicit PluginTable(const std::string& script = {});

    /// Loads the plug-in as an allowed table does.
    void load();
    /// The pump's plug-in place, `ticks` times, 50 ms apart.
    void tick(int ticks = 1);
    /// As the second result message of a hand does with the plug-in loaded.
    void secondResult();
    /// Command 46 as the dispatcher takes it.
    void resultAnnounced();
    [[nodiscard]] PluginContext& ctx() { return *client.pluginOnTable(); }
    [[nodiscard]] platform::fake::RecordingPlugin& plugin() { return *platform.plugins.object; }
    /// The number of calls of `method` so far.
    [[nodiscard]] std::size_t count(const std::string& method) const;

    platform::fake::FakePlatform platform;
    Client client{platform.services};
    table::MainForm& form = client.forms.get<table::MainForm>();
    int sheets = 0;
    std::deque<double> draws;
};

} // namespace qv::plugin::testing_support
