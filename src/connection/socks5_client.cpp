#include "connection/socks5_client.h"

#include "connection/connection.h"
#include "connection/socks5.h"
#include "platform/services.h"

#include <span>

using namespace Qt::StringLiterals;

namespace qv::connection {
namespace {

using platform::Socket;
using Verdict = SocksVerdict::Kind;

QString failureText(std::uint8_t stage) {
    switch (stage) {
    case kSocksMethodReply:
        return u"请求代理失败！"_s;
    case kSocksUserPass:
    case kSocksUserPassReply:
        return u"代理服务器用户验证失败！"_s;
    default:
        return u"通过代理连接主站失败！"_s;
    }
}

} // namespace

void ResetProxyReply(Connection& conn) {
    conn.proxyReplies.ProxyReplyWritePos = 0;
    conn.proxyReplies.ProxyReplyReadPos = 0;
}

Socks5Client::Socks5Client(Connection& conn)
    : conn_(conn), bound_(conn.services.time, kExchangeBoundMs,
                          [this] { fail(failureText(kSocksConnectReply)); }) {}

void Socks5Client::ConnectToSock5Server() {
    conn_.connecting = true;
    try {
        ResetRings(conn_);
        conn_.g_bGameData = false;
        conn_.SocksStage = 0;
        ResetProxyReply(conn_);
        auto& sock = conn_.services.winsock;
        if (sock.State() != Socket::sckClosed) {
            sock.Close();
        }
        sock.setRemoteHost(conn_.commandLine.ProxyHost);
        sock.setRemotePort(conn_.commandLine.ProxyPort);
        bound_.setEnabled(false);
        bound_.setEnabled(true);
        sock.Connect();
    } catch (...) {
        bound_.setEnabled(false);
        conn_.connecting = false;
        throw;
    }
}

void Socks5Client::ProxyConnected() {
    conn_.g_bLoginPending = true;
    conn_.SocksStage = 0;
    ResetProxyReply(conn_);
    conn_.SocksStage = kSocksGreeting;
    SendSocksStage(conn_.SocksStage);
    conn_.slots.arm(kCheckSlot);
}

void Socks5Client::ProxyFailed() {
    fail(failureText(kSocksConnectReply));
}

void Socks5Client::SendSocksStage(std::uint8_t& stage) {
    const auto& line = conn_.commandLine;
    std::optional<QByteArray> packet;
    switch (stage) {
    case kSocksGreeting:
        packet = SocksGreeting();
        break;
    case kSocksUserPass:
        packet = SocksUserPassRequest(line.ProxyUser, line.ProxyPass);
        break;
    case kSocksConnect:
        packet = SocksConnectRequest(line.ServerHost, line.ServerPort);
        break;
    default:
        return;
    }
    if (!packet) {
        fail(failureText(stage));
        return;
    }
    ++stage;
    ResetProxyReply(conn_);
    conn_.services.winsock.SendData(*packet);
}

void Socks5Client::OnSocksReply() {
    const auto& ring = conn_.proxyReplies;
    if (!conn_.connecting) {
        // Nothing awaits these bytes (the exchange has failed): they are dropped.
        ResetProxyReply(conn_);
        return;
    }
    std::uint8_t& stage = conn_.SocksStage;
    const SocksVerdict verdict = JudgeSocksReply(
        stage, std::span(ring.bytes.data(), static_cast<std::size_t>(ring.ProxyReplyWritePos)));
    if (verdict.kind == Verdict::NeedMore) {
        return;
    }
    if (verdict.kind == Verdict::Refused) {
        fail(failureText(stage));
        return;
    }
    switch (stage) {
    case kSocksMethodReply:
        stage = verdict.method == kSocksUserPassMethod ? kSocksUserPass : kSocksConnect;
        SendSocksStage(stage);
        break;
    case kSocksUserPassReply:
        stage = kSocksConnect;
        SendSocksStage(stage);
        break;
    default:
        succeed();
        break;
    }
}

void Socks5Client::fail(const QString& text) {
    bound_.setEnabled(false);
    ResetProxyReply(conn_);
    // The exchange counts as under way until the socket is closed, so nothing starts another
    // connect while the notice is open.
    conn_.services.messageBox.show(text, QString());
    conn_.services.winsock.Close();
    conn_.connecting = false;
}

void Socks5Client::succeed() {
    bound_.setEnabled(false);
    ResetProxyReply(conn_);
    conn_.connecting = false;
    conn_.g_bGameData = true;
    PostToLobby(conn_, LobbyMsgConnected);
    conn_.view->sysmsgClear(0);
    conn_.view->sysmsgAdd(0, u"连接代理服务器成功！"_s);
    conn_.services.winsock.SendData(conn_.loginToSend().toByteArray());
    conn_.TimerBong.setEnabled(true);
}

} // namespace qv::connection
