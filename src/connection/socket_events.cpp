#include "connection/connection.h"
#include "platform/services.h"

namespace qv::connection {

void Winsock1_DataArrival(Connection& conn, int /*bytesTotal*/) {
    const QByteArray data = conn.services.winsock.GetData();
    if (conn.g_bGameData) {
        for (const char byte : data) {
            if (!conn.RecvRing.pushByte(static_cast<std::uint8_t>(byte))) {
                RestoreLobbyAndEnd(conn);
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
            RestoreLobbyAndEnd(conn);
        }
    }
    conn.proxy->OnSocksReply();
}

void Winsock1_Close(Connection& conn) {
    conn.services.winsock.Close();
}

} // namespace qv::connection
