#include "connection/frm_reconnect.h"

#include "connection/commands.h"
#include "connection/connection.h"
#include "platform/services.h"

using namespace Qt::StringLiterals;

namespace qv::connection {
namespace {

using platform::Socket;

constexpr int kReconnectTickMs = 1;

} // namespace

GameMessage BuildReconnectRequest(const GameMessage& login, std::array<std::uint8_t, 2> seqNum,
                                  std::uint32_t threadIndex) {
    GameMessage request = login;
    request.setCommand(MsgReconnect);
    request.setU8(kSeqNumByte, seqNum[0]);
    request.setU8(kSeqNumByte + 1, seqNum[1]);
    request.setU32le(kThreadIndexByte, threadIndex);
    return request;
}

void ReconnectStep(Connection& conn) {
    conn.view->sysmsgClear(0);
    conn.view->sysmsgClear(1);
    conn.view->sysmsgAdd(0, u"正在重新连接服务器..."_s);
    conn.ReconnectBuffer =
        BuildReconnectRequest(conn.LoginBuffer, conn.CurSeqNum, conn.threadIndex);
    conn.reconnecting = true;
    conn.g_bGameData = true;
    conn.services.winsock.Close();
    // What was queued for the lost connection would reach the new one before its request. The
    // bytes of a message cut by the drop would hold the request back, which goes out only from an
    // empty receive ring, and put every later message out of step; the whole messages before them
    // are still worked off, and the server sends again what comes after the last one.
    conn.SendRing.reset();
    conn.RecvRing.dropCutMessage();
    ConnectByProxyType(conn);
}

FrmReconnect::FrmReconnect(Connection& conn)
    : TimerReconnect(conn.services.time, kReconnectTickMs, [this] { TimerReconnect_Timer(); }),
      TimerCount(conn.services.time, kCountIntervalMs, [this] { TimerCount_Timer(); }),
      conn_(conn) {}

void FrmReconnect::startReconnect() {
    if (!loaded_) {
        Form_Load();
    }
}

void FrmReconnect::Form_Load() {
    loaded_ = true;
    pendingTicks_ = 0;
    conn_.ReconnectCount = 0;
    conn_.ReconnectTime = 0;
    TimerReconnect.setEnabled(true);
    TimerCount.setEnabled(false);
}

void FrmReconnect::Unload() {
    TimerReconnect.setEnabled(false);
    TimerCount.setEnabled(false);
    loaded_ = false;
}

void FrmReconnect::TimerReconnect_Timer() {
    --conn_.ReconnectTime;
    if (conn_.ReconnectTime < 1) {
        TimerReconnect.setEnabled(false);
        conn_.ReconnectTime = 0;
        TimerCount.setEnabled(true);
    }
}

void FrmReconnect::TimerCount_Timer() {
    if (attemptSucceeded()) {
        TimerCount.setEnabled(false);
        Unload();
        return;
    }
    // One attempt at a time: a proxy exchange ends by itself, within its own bound; a direct
    // connect that hangs is given up after a while.
    if (conn_.connecting || (SocketConnecting(conn_) && ++pendingTicks_ < kAttemptBoundTicks)) {
        return;
    }
    pendingTicks_ = 0;
    if (conn_.ReconnectCount > kLastAttempt) {
        giveUp();
        return;
    }
    ++conn_.ReconnectCount;
    ReconnectStep(conn_);
}

bool FrmReconnect::attemptSucceeded() const {
    return conn_.services.winsock.State() == Socket::sckConnected && !conn_.connecting;
}

void FrmReconnect::giveUp() {
    if (conn_.plugin.Prop_GameDllState > 0) {
        conn_.propPlugin->ExitPropPlugin(0);
    }
    conn_.view->minimizeTable();
    RestoreLobby(conn_);
    conn_.g_bTableReset = false;
    conn_.tableExit->LeaveTableReset();
    conn_.tableExit->ClearTableState();
    conn_.tableExit->ResetTable();
    TimerCount.setEnabled(false);
    // Unloaded, unlike before, so that a connection lost in a later hand is tried again.
    Unload();
    conn_.tableExit->ShowOtherExit(u"网络已断开,请退出大厅重新登陆游戏"_s);
}

} // namespace qv::connection
