#include "platform/qt/network_module.h"

#include "platform/qt/module_entry.h"

namespace qv::platform::qt {

using namespace Qt::StringLiterals;

std::optional<NetworkServices> LoadNetworkServices() {
    const auto create = reinterpret_cast<CreateNetworkServices>(ModuleEntry(
        u"libqv_network.so"_s, QStringLiteral(QV_NETWORK_MODULE), kCreateNetworkServicesSymbol));
    if (create == nullptr) {
        return std::nullopt;
    }
    const std::unique_ptr<NetworkServices> services(create());
    return std::move(*services);
}

} // namespace qv::platform::qt
