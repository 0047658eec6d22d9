#include "client.h"
#include "connection/connection.h"

namespace qv::connection {

void Winsock1_DataArrival(Client& client, int /*bytesTotal*/) {
    auto& conn = client.conn;
    const QByteArray data = client.services.winsock.GetData();
    if (conn.g_bGameData) {
        for (const char byte : data) {
            if (!conn.RecvRing.pushByte(static_cast<std::uint8_t>(byte))) {
                RestoreLobbyAndEnd(client);
            }
        }
        conn.slots.arm(kReceiveSlot);
        return;
    }
    auto& ring = conn.proxyReplies;
    for (const char byte : data) {
        ring.bytes[static_cast<std::size_t>(ring.ProxyReplyWritePos)] =
            static_cast<std::uint8_t>(byte);
        ring.ProxyReplyWritePos = (ring.ProxyReplyWritePos + 1) % ProxyReplyRing::kSize;
        if (ring.ProxyReplyWritePos == ring.ProxyReplyReadPos) {
            RestoreLobbyAndEnd(client);
        }
    }
    conn.later->OnSocksReply(client);
}

void Winsock1_Close(Client& client) {
    client.services.winsock.Close();
}

} // namespace qv::connection
