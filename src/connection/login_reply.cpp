#include "client.h"
#include "connection/connection.h"

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

void accept(Client& client, const GameMessage& message) {
    auto& conn = client.conn;
    auto& view = *conn.view;
    conn.g_bLoggedIn = true;
    PostToLobby(client, LobbyMsgConnected);
    conn.AutoPlayAfter = message.u8(kAutoPlayByte);
    view.sysmsgClear(0);
    view.sysmsgClear(1);
    view.sysmsgAdd(0, u"连接服务器成功！"_s);
    view.sysmsgAdd(1, u"欢迎光临Velmor山庄游戏网站！"_s);
    conn.later->initMatchData(client);
    view.hideMatchPanels();
    if (client.shared.g_bBossKey) {
        client.shared.CountDownStart = kBossKeyCountdown;
    }
    const QString banner = bannerAddress(message);
    if (!banner.isEmpty()) {
        conn.BannerUrl = banner;
        view.showBanner(banner);
        conn.ShufflePageUrl = banner + u".gamead"_s;
    }
}

void refuse(Client& client, const QString& reason) {
    PostToLobby(client, LobbyMsgReconnect);
    client.conn.view->sysmsgClear(0);
    client.conn.view->sysmsgAdd(0, reason);
    RestoreLobbyAndEnd(client);
}

} // namespace

void OnLoginReply(Client& client, GameMessage& message) {
    auto& conn = client.conn;
    conn.TimerKeepAlive.setEnabled(true);
    client.shared.g_bLeftTable = false;
    conn.TimerKeepAlive.setInterval(5000);
    conn.HeldCmd45AArmed = false;
    conn.HeldCmd45BArmed = false;
    conn.HeldCmd45A = GameMessage();
    conn.HeldCmd45B = GameMessage();
    conn.g_bHoldLeft = false;
    conn.g_bFirstDealDone = 0;
    conn.g_bTimeLimit = true;
    client.shared.g_bHiddenPlay = false;
    conn.g_bLoginPending = false;
    switch (message.u8(kResultByte)) {
    case kAccepted:
        accept(client, message);
        break;
    case kStartFailed:
        refuse(client, u"启动游戏失败，请重新在大厅就座后进入游戏！"_s);
        break;
    default:
        refuse(client, u"验证错误，请重新在大厅就座后进入游戏！"_s);
        break;
    }
}

} // namespace qv::connection
