#include "connection/connection_state.h"

#include "client.h"
#include "connection/connection.h"

namespace qv::connection {
namespace {

constexpr int kPumpIntervalMs = 50;
constexpr int kKeepAliveIntervalMs = 5000;

} // namespace

ConnectionState::ConnectionState(Client& client)
    : TimerBong(client.services.time, kPumpIntervalMs, [&client] { TimerBong_Timer(client); }),
      TimerKeepAlive(client.services.time, kKeepAliveIntervalMs,
                     [&client] { TimerKeepAlive_Timer(client); }) {
    auto& events = client.services.winsock.events;
    events.DataArrival = [&client](int bytesTotal) {
        Winsock1_DataArrival(client, bytesTotal);
    };
    events.Close = [&client] {
        Winsock1_Close(client);
    };
}

} // namespace qv::connection
