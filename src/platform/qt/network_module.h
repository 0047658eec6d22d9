#pragma once

#include "platform/http_client.h"
#include "platform/lobby_link.h"
#include "platform/socket.h"

#include <memory>
#include <optional>

// What the network module offers the platform. The module alone links Qt Network, whose loading
// with the libraries it needs costs the start about a millisecond: the program loads it while the
// font configuration is still being read, when the window could not be drawn anyway.

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

/// Loads the module (libqv_network.so) and makes its services; nothing when it does not load.
[[nodiscard]] std::optional<NetworkServices> LoadNetworkServices();

} // namespace qv::platform::qt
