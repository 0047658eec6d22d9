#include "connection/connection.h"

#include "platform/services.h"

namespace qv::connection {
namespace {

constexpr int kPumpIntervalMs = 50;
constexpr int kKeepAliveIntervalMs = 5000;

} // namespace

Connection::Connection(platform::Services& platformServices, const Peers& peers)
    : services(platformServices), table(peers.table), hand(peers.hand), chat(peers.chat),
      plugin(peers.plugin), match(peers.match), sound(peers.sound),
      TimerBong(platformServices.time, kPumpIntervalMs, [this] { TimerBong_Timer(*this); }),
      TimerKeepAlive(platformServices.time, kKeepAliveIntervalMs,
                     [this] { TimerKeepAlive_Timer(*this); }) {
    auto& events = services.winsock.events;
    events.DataArrival = [this](int bytesTotal) {
        Winsock1_DataArrival(*this, bytesTotal);
    };
    events.Connect = [this] {
        Winsock1_Connect(*this);
    };
    events.Error = [this](int /*number*/, const QString& /*description*/) {
        Winsock1_Error(*this);
    };
    events.Close = [this] {
        Winsock1_Close(*this);
    };
}

} // namespace qv::connection
