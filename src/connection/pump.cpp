#include "client.h"
#include "connection/commands.h"
#include "connection/connection.h"

#include <QVariant>

using namespace Qt::StringLiterals;

namespace qv::connection {
namespace {

constexpr int kLoginPeriod = 4;
constexpr int kReceivePeriod = 2;
constexpr int kBlinkPeriod = 8;
constexpr int kCheckPeriod = 40;
constexpr int kSilenceLimit = 5000;
constexpr int kLeaveStateByte = 15;
constexpr int kPropKindHigh = 8;
constexpr int kPropKindLow = 9;
constexpr int kParkedKindA = 129;
constexpr int kParkedKindB = 386;

using platform::Socket;

int& count(Client& client, int slot) {
    return client.conn.slots.BongCount.at(static_cast<std::size_t>(slot));
}

bool armed(const Client& client, int slot) {
    return client.conn.slots.BongFlag.at(static_cast<std::size_t>(slot));
}

bool connected(const Client& client) {
    return client.services.winsock.State() == Socket::sckConnected;
}

/// Whether a slot fires this tick; a slot that reaches its period unarmed starts counting anew.
bool due(Client& client, int slot, int period) {
    if (count(client, slot) < period) {
        return false;
    }
    if (!armed(client, slot)) {
        count(client, slot) = 0;
        return false;
    }
    return true;
}

void tellPlugin(Client& client, bool up) {
    if (client.shared.Prop_GameDllState > 0 && client.shared.Prop_GameDll) {
        QVariantList args{3, up};
        client.shared.Prop_GameDll->call(u"rec_state"_s, args);
    }
}

/// Back to the lobby after the connection was lost outside a hand or went silent.
void returnToLobby(Client& client) {
    auto& later = *client.conn.later;
    client.conn.view->minimizeTable();
    RestoreLobby(client);
    client.conn.g_bTableReset = false;
    later.LeaveTableReset(client);
    later.ClearTableState(client);
    later.ResetTable(client);
}

void loginSlot(Client& client) {
    auto& conn = client.conn;
    if (!due(client, kLoginSlot, kLoginPeriod) || !conn.RecvRing.empty()) {
        return;
    }
    PostToLobby(client, LobbyMsgReconnect);
    if (connected(client)) {
        conn.g_bLoginPending = true;
        conn.LoginBuffer.setU8(kSeqNumByte, conn.CurSeqNum[0]);
        conn.LoginBuffer.setU8(kSeqNumByte + 1, conn.CurSeqNum[1]);
        client.services.winsock.SendData(conn.LoginBuffer.toByteArray());
        conn.slots.arm(kCheckSlot);
        conn.slots.BongFlag[kLoginSlot] = false;
    }
    tellPlugin(client, true);
    count(client, kLoginSlot) = 0;
}

/// The kind of a plug-in data message; messages whose high byte does not fit a 16-bit signed
/// value have none.
int propKind(const GameMessage& msg) {
    const int high = msg.u8(kPropKindHigh);
    return high >= 0x80 ? -1 : (high * 256 + msg.u8(kPropKindLow)) / 8;
}

/// Keeps the two plug-in messages that wait for the next hand while their park is armed.
bool park(Client& client, const GameMessage& msg) {
    auto& conn = client.conn;
    if (msg.command() != MsgPropData) {
        return false;
    }
    const int kind = propKind(msg);
    if (kind == kParkedKindA && conn.HeldCmd45AArmed) {
        conn.HeldCmd45A = msg;
        conn.HeldCmd45AArmed = false;
        return true;
    }
    if (kind == kParkedKindB && conn.HeldCmd45BArmed) {
        conn.HeldCmd45B = msg;
        conn.HeldCmd45BArmed = false;
        return true;
    }
    return false;
}

void sendSlot(Client& client) {
    auto& conn = client.conn;
    if (!due(client, kSendSlot, 1)) {
        return;
    }
    if (!conn.SendRing.hasMessage()) {
        conn.slots.BongFlag[kSendSlot] = false;
    } else if (connected(client)) {
        const GameMessage msg = conn.SendRing.takeMessage();
        if (!park(client, msg)) {
            client.services.winsock.SendData(msg.toByteArray());
            if (msg.command() == MsgTableState && msg.u8(kLeaveStateByte) == 0) {
                if (!client.services.lobby.find(conn.LobbyTitle)) {
                    client.services.process.endNow();
                }
                conn.view->minimizeTable();
                RestoreLobby(client);
            }
        }
    }
    count(client, kSendSlot) = 0;
}

void silenceCheck(Client& client) {
    auto& conn = client.conn;
    if (!conn.g_bInGame || ++conn.SilenceCount < kSilenceLimit) {
        return;
    }
    if (!client.services.lobby.find(conn.LobbyTitle)) {
        client.services.process.endNow();
    }
    conn.view->sysmsgClear(0);
    conn.view->sysmsgAdd(0, u"已经与服务器断开连接，请重新入座！"_s);
    returnToLobby(client);
    conn.SilenceCount = 0;
}

void receiveSlot(Client& client) {
    auto& conn = client.conn;
    if (!due(client, kReceiveSlot, kReceivePeriod)) {
        return;
    }
    silenceCheck(client);
    if (conn.RecvRing.hasMessage()) {
        conn.RecvFrame = conn.RecvRing.takeMessage();
        if (conn.RecvFrame.command() == MsgPlayerLeft && conn.g_bHoldLeft) {
            conn.RecvRing.untakeMessage();
        } else {
            DispatchFrame(client, conn.RecvFrame);
        }
        if (conn.g_bInGame) {
            conn.SilenceCount = 0;
        }
    }
    count(client, kReceiveSlot) = conn.RecvRing.hasMessage() ? 1 : 0;
}

void blinkSlot(Client& client) {
    if (!due(client, kBlinkSlot, kBlinkPeriod)) {
        return;
    }
    int& blinks = client.shared.TalkBlinkCount;
    if (blinks > 0) {
        client.conn.view->showChatButton(blinks % 2 == 0);
        --blinks;
    } else {
        client.conn.view->showChatButton(false);
        client.conn.slots.BongFlag[kBlinkSlot] = false;
    }
    count(client, kBlinkSlot) = 0;
}

void checkSlot(Client& client) {
    auto& conn = client.conn;
    if (!due(client, kCheckSlot, kCheckPeriod)) {
        return;
    }
    if (!connected(client)) {
        tellPlugin(client, false);
        if (!client.services.lobby.find(conn.LobbyTitle)) {
            client.services.messageBox.show(u"没有找到Velmor山庄！"_s, QString());
            client.services.process.endNow();
        }
        if (conn.g_bInGame) {
            conn.g_bLoggedIn = false;
            conn.slots.disarm(kCheckSlot);
            conn.TimerKeepAlive.setEnabled(true);
            conn.later->startReconnect(client);
        } else {
            returnToLobby(client);
        }
    }
    count(client, kCheckSlot) = 0;
}

/// Switches the pump's timer back on however the tick is left.
class TickGuard {
public:
    explicit TickGuard(ServiceTimer& timer) : timer_(timer) { timer_.setEnabled(false); }
    ~TickGuard() { timer_.setEnabled(true); }
    TickGuard(const TickGuard&) = delete;
    TickGuard& operator=(const TickGuard&) = delete;

private:
    ServiceTimer& timer_;
};

} // namespace

void TimerBong_Timer(Client& client) {
    TickGuard guard(client.conn.TimerBong);
    auto& counts = client.conn.slots.BongCount;
    for (std::size_t slot = 0; slot < counts.size(); ++slot) {
        if (slot != 8) {
            ++counts[slot];
        }
    }
    ++client.shared.g_CallTicks;
    auto& later = *client.conn.later;
    later.tickPanels(client);
    loginSlot(client);
    sendSlot(client);
    receiveSlot(client);
    blinkSlot(client);
    later.tickCountdowns(client);
    checkSlot(client);
    later.tickPlugin(client);
}

} // namespace qv::connection
