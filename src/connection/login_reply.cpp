#include "connection/login_reply.h"

#include "connection/connection.h"
#include "table/table_state.h"

#include <QUrl>

using namespace Qt::StringLiterals;

namespace qv::connection {
namespace {

constexpr int kAutoPlayByte = 9;
constexpr int kResultByte = 15;
constexpr int kBannerByte = 16;
constexpr int kBannerMaxBytes = 100;
constexpr std::uint8_t kAccepted = 1;
constexpr std::uint8_t kStartFailed = 2;
constexpr int kBossKeyCountdown = 2;

/// The banner address, one byte per character; only a web address is taken, anything else
/// counts as no address at all.
QString bannerAddress(const GameMessage& message) {
    const QString text = QString::fromLatin1(message.textField(kBannerByte, kBannerMaxBytes));
    const QUrl url(text, QUrl::StrictMode);
    const bool web = url.isValid() && (url.scheme() == u"http"_s || url.scheme() == u"https"_s);
    return web ? text : QString();
}

LoginReply::Result resultOf(std::uint8_t byte) {
    switch (byte) {
    case kAccepted:
        return LoginReply::Result::Accepted;
    case kStartFailed:
        return LoginReply::Result::StartFailed;
    default:
        return LoginReply::Result::Refused;
    }
}

void accept(Connection& conn, const LoginReply& reply) {
    auto& view = *conn.view;
    conn.g_bLoggedIn = true;
    conn.match.g_bLeavingTable = false;
    PostToLobby(conn, LobbyMsgConnected);
    conn.AutoPlayAfter = reply.autoPlayAfter;
    view.sysmsgClear(0);
    view.sysmsgClear(1);
    view.sysmsgAdd(0, u"连接服务器成功！"_s);
    view.sysmsgAdd(1, u"欢迎光临Velmor山庄游戏网站！"_s);
    conn.matchReset->initMatchData();
    view.hideMatchPanels();
    if (conn.table.g_bBossKey) {
        conn.CountDownStart = kBossKeyCountdown;
    }
    if (!reply.banner.isEmpty()) {
        conn.BannerUrl = reply.banner;
        view.showBanner(reply.banner);
        conn.ShufflePageUrl = reply.banner + u".gamead"_s;
    }
}

void refuse(Connection& conn, const QString& reason) {
    PostToLobby(conn, LobbyMsgReconnect);
    conn.view->sysmsgClear(0);
    conn.view->sysmsgAdd(0, reason);
    RestoreLobbyAndEnd(conn);
}

} // namespace

std::optional<LoginReply> decodeLoginReply(const GameMessage& message) {
    LoginReply reply;
    reply.result = resultOf(message.u8(kResultByte));
    reply.autoPlayAfter = message.u8(kAutoPlayByte);
    if (reply.result == LoginReply::Result::Accepted) {
        reply.banner = bannerAddress(message);
    }
    return reply;
}

void OnLoginReply(Connection& conn, const LoginReply& reply) {
    conn.TimerKeepAlive.setEnabled(true);
    conn.g_bLeftTable = false;
    conn.TimerKeepAlive.setInterval(5000);
    conn.HeldCmd45AArmed = false;
    conn.HeldCmd45BArmed = false;
    conn.HeldCmd45A = GameMessage();
    conn.HeldCmd45B = GameMessage();
    conn.g_bHoldLeft = false;
    conn.g_bFirstDealDone = 0;
    conn.g_bTimeLimit = true;
    conn.table.g_bHiddenPlay = false;
    conn.g_bLoginPending = false;
    switch (reply.result) {
    case LoginReply::Result::Accepted:
        accept(conn, reply);
        break;
    case LoginReply::Result::StartFailed:
        refuse(conn, u"启动游戏失败，请重新在大厅就座后进入游戏！"_s);
        break;
    case LoginReply::Result::Refused:
        refuse(conn, u"验证错误，请重新在大厅就座后进入游戏！"_s);
        break;
    }
}

} // namespace qv::connection
