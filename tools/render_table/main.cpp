// Renders the table window to PNG files without a display, one per screen size, so the layout
// can be looked at: the laid-out table, the table with four players seated and a hand dealt, and
// the score sheet and the history of a seated table.
// render_table [output folder]; --help says what it writes.

#include "app/client.h"
#include "app/start_on_table.h"
#include "common/gbk.h"
#include "common/picture_resources.h"
#include "connection/commands.h"
#include "forms/qt/render_to_image.h"
#include "hand/hints_shown.h"
#include "hand/own_play.h"
#include "platform/fake/fake_platform.h"
#include "rules/double_deck.h"
#include "settlement/hero_window.h"
#include "settlement/score_window.h"
#include "shop/exchange_window.h"
#include "shop/goods_window.h"
#include "shop/jade_task.h"
#include "shop/own_prize.h"
#include "shop/vip_window.h"
#include "table/main_form.h"
#include "table/rules_window.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QSize>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

/// A client on fake services started on its table window as the program starts, for a screen
/// of `screen` pixels.
struct LoadedTable {
    explicit LoadedTable(QSize screen) {
        platform.screen.size_ = screen;
        platform.lobby.open(qv::connection::kDefaultLobbyTitle);
        qv::app::StartOnTable(client, form, u"xiaoming$secret$127.0.0.1$6000$$0$$0$$$0$$$0$0$"_s);
    }
    qv::platform::fake::FakePlatform platform;
    qv::Client client{platform.services};
    qv::table::MainForm& form = client.forms.get<qv::table::MainForm>();
};

/// Lays the table out for a screen of `screen` pixels and saves it as `path`.
bool renderTable(QSize screen, const QString& path) {
    const LoadedTable table(screen);
    return qv::forms::qt::saveFormPng(table.form, path);
}

struct SamplePlayer {
    const char16_t* nickname;
    const char* account;
    const char* face;
    std::uint8_t sex;
    std::uint32_t coins;
    std::uint8_t vip;
    std::uint8_t ready;
};

/// A seating message for the player at `seat` (a seat mask) at a table where the viewer sits at
/// seat mask 1.
qv::connection::GameMessage seated(const SamplePlayer& p, std::uint8_t seat) {
    qv::connection::GameMessage m;
    m.setCommand(qv::connection::MsgPlayerSeated);
    m.setU8(6, 1);
    m.writeBytes(16, qv::toGbk(QString::fromUtf16(p.nickname)).value_or(QByteArray()));
    m.writeBytes(48, p.face);
    m.setU8(64, p.sex);
    m.setU32le(96, p.coins);
    m.writeBytes(112, qv::toGbk(u"高手"_s).value_or(QByteArray()));
    m.writeBytes(168, p.account);
    m.writeBytes(184, qv::toGbk(u"新"_s).value_or(QByteArray()));
    m.setU8(208, p.ready);
    m.setU8(209, p.vip);
    m.setU8(226, seat);
    return m;
}

/// A round start dealing the viewer 27 cards of a shuffled double deck, the player across the
/// table being the banker.
qv::connection::GameMessage roundStart() {
    auto deck = qv::rules::doubleDeck();
    std::mt19937 random(7);
    std::shuffle(deck.begin(), deck.end(), random);
    qv::connection::GameMessage m;
    m.setCommand(qv::connection::MsgRoundStart);
    m.setU8(8, 27);
    m.setU8(12, 20);
    m.setU8(15, 4);
    for (int i = 0; i < 27; ++i) {
        m.setU32le(16 + 4 * i, static_cast<std::uint32_t>(deck.at(static_cast<std::size_t>(i))));
    }
    return m;
}

