#include "plugin/plugin.h"

#include <QVariant>

using namespace Qt::StringLiterals;

namespace qv::plugin {

void RelayToPlugin(PluginState& plugin, const QByteArray& message) {
    if (!plugin.loaded()) {
        return;
    }
    QVariantList args{message};
    plugin.Prop_GameDll->call(u"Rec_MSG"_s, args);
}

void TellConnectionState(PluginState& plugin, bool up) {
    if (plugin.loaded()) {
        QVariantList args{3, up};
        plugin.Prop_GameDll->call(u"rec_state"_s, args);
    }
}

void LeastPropPlugin::ExitPropPlugin(int mode) {
    if (state_.Prop_GameDllState < 1 || !state_.Prop_GameDll) {
        return;
    }
    QVariantList args{mode};
    state_.Prop_GameDll->call(u"InitExit"_s, args);
    state_.Prop_GameDllState = 0;
}

} // namespace qv::plugin
