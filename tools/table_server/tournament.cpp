#include "tournament.h"

#include "common/gbk.h"
#include "common/md5.h"

#include <QDateTime>
#include <QTcpSocket>

using namespace Qt::StringLiterals;

namespace qv::tools::table {
namespace {

constexpr std::int32_t kMatchId = 1;
constexpr std::uint16_t kJadeBase = 10;
constexpr int kNextRunAfter = 600;
constexpr std::uint32_t kRoomBase = 200;
const QString kFileName = u"quorvale_match.xml"_s;

GameMessage message(std::uint8_t command) {
    GameMessage m;
    m.setCommand(command);
    return m;
}

void text(GameMessage& m, int at, const QString& t) {
    m.writeBytes(at, toGbk(t).value_or(QByteArray()));
}

} // namespace

Tournament::Tournament(Options options, std::function<void(const GameMessage&)> send)
    : options_(std::move(options)), send_(std::move(send)) {
    if (options_.config.isEmpty()) {
        options_.config = builtInConfig();
    }
    schedule_.setInterval(1000);
    QObject::connect(&schedule_, &QTimer::timeout, [this] { step(); });
    QObject::connect(&http_, &QTcpServer::newConnection, [this] {
        while (QTcpSocket* socket = http_.nextPendingConnection()) {
            QObject::connect(socket, &QTcpSocket::readyRead, socket,
                             [this, socket] { serve(socket); });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

QByteArray Tournament::builtInConfig() {
    return QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<config>\n"
               "  <room_chip n=\"1\"><roomchipnum1 id=\"other\" num=\"500\"/></room_chip>\n"
               "  <matchinfo n=\"1\">\n"
               "    <m1 id=\"1\" na=\"周赛\" rm=\"每十分钟一场\" mtype=\"2\" ex=\"g:100\" "
               "ut=\"64\" "
               "utl=\"4\" des=\"四人一桌，积分最高者得冠军。\" rl=\"按积分排名\" "
               "pz=\"1;g:500;1:2|2-3;g:200;1:1|4-10;g:50\"/>\n"
               "  </matchinfo>\n"
               "</config>\n")
        .toUtf8();
}

bool Tournament::listen() {
    return !options_.url.isEmpty() || http_.listen(QHostAddress::LocalHost, 0);
}

QString Tournament::url() const {
    return !options_.url.isEmpty() ? options_.url
                                   : u"http://127.0.0.1:%1/"_s.arg(http_.serverPort()) + kFileName;
}

std::int64_t Tournament::now() const {
    return QDateTime::currentSecsSinceEpoch();
}

GameMessage Tournament::runMessage(std::uint8_t command) const {
    GameMessage m = message(command);
    m.setU32le(16, kMatchId);
    m.setU32le(20, static_cast<std::uint32_t>(start_));
    return m;
}

void Tournament::loggedIn(const QString& nickname) {
    nickname_ = toGbk(nickname).value_or(QByteArray());
    start_ = now() + options_.startAfter;
    signedUp_ = 0;
    playerIn_ = false;
    stage_ = 0;

    GameMessage config = message(80);
    const QString digest =
        options_.wrongDigest
            ? u"00000000000000000000000000000000"_s
            : GetBytesMd5(static_cast<std::int32_t>(options_.config.size()), options_.config);
    text(config, 16, digest);
    const QByteArray address = url().toLatin1().left(200);
    config.writeBytes(48, address);
    const int end = 48 + static_cast<int>(address.size());
    config.setU8(end + 1, 1);
    config.setU32le(end + 4, kRoomBase);
    send(config);

    GameMessage list = message(82);
    list.setU8(16, 1);
    list.setU32le(17, kMatchId);
    list.setU32le(21, static_cast<std::uint32_t>(start_));
    list.setU32le(25, static_cast<std::uint32_t>(options_.length));
    list.setU16le(29, kJadeBase);
    send(list);
    send(message(74));
    GameMessage window = message(90);
    window.setU32le(16, static_cast<std::uint32_t>(options_.signUpWindow));
    send(window);
    GameMessage clock = message(81);
    clock.setU32le(16, static_cast<std::uint32_t>(now()));
    send(clock);
    schedule_.start();
}

void Tournament::stop() {
    schedule_.stop();
}

bool Tournament::handle(const GameMessage& request) {
    switch (request.command()) {
    case 72: {
        const bool known = request.u32le(16) == kMatchId && stage_ == 0;
        GameMessage reply = runMessage(72);
        reply.setU32le(16, request.u32le(16));
        if (known) {
            playerIn_ = true;
            reply.setU8(24, 1);
            reply.setU16le(25, static_cast<std::uint16_t>(++signedUp_));
            reply.setU32le(27, kJadeBase);
        }
        text(reply, 31, known ? u"报名成功"_s : u"没有这场比赛"_s);
        send(reply);
        return true;
    }
    case 79: {
        GameMessage page = runMessage(79);
        page.setU16le(24, 1);
        page.setU16le(26, 2);
        page.writeBytes(28, nickname_.left(31));
        page.setU32le(60, 300);
        text(page, 64, u"电脑玩家"_s);
        page.setU32le(96, 120);
        send(page);
        return true;
    }
    case 81: {
        GameMessage clock = message(81);
        clock.setU32le(16, static_cast<std::uint32_t>(now()));
        send(clock);
        return true;
    }
    default:
        return false;
    }
}

void Tournament::step() {
    const std::int64_t t = now();
    constexpr int kPlaceAfter = 5;
    if (stage_ == 0 && t >= start_) {
        stage_ = 1;
        GameMessage started = runMessage(75);
        started.setU8(24, 1);
        send(started);
    } else if (stage_ == 1 && t >= start_ + kPlaceAfter && playerIn_) {
        stage_ = 2;
        GameMessage place = runMessage(77);
        place.setU32le(24, 2);
        place.setU32le(28, 120);
        send(place);
    } else if (stage_ >= 1 && stage_ <= 2 && t >= start_ + options_.length) {
        stage_ = 3;
        if (playerIn_) {
            GameMessage final = runMessage(78);
            final.setU32le(24, 1);
            final.setU32le(28, 300);
            send(final);
        }
        GameMessage ended = runMessage(75);
        ended.setU8(24, 2);
        text(ended, 25, u"感谢参加本场比赛"_s);
        send(ended);
        const std::int64_t finished = start_;
        start_ = finished + options_.length + kNextRunAfter;
        GameMessage next = message(83);
        next.setU32le(16, kMatchId);
        next.setU32le(20, static_cast<std::uint32_t>(start_));
        next.setU32le(24, static_cast<std::uint32_t>(options_.length));
        send(next);
        GameMessage champion = runMessage(89);
        champion.setU32le(20, static_cast<std::uint32_t>(finished));
        champion.writeBytes(24, (playerIn_ ? nickname_ : toGbk(u"电脑玩家"_s).value()).left(31));
        text(champion, 56, u"500金币+20个翡翠"_s);
        send(champion);
        GameMessage jade = runMessage(88);
        jade.setU32le(24, kJadeBase * 2);
        send(jade);
        if (playerIn_) {
            GameMessage gold = message(91);
            gold.setU32le(17, 500);
            text(gold, 25, u"比赛奖励%d金币"_s);
            send(gold);
        }
        GameMessage standing = message(47);
        standing.setU32le(16, 1);
        standing.setU32le(24, 1);
        standing.writeBytes(28, nickname_.left(15));
        standing.setU32le(48, 300);
        standing.setU32le(52, 1);
        send(standing);
        schedule_.stop();
    }
}

void Tournament::serve(QTcpSocket* socket) {
    const QByteArray request = socket->peek(4096);
    if (!request.contains("\r\n\r\n")) {
        return;
    }
    const QByteArray path = request.split(' ').value(1);
    const bool found = path == "/" + kFileName.toLatin1();
    const QByteArray body = found ? options_.config : QByteArray("not found");
    socket->write((found ? "HTTP/1.0 200 OK\r\n" : "HTTP/1.0 404 Not Found\r\n") +
                  QByteArray("Content-Type: text/xml\r\nContent-Length: ") +
                  QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
    socket->disconnectFromHost();
    socket->readAll();
}

QString tournamentHelp() {
    return uR"(
Tournaments (--tournament):
- At every login the table announces its configuration (command 80: the digest
  and the address, served over HTTP on 127.0.0.1 by the table itself unless
  --tournament-url names another; --tournament-config serves a file instead of
  the built-in one; --tournament-wrong-digest announces a digest that matches
  nothing), one run of match 1 starting --tournament-start seconds after the
  login and lasting --tournament-length seconds (82), none of the player's
  runs (74), the automatic sign-up window --tournament-window (90) and the
  server's clock (81).
- Sign-ups for the run (72) are accepted until it starts; ranking requests (79)
  are answered with the player first and a computer player second; time
  requests (81) with the clock.
- The run starts on time (75); 5 seconds later a signed-up player is told his
  place 2 (77). At its end he gets place 1 with 300 points (78); the end (75),
  the next run 10 minutes later (83), the champion (89: the player when he took
  part, else a computer player), its jade base (88), the player's prize of 500
  gold (91) and the table's standing (47) follow.)"_s;
}

} // namespace qv::tools::table