/// Seats four players.
void seatTable(qv::Client& client) {
    const SamplePlayer players[] = {
        {u"小明", "xiaoming", "m3", 1, 12000, 0, 0},
        {u"阿红", "ahong", "w2", 0, 35000, 2, 1},
        {u"老王", "laowang", "m7", 1, 88000, 5, 1},
        {u"丽丽", "lili", "w5", 0, 62000, 3, 1},
    };
    for (std::uint8_t k = 0; k < 4; ++k) {
        auto message = seated(players[k], static_cast<std::uint8_t>(1 << k));
        qv::connection::DispatchFrame(client.conn, message);
    }
}

/// Seats four players and deals the viewer a hand.
void dealTable(qv::Client& client) {
    seatTable(client);
    auto deal = roundStart();
    qv::connection::DispatchFrame(client.conn, deal);
}

/// The table of a screen of `screen` pixels with four players seated and a hand dealt.
bool renderDealtTable(QSize screen, const QString& path) {
    LoadedTable table(screen);
    dealTable(table.client);
    return qv::forms::qt::saveFormPng(table.form, path);
}

/// A play made by `mover` (a seat mask) with `next` to move, each card as (face, suit flag).
qv::connection::GameMessage playMade(std::uint8_t mover, std::uint8_t next,
                                     std::initializer_list<std::pair<int, int>> cards, int type) {
    qv::connection::GameMessage m;
    m.setCommand(qv::connection::MsgPlayMade);
    m.setU8(6, mover);
    m.setU8(11, next);
    m.setU8(17, static_cast<std::uint8_t>(cards.size()));
    m.setU8(18, static_cast<std::uint8_t>(type));
    int k = 0;
    for (const auto& [face, suit] : cards) {
        m.setU8(20 + 4 * k, static_cast<std::uint8_t>(suit));
        m.setU8(21 + 4 * k, static_cast<std::uint8_t>(face));
        ++k;
    }
    return m;
}

/// The dealt table in the middle of a hand: the partner called, a pair led across the table and
/// beaten on the right, the player's answer from the hint, a bomb on the left with its bubble,
/// and the clock at the next seat.
bool renderMidHand(QSize screen, const QString& path) {
    LoadedTable table(screen);
    qv::Client& client = table.client;
    dealTable(client);
    client.conn.g_bLoggedIn = true;
    qv::connection::GameMessage call;
    call.setCommand(qv::connection::MsgCallCard);
    call.setU8(8, 4);
    call.setU8(12, 9);
    call.setU8(13, 2);
    std::vector<qv::connection::GameMessage> messages = {
        call,
        playMade(4, 8, {}, 0),
        playMade(4, 8, {{5, 1}, {5, 2}}, 2),
        playMade(8, 1, {{8, 4}, {8, 8}}, 2),
    };
    for (auto& message : messages) {
        qv::connection::DispatchFrame(client.conn, message);
    }
    qv::hand::HandContext& ctx = *client.handOnTable();
    if (qv::hand::ShowHint(ctx)) {
        qv::hand::JudgeChuPai(ctx);
    }
    auto bomb = playMade(2, 4, {{10, 1}, {10, 2}, {10, 4}, {10, 8}}, 16);
    qv::connection::DispatchFrame(client.conn, bomb);
    return qv::forms::qt::saveFormPng(table.form, path);
}

/// A record window of a table with four players seated, shown as its button shows it.
template <class Window>
bool renderRecords(QSize screen, const QString& path) {
    LoadedTable table(screen);
    seatTable(table.client);
    auto& window = table.client.forms.get<Window>();
    window.show();
    return qv::forms::qt::saveFormPng(window, path);
}

/// The rules window opened over the table, with the rules text the build puts beside the client.
bool renderRules(QSize screen, const QString& path) {
    LoadedTable table(screen);
    const QString folder = table.platform.appFolder.path();
    if (!QFile::copy(QStringLiteral(QV_CLIENT_FOLDER "/rule.ini"), folder + u"/rule.ini"_s)) {
        return false;
    }
    auto& rules = table.client.forms.get<qv::table::rule>();
    rules.show();
    return qv::forms::qt::saveFormPng(rules, path);
}

