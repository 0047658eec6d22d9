#include "platform/qt/qt_plugin_host.h"

#include <QFileInfo>
#include <QLibrary>

namespace qv::platform::qt {

PluginLoad QtPluginHost::create(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        return {};
    }
    // The library is never unloaded: objects it made may outlive any one owner.
    QLibrary library(path);
    library.setLoadHints(QLibrary::PreventUnloadHint);
    const auto make = reinterpret_cast<ItemPluginCreate>(library.resolve("ostrel_brivet_create"));
    const auto destroy =
        reinterpret_cast<ItemPluginDestroy>(library.resolve("ostrel_brivet_destroy"));
    ItemPlugin* object = nullptr;
    try {
        object = make != nullptr && destroy != nullptr ? make(kItemPluginVersion) : nullptr;
    } catch (...) {
        object = nullptr;
    }
    if (object == nullptr) {
        return {.outcome = PluginLoad::Outcome::Failed, .object = nullptr};
    }
    return {.outcome = PluginLoad::Outcome::Created,
            .object = std::shared_ptr<ItemPlugin>(object, destroy)};
}

} // namespace qv::platform::qt
