#include "platform/qt/network_module.h"

#include "platform/qt/module_entry.h"

#include <QFileInfo>

#include <system_error>

namespace qv::platform::qt {

using namespace Qt::StringLiterals;

namespace {

/// The module's entry point. The application may not be made yet, so the program's folder is
/// read where Qt itself reads it on this system.
QFunctionPointer loadModule() {
    const QString program = QFileInfo(u"/proc/self/exe"_s).canonicalFilePath();
    return ModuleEntryIn(QFileInfo(program).path(), u"libqv_network.so"_s,
                         QStringLiteral(QV_NETWORK_MODULE), kCreateNetworkServicesSymbol);
}

} // namespace

NetworkModuleLoad::NetworkModuleLoad() {
    try {
        entry_ = std::async(std::launch::async, loadModule);
    } catch (const std::system_error&) {
        entry_ = std::async(std::launch::deferred, loadModule);
    }
}

std::optional<NetworkServices> NetworkModuleLoad::services() {
    const auto create = reinterpret_cast<CreateNetworkServices>(entry_.get());
    if (create == nullptr) {
        return std::nullopt;
    }
    const std::unique_ptr<NetworkServices> services(create());
    return std::move(*services);
}

} // namespace qv::platform::qt
