#pragma once

#include "platform/http_client.h"
#include "platform/lobby_link.h"
#include "platform/socket.h"

#include <QtGlobal>

#include <future>
#include <memory>
#include <optional>

// What the network module offers the platform. The module alone links Qt Network, whose loading
// with the libraries it needs costs the start one to two milliseconds: the program loads it on a
// thread of its own while the application is made, which takes about as long.

namespace qv::platform::qt {

/// The services that talk over the network or to the lobby.
struct NetworkServices {
    std::unique_ptr<Socket> winsock;
    std::unique_ptr<HttpClient> http;
    std::unique_ptr<LobbyLink> lobby;
};

/// The module's entry point, exported under the name `kCreateNetworkServicesSymbol`: the services
/// over Qt Network, owned by the caller. Needs a QApplication.
using CreateNetworkServices = NetworkServices* (*)();
inline constexpr char kCreateNetworkServicesSymbol[] = "qvCreateNetworkServices";

/// The network module (libqv_network.so), loaded on a thread of its own from when this is made,
/// or when its services are asked for if no thread can be started.
class NetworkModuleLoad {
public:
    NetworkModuleLoad();

    /// Waits for the module, then makes its services on the calling thread, which is the one their
    /// objects live on; nothing when the module does not load. Needs a QApplication; call once.
    [[nodiscard]] std::optional<NetworkServices> services();

private:
    std::future<QFunctionPointer> entry_;
};

} // namespace qv::platform::qt
