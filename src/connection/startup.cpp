#include "client.h"
#include "connection/connection.h"
#include "connection/login_buffer.h"

using namespace Qt::StringLiterals;

namespace qv::connection {
namespace {

constexpr int kAltLobbyCountdown = 25;

/// The lobby the line names: its own title in the alternate mode, the usual one otherwise.
QString lobbyTitleOf(const LobbyCommandLine& line) {
    return line.AltLobbyMode ? line.LobbyTitle : kDefaultLobbyTitle;
}

void putStartValues(Client& client) {
    auto& conn = client.conn;
    auto& shared = client.shared;
    conn.slots.disarmAll();
    conn.SilenceCount = 0;
    conn.g_bLoginPending = false;
    conn.g_bTableReset = false;
    shared.TalkBlinkCount = 0;
    client.sound.g_bMusicOn = true;
    client.sound.g_bEffectOn = true;
    client.sound.g_bSoundOn = true;
    shared.ChatReady = true;
    shared.G_MatchType = 0;
}

/// Takes the fields of the command line into the client; false when the line is not usable.
bool takeCommandLine(Client& client, const LobbyCommandLine& line) {
    auto& conn = client.conn;
    auto& shared = client.shared;
    conn.commandLine = line;
    shared.custom[0].name = line.userName_;
    shared.Prop_UserName = line.userName_;
    shared.Prop_UserCode = line.credential_;
    shared.Prop_swicth = line.Prop_swicth;
    shared.Prop_InitArg = line.Prop_InitArg;
    conn.view->setLocation(line.location_);
    conn.view->sysmsgClear(0);
    conn.view->sysmsgAdd(0, u"正在连接服务器..."_s);
    conn.TimerBong.setEnabled(false);
    conn.g_bGameData = true;
    conn.LobbyTitle = lobbyTitleOf(line);
    if (line.AltLobbyMode) {
        conn.view->setTableCaption(line.LobbyCaption);
        shared.CountDownStart = kAltLobbyCountdown;
        shared.g_bBossKey = true;
    }
    const auto login = BuildLoginBuffer(line.userName_, line.credential_);
    if (!login) {
        return false;
    }
    conn.LoginBuffer = *login;
    return true;
}

} // namespace

void BeginStartUp(Client& client) {
    ResetRings(client);
    if (client.services.singleInstance.previousInstance()) {
        client.services.messageBox.show(u"Quorvale已经运行！"_s, u"警告"_s);
        RestoreLobbyAndEnd(client);
        return;
    }
    client.conn.g_bHoldLeft = false;
    client.shared.g_bBossKey = false;
    client.shared.g_bHiddenPlay = false;
    putStartValues(client);
}

void OpenConnection(Client& client, const QString& commandLine) {
    auto& services = client.services;
    auto& conn = client.conn;
    conn.later->initMatchData(client);
    client.shared.G_MatchType = 0;
    client.shared.ownPKValue = -1;
    client.shared.juNum = 0;
    const CommandLineResult read = ReadCommandLine(commandLine);
    if (read.status == CommandLineStatus::Empty) {
        services.messageBox.show(u"本游戏需从游戏大厅中启动！"_s, u"警告"_s);
        services.process.endNow();
    }
    if (read.status == CommandLineStatus::Invalid || !takeCommandLine(client, read.line)) {
        conn.LobbyTitle = lobbyTitleOf(read.line);
        RestoreLobbyAndEnd(client);
        return;
    }
    ConnectByProxyType(client);
    RestoreLobby(client);
}

void InstallLobbyLink(Client& client) {
    auto& conn = client.conn;
    client.shared.custom[0].seat = 0;
    conn.g_bReconnected = false;
    if (conn.commandLine.g_bSpectator) {
        client.shared.juNum = 0;
    }
    client.services.lobby.listen(conn.LobbyTitle,
                                 [&client](int msg) { LobbyWndProc(client, msg); });
    conn.subclassed = true;
}

void Form_Load(Client& client, const QString& commandLine) {
    BeginStartUp(client);
    OpenConnection(client, commandLine);
    client.conn.view->showTable();
    InstallLobbyLink(client);
}

void Form_Unload(Client& client) {
    client.services.lobby.listen(client.conn.LobbyTitle, {});
    client.conn.subclassed = false;
    if (client.sound.g_bSoundOn) {
        client.sound.StopSound();
    }
    if (client.shared.Prop_GameDllState > 0) {
        client.conn.later->ExitPropPlugin(client, 1);
    }
    client.shared.Prop_GameDll.reset();
    client.services.process.shutDown();
}

} // namespace qv::connection
