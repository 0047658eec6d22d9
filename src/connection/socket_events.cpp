#include "connection/connection.h"
#include "platform/services.h"

namespace qv::connection {

void TakeGameData(Connection& conn, const QByteArray& bytes) {
    for (const char byte : bytes) {
        if (!conn.RecvRing.pushByte(static_cast<std::uint8_t>(byte))) {
            RestoreLobbyAndEnd(conn);
        }
    }
    conn.slots.arm(kReceiveSlot);
}

void Winsock1_DataArrival(Connection& conn, int /*bytesTotal*/) {
    const QByteArray data = conn.services.winsock.GetData();
    if (conn.g_bGameData) {
        TakeGameData(conn, data);
        return;
    }
    auto& ring = conn.proxyReplies;
    qsizetype at = 0;
    while (at < data.size() && !conn.g_bGameData) {
        ring.bytes[static_cast<std::size_t>(ring.ProxyReplyWritePos)] =
            static_cast<std::uint8_t>(data[at++]);
        ring.ProxyReplyWritePos = (ring.ProxyReplyWritePos + 1) % ProxyReplyRing::kSize;
        if (ring.ProxyReplyWritePos == ring.ProxyReplyReadPos) {
            RestoreLobbyAndEnd(conn);
        }
        conn.proxy->OnSocksReply();
    }
    // The game's first bytes may come in the same arrival as the proxy's last reply.
    if (at < data.size()) {
        TakeGameData(conn, data.mid(at));
    }
}

void Winsock1_Connect(Connection& conn) {
    if (conn.connecting) {
        conn.proxy->ProxyConnected();
    }
}

void Winsock1_Error(Connection& conn) {
    if (conn.connecting) {
        conn.proxy->ProxyFailed();
    }
}

void Winsock1_Close(Connection& conn) {
    if (conn.connecting) {
        conn.proxy->ProxyFailed();
        return;
    }
    conn.services.winsock.Close();
}

} // namespace qv::connection