/// A table with the prize bar filled as the server fills it: the bag, the pool, the winners,
/// with the chip box and the winners panel open.
bool renderPrizeBar(QSize screen, const QString& path) {
    LoadedTable table(screen);
    auto& conn = table.client.conn;
    const auto dispatch = [&conn](qv::connection::GameMessage message) {
        qv::connection::DispatchFrame(conn, message);
    };
    qv::connection::GameMessage bag;
    bag.setCommand(qv::connection::MsgBagList);
    bag.setU8(16, 1);
    bag.setU16le(17, 3);
    bag.setU32le(19, 20);
    dispatch(bag);
    qv::connection::GameMessage pool;
    pool.setCommand(qv::connection::MsgNotice);
    pool.setU16le(16, 1);
    pool.writeBytes(18, "1234567");
    dispatch(pool);
    table.form.Pic_prize.setVisible(true);
    table.form.bt_prizesort.setVisible(true);
    table.form.Img_yan.raiseClick();
    table.form.bt_prizesort.raiseClick();
    qv::connection::GameMessage winners;
    winners.setCommand(qv::connection::MsgPrizeList);
    winners.setU8(16, 4);
    const std::array<std::pair<const char16_t*, std::int32_t>, 4> names{{{u"张三", 1700000000},
                                                                         {u"李四", 1699990000},
                                                                         {u"王五", 1699900000},
                                                                         {u"赵六", 1699000000}}};
    winners.setU8(18, static_cast<std::uint8_t>(names.size()));
    int at = 19;
    for (std::size_t i = 0; i < names.size(); ++i) {
        winners.setU32le(at, static_cast<std::uint32_t>(40 - i));
        winners.writeBytes(at + 4, *qv::toGbk(QString::fromUtf16(names[i].first)));
        winners.setU32le(at + 20, static_cast<std::uint32_t>(names[i].second));
        winners.writeBytes(at + 24, *qv::toGbk(u"奖池大奖"_s));
        winners.setU16le(at + 48, static_cast<std::uint16_t>(i + 1));
        winners.setU32le(at + 50, static_cast<std::uint32_t>(50000 / (i + 1)));
        at += 56;
    }
    dispatch(winners);
    return qv::forms::qt::saveFormPng(table.form, path);
}

/// The table at the end of a hand with the mode-7 notice of `text` ("x;prize;x;jade") just in.
qv::shop::ShopContext& endOfHand(LoadedTable& table, const QString& text) {
    qv::connection::GameMessage notice;
    notice.setCommand(qv::connection::MsgNotice);
    notice.setU16le(16, 7);
    notice.writeBytes(19, *qv::toGbk(text));
    qv::connection::DispatchFrame(table.client.conn, notice);
    return *table.client.shopOnTable();
}

/// The jade reward of a hand on the table.
bool renderJade(QSize screen, const QString& path) {
    LoadedTable table(screen);
    endOfHand(table, u"0;3939;1;25"_s);
    return qv::forms::qt::saveFormPng(table.form, path);
}

/// The own prize with its final digits on the table.
bool renderOwnPrize(QSize screen, const QString& path) {
    LoadedTable table(screen);
    qv::shop::ShowFinalPrizeDigits(endOfHand(table, u"0;3939;1;0"_s));
    return qv::forms::qt::saveFormPng(table.form, path);
}

/// The VIP window of level 3.
bool renderVip(QSize screen, const QString& path) {
    LoadedTable table(screen);
    auto& vip = table.client.forms.get<qv::shop::FrmVip>();
    vip.Form_Load();
    vip.initFrm(3);
    return qv::forms::qt::saveFormPng(vip, path);
}

/// The exchange catalogue on its first page.
bool renderExchange(QSize screen, const QString& path) {
    LoadedTable table(screen);
    qv::shop::ImgJadeExch_MouseUp(*table.client.shopOnTable());
    return qv::forms::qt::saveFormPng(table.client.forms.get<qv::shop::exchangeFrm>(), path);
}

