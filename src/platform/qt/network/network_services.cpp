#include "platform/qt/network_module.h"
#include "platform/qt/qt_http_client.h"
#include "platform/qt/qt_lobby_link.h"
#include "platform/qt/qt_socket.h"

// The network module's entry point; the services themselves are the platform's Qt ones.

extern "C" Q_DECL_EXPORT qv::platform::qt::NetworkServices* qvCreateNetworkServices() {
    using namespace qv::platform::qt;
    return new NetworkServices{.winsock = std::make_unique<QtSocket>(),
                               .http = std::make_unique<QtHttpClient>(),
                               .lobby = std::make_unique<QtLobbyLink>()};
}
