#include "chat/plugin_calls.h"

#include <QVariant>

using namespace Qt::StringLiterals;

namespace qv::chat {

void SetKeyDown(plugin::PluginState& plugin, int keyCode) {
    if (!plugin.loaded()) {
        return;
    }
    QVariantList args{QVariant::fromValue(static_cast<qint16>(keyCode))};
    plugin.Prop_GameDll->call(u"SetKeyDown"_s, args);
}

bool ShowVmVideo(plugin::PluginState& plugin, int seat, bool show) {
    if (!plugin.loaded()) {
        return false;
    }
    QVariantList args{seat, show, 0};
    return plugin.Prop_GameDll->call(u"ShowVmVideo"_s, args).toBool();
}

void rec_state(plugin::PluginState& plugin, int kind, bool on, int seat) {
    if (!plugin.loaded()) {
        return;
    }
    QVariantList args{kind, on, seat};
    plugin.Prop_GameDll->call(u"rec_state"_s, args);
}

} // namespace qv::chat
