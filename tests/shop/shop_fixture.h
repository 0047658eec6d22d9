#pragma once

#include "app/client.h"
#include "common/gbk.h"
#include "connection/commands.h"
#include "connection/connection.h"
#include "platform/fake/fake_platform.h"
#include "shop/prize_panel.h"
#include "table/main_form.h"

#include <QByteArray>
#include <QDir>

#include <vector>

namespace qv::shop::testing_support {

/// A catalogue entry.
inline GoodsInfoEntry catalogued(std::int32_t id, const QString& name, const QString& unit,
                                 std::int32_t price = 0) {
    GoodsInfoEntry entry;
    entry.id = id;
    entry.name = name;
    entry.unit = unit;
    entry.price = price;
    return entry;
}

/// A whole client on fake services with its table window loaded and the prize bar laid out; the
/// player is "me", in a folder of his own.
struct ShopTable {
    explicit ShopTable(QSize screen = {1024, 768},
                       platform::fake::FakeTimeService::Start start = {})
        : platform(start) {
        platform.screen.size_ = screen;
        form.Form_Load();
        client.hand.custom[0].name = QStringLiteral("me");
        InitPrizePanel(ctx);
    }

    /// A server message of `command` with `text` in GBK from `at`.
    static connection::GameMessage message(std::uint8_t command, const QString& text = {},
                                           int at = 18) {
        connection::GameMessage m;
        m.setCommand(command);
        if (!text.isEmpty()) {
            m.writeBytes(at, *toGbk(text));
        }
        return m;
    }
    void dispatch(connection::GameMessage m) { connection::DispatchFrame(client.conn, m); }
    /// The messages queued since the last call.
    std::vector<connection::GameMessage> sent() {
        std::vector<connection::GameMessage> all;
        while (client.conn.SendRing.hasMessage()) {
            all.push_back(client.conn.SendRing.takeMessage());
        }
        return all;
    }
    /// The cigarettes the player owns.
    void ownCigarettes(std::int32_t count) {
        client.shop.goods.MyGoods.assign(1, {});
        client.shop.goods.MyGoods.push_back({3, count, 0});
    }
    /// A catalogue that sells cigarettes at `price`.
    void sellCigarettes(std::int32_t price) {
        client.shop.goods.GoodsInfo.resize(1);
        client.shop.goods.GoodsInfo.push_back(
            catalogued(3, QStringLiteral("香烟"), QStringLiteral("根"), price));
    }
    /// The newest line of the system ticker.
    [[nodiscard]] QString tickerLine() const {
        for (const int line : {1, 0}) {
            if (form.Sysmsg(line).listCount() > 0) {
                return form.Sysmsg(line).list(0);
            }
        }
        return {};
    }
    [[nodiscard]] QString userInfo() const {
        return QDir(platform.appFolder.path()).filePath(QStringLiteral("userinfo.ini"));
    }

    platform::fake::FakePlatform platform;
    Client client{platform.services};
    table::MainForm& form = client.forms.get<table::MainForm>();
    ShopContext& ctx = *client.shopOnTable();
};

/// The shop's messages (93 orders and settings) as kind, goods id and amount.
struct Order {
    std::uint32_t kind;
    std::uint32_t goods;
    std::uint32_t amount;
    friend bool operator==(const Order&, const Order&) = default;
};
inline std::vector<Order> orders(const std::vector<connection::GameMessage>& sent) {
    std::vector<Order> all;
    for (const auto& m : sent) {
        if (m.command() == connection::MsgShopOrder) {
            all.push_back({m.u8(16), m.u32le(17), m.u32le(21)});
        }
    }
    return all;
}

} // namespace qv::shop::testing_support
