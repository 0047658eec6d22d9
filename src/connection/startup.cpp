#include "chat/chat_state.h"
#include "common/sound.h"
#include "connection/connection.h"
#include "connection/login_buffer.h"
#include "hand/hand_state.h"
#include "platform/services.h"
#include "table/table_state.h"

using namespace Qt::StringLiterals;

namespace qv::connection {
namespace {

constexpr int kAltLobbyCountdown = 25;

/// The lobby the line names: its own title in the alternate mode, the usual one otherwise.
QString lobbyTitleOf(const LobbyCommandLine& line) {
    return line.AltLobbyMode ? line.LobbyTitle : kDefaultLobbyTitle;
}

void putStartValues(Connection& conn) {
    conn.slots.disarmAll();
    conn.SilenceCount = 0;
    conn.g_bLoginPending = false;
    conn.g_bTableReset = false;
    conn.chat.TalkBlinkCount = 0;
    conn.sound.g_bMusicOn = true;
    conn.sound.g_bEffectOn = true;
    conn.sound.g_bSoundOn = true;
    conn.chat.ChatReady = true;
    conn.match.G_MatchType = 0;
}

/// Takes the fields of the command line into the client; false when the line is not usable.
bool takeCommandLine(Connection& conn, const LobbyCommandLine& line) {
    conn.commandLine = line;
    conn.hand.custom[0].name = line.userName_;
    conn.plugin.Prop_UserName = line.userName_;
    conn.plugin.Prop_UserCode = line.credential_;
    conn.plugin.Prop_swicth = line.Prop_swicth;
    conn.plugin.Prop_InitArg = line.Prop_InitArg;
    conn.view->setLocation(line.location_);
    conn.view->sysmsgClear(0);
    conn.view->sysmsgAdd(0, u"正在连接服务器..."_s);
    conn.TimerBong.setEnabled(false);
    conn.g_bGameData = true;
    conn.LobbyTitle = lobbyTitleOf(line);
    if (line.AltLobbyMode) {
        conn.view->setTableCaption(line.LobbyCaption);
        conn.CountDownStart = kAltLobbyCountdown;
        conn.table.g_bBossKey = true;
    }
    const auto login = BuildLoginBuffer(line.userName_, line.credential_);
    if (!login) {
        return false;
    }
    conn.LoginBuffer = *login;
    return true;
}

} // namespace

void BeginStartUp(Connection& conn) {
    ResetRings(conn);
    if (conn.services.singleInstance.previousInstance()) {
        conn.services.messageBox.show(u"Quorvale已经运行！"_s, u"警告"_s);
        RestoreLobbyAndEnd(conn);
        return;
    }
    conn.g_bHoldLeft = false;
    conn.table.g_bBossKey = false;
    conn.table.g_bHiddenPlay = false;
    putStartValues(conn);
}

void OpenConnection(Connection& conn, const QString& commandLine) {
    auto& services = conn.services;
    conn.matchReset->initMatchData();
    conn.match.G_MatchType = 0;
    conn.view->initPrizePanel();
    conn.view->initJadeTask();
    // The prize bar waits hidden until the prize pool is known.
    conn.view->hidePrizePanel();
    conn.match.ownPKValue = -1;
    conn.match.juNum = 0;
    const CommandLineResult read = ReadCommandLine(commandLine);
    if (read.status == CommandLineStatus::Empty) {
        services.messageBox.show(u"本游戏需从游戏大厅中启动！"_s, u"警告"_s);
        services.process.endNow();
    }
    if (read.status == CommandLineStatus::Invalid || !takeCommandLine(conn, read.line)) {
        conn.LobbyTitle = lobbyTitleOf(read.line);
        RestoreLobbyAndEnd(conn);
        return;
    }
    conn.reconnecting = false;
    ConnectByProxyType(conn);
    RestoreLobby(conn);
}

void InstallLobbyLink(Connection& conn) {
    conn.hand.custom[0].seat = 0;
    conn.g_bReconnected = false;
    if (conn.commandLine.g_bSpectator) {
        conn.match.juNum = 0;
    }
    conn.services.lobby.listen(conn.LobbyTitle, [&conn](int msg) { LobbyWndProc(conn, msg); });
    conn.subclassed = true;
}

void Form_Load(Connection& conn, const QString& commandLine) {
    BeginStartUp(conn);
    OpenConnection(conn, commandLine);
    conn.view->showTable();
    InstallLobbyLink(conn);
}

void Form_Unload(Connection& conn) {
    conn.services.lobby.listen(conn.LobbyTitle, {});
    conn.subclassed = false;
    if (conn.sound.g_bSoundOn) {
        conn.sound.StopSound();
    }
    if (conn.plugin.Prop_GameDllState > 0) {
        conn.propPlugin->ExitPropPlugin(1);
    }
    conn.plugin.Prop_GameDll.reset();
    conn.services.process.shutDown();
}

} // namespace qv::connection