/// The goods window's first page over a sample catalogue: thirteen stacks of three goods, the
/// first with its picture.
bool renderGoods(QSize screen, const QString& path) {
    LoadedTable table(screen);
    qv::shop::Goods& goods = table.client.shop.goods;
    const std::array<const char16_t*, 3> names{u"手机话费-10元", u"骏网一卡通10元",
                                               u"九阳1.5L电水壶"};
    for (std::size_t i = 0; i < names.size(); ++i) {
        qv::shop::GoodsInfoEntry entry;
        entry.id = static_cast<std::int32_t>(100 + i);
        entry.name = QString::fromUtf16(names.at(i));
        entry.description = entry.name + u"，可在网站上用翡翠兑换。"_s;
        entry.exchangeable = 1;
        goods.GoodsInfo.push_back(entry);
    }
    goods.GoodsInfo[1].picture = qv::common::LoadGifPicture(1880, u"GIF"_s);
    goods.GoodsInfo[1].pictureLoaded = true;
    for (std::int32_t n = 0; n < 13; ++n) {
        const auto index = static_cast<std::int16_t>(1 + n % 3);
        goods.MyGoods.push_back(
            {goods.GoodsInfo[static_cast<std::size_t>(index)].id, n + 1, index});
    }
    qv::shop::BuildBagSlots(goods);
    qv::shop::ShowCurrentGoodsPage(table.client.forms);
    return qv::forms::qt::saveFormPng(qv::shop::GoodsWindow(table.client.forms), path);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Renders the table window to PNG files without a display, at 1024x768 and 800x600:\n"
        "the laid-out table (table-WxH.png), four players seated and a hand dealt (dealt-),\n"
        "the middle of a hand (mid-hand-), the rules window (rules-), the prize bar (prize-),\n"
        "the score sheet (score-) and the history (hero-) of a seated table, the jade reward\n"
        "(jade-) and the own prize (own-prize-) after a hand, the VIP window (vip-), the\n"
        "exchange catalogue (exchange-) and the goods window over a sample catalogue (goods-)."_s);
    parser.addHelpOption();
    parser.addPositionalArgument(
        u"folder"_s, u"Where the files go, made when missing (default: the current folder)"_s,
        u"[folder]"_s);
    parser.process(app);
    const QStringList arguments = parser.positionalArguments();
    if (arguments.size() > 1) {
        std::fprintf(stderr, "render_table: one folder at most; see render_table --help\n");
        return 2;
    }
    const QDir folder(arguments.value(0, u"."_s));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "render_table: cannot create %s\n", qPrintable(folder.path()));
        return 1;
    }
    struct Picture {
        const char16_t* prefix;
        bool (*render)(QSize, const QString&);
    };
    const Picture pictures[] = {{u"table", renderTable},
                                {u"dealt", renderDealtTable},
                                {u"mid-hand", renderMidHand},
                                {u"rules", renderRules},
                                {u"prize", renderPrizeBar},
                                {u"score", renderRecords<qv::settlement::Score>},
                                {u"hero", renderRecords<qv::settlement::Hero>},
                                {u"jade", renderJade},
                                {u"own-prize", renderOwnPrize},
                                {u"vip", renderVip},
                                {u"exchange", renderExchange},
                                {u"goods", renderGoods}};
    int status = 0;
    for (const QSize screen : {QSize(1024, 768), QSize(800, 600)}) {
        for (const Picture& picture : pictures) {
            const QString path =
                folder.filePath(u"%1-%2x%3.png"_s.arg(QString::fromUtf16(picture.prefix))
                                    .arg(screen.width())
                                    .arg(screen.height()));
            if (!picture.render(screen, path)) {
                std::fprintf(stderr, "render_table: cannot write %s\n", qPrintable(path));
                status = 1;
                break;
            }
            std::printf("%s\n", qPrintable(path));
        }
    }
    return status;
}
