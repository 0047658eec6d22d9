#include "chat/chat_state.h"
#include "connection/commands.h"
#include "connection/connection.h"
#include "hand/hand_state.h"
#include "platform/services.h"

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

int& count(Connection& conn, int slot) {
    return conn.slots.BongCount.at(static_cast<std::size_t>(slot));
}

bool armed(const Connection& conn, int slot) {
    return conn.slots.BongFlag.at(static_cast<std::size_t>(slot));
}

bool connected(const Connection& conn) {
    return conn.services.winsock.State() == Socket::sckConnected;
}

/// Whether a slot fires this tick; a slot that reaches its period unarmed starts counting anew.
bool due(Connection& conn, int slot, int period) {
    if (count(conn, slot) < period) {
        return false;
    }
    if (!armed(conn, slot)) {
        count(conn, slot) = 0;
        return false;
    }
    return true;
}

/// Back to the lobby after the connection was lost outside a hand or went silent.
void returnToLobby(Connection& conn) {
    conn.view->minimizeTable();
    RestoreLobby(conn);
    conn.g_bTableReset = false;
    conn.tableExit->LeaveTableReset();
    conn.tableExit->ClearTableState();
    conn.tableExit->ResetTable();
}

void loginSlot(Connection& conn) {
    if (!due(conn, kLoginSlot, kLoginPeriod) || !conn.RecvRing.empty()) {
        return;
    }
    PostToLobby(conn, LobbyMsgReconnect);
    if (connected(conn)) {
        conn.g_bLoginPending = true;
        GameMessage& login = conn.loginToSend();
        login.setU8(kSeqNumByte, conn.CurSeqNum[0]);
        login.setU8(kSeqNumByte + 1, conn.CurSeqNum[1]);
        conn.services.winsock.SendData(login.toByteArray());
        conn.slots.arm(kCheckSlot);
        conn.slots.BongFlag[kLoginSlot] = false;
    }
    plugin::TellConnectionState(conn.plugin, true);
    count(conn, kLoginSlot) = 0;
}

/// The kind of a plug-in data message; messages whose high byte does not fit a 16-bit signed
/// value have none.
int propKind(const GameMessage& msg) {
    const int high = msg.u8(kPropKindHigh);
    return high >= 0x80 ? -1 : (high * 256 + msg.u8(kPropKindLow)) / 8;
}

/// Keeps the two plug-in messages that wait for the next hand while their park is armed.
bool park(Connection& conn, const GameMessage& msg) {
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

void sendSlot(Connection& conn) {
    if (!due(conn, kSendSlot, 1)) {
        return;
    }
    if (!conn.SendRing.hasMessage()) {
        conn.slots.BongFlag[kSendSlot] = false;
    } else if (connected(conn)) {
        const GameMessage msg = conn.SendRing.takeMessage();
        if (!park(conn, msg)) {
            conn.services.winsock.SendData(msg.toByteArray());
            if (msg.command() == MsgTableState && msg.u8(kLeaveStateByte) == 0) {
                if (!conn.services.lobby.find(conn.LobbyTitle)) {
                    conn.services.process.endNow();
                }
                conn.view->minimizeTable();
                RestoreLobby(conn);
            }
        }
    }
    count(conn, kSendSlot) = 0;
}

void silenceCheck(Connection& conn) {
    if (!conn.g_bInGame || ++conn.SilenceCount < kSilenceLimit) {
        return;
    }
    if (!conn.services.lobby.find(conn.LobbyTitle)) {
        conn.services.process.endNow();
    }
    conn.view->sysmsgClear(0);
    conn.view->sysmsgAdd(0, u"已经与服务器断开连接，请重新入座！"_s);
    returnToLobby(conn);
    conn.SilenceCount = 0;
}

void receiveSlot(Connection& conn) {
    if (!due(conn, kReceiveSlot, kReceivePeriod)) {
        return;
    }
    silenceCheck(conn);
    if (conn.RecvRing.hasMessage()) {
        conn.RecvFrame = conn.RecvRing.takeMessage();
        if (conn.RecvFrame.command() == MsgPlayerLeft && conn.g_bHoldLeft) {
            conn.RecvRing.untakeMessage();
        } else {
            DispatchFrame(conn, conn.RecvFrame);
        }
        if (conn.g_bInGame) {
            conn.SilenceCount = 0;
        }
    }
    count(conn, kReceiveSlot) = conn.RecvRing.hasMessage() ? 1 : 0;
}

void blinkSlot(Connection& conn) {
    if (!due(conn, kBlinkSlot, kBlinkPeriod)) {
        return;
    }
    int& blinks = conn.chat.TalkBlinkCount;
    if (blinks > 0) {
        conn.view->showChatButton(blinks % 2 == 0);
        --blinks;
    } else {
        conn.view->showChatButton(false);
        conn.slots.BongFlag[kBlinkSlot] = false;
    }
    count(conn, kBlinkSlot) = 0;
}

void checkSlot(Connection& conn) {
    if (!due(conn, kCheckSlot, kCheckPeriod)) {
        return;
    }
    if (!connected(conn)) {
        plugin::TellConnectionState(conn.plugin, false);
        if (!conn.services.lobby.find(conn.LobbyTitle)) {
            conn.services.messageBox.show(u"没有找到Velmor山庄！"_s, QString());
            conn.services.process.endNow();
        }
        if (conn.g_bInGame) {
            conn.g_bLoggedIn = false;
            conn.slots.disarm(kCheckSlot);
            conn.TimerKeepAlive.setEnabled(true);
            conn.reconnect->startReconnect();
        } else {
            returnToLobby(conn);
        }
    }
    count(conn, kCheckSlot) = 0;
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

void TimerBong_Timer(Connection& conn) {
    TickGuard guard(conn.TimerBong);
    auto& counts = conn.slots.BongCount;
    for (std::size_t slot = 0; slot < counts.size(); ++slot) {
        if (slot != 8) {
            ++counts[slot];
        }
    }
    ++conn.g_CallTicks;
    // The one place where the order of the tick's steps is given.
    conn.pumpSteps.run(PumpStep::Panels);
    loginSlot(conn);
    sendSlot(conn);
    receiveSlot(conn);
    blinkSlot(conn);
    conn.pumpSteps.run(PumpStep::Countdowns);
    checkSlot(conn);
    conn.pumpSteps.run(PumpStep::Plugin);
}

} // namespace qv::connection
