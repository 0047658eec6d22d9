#include "common/gbk.h"
#include "common/picture_resources.h"
#include "shop/recharge_address.h"
#include "shop/vip_window.h"
#include "shop_fixture.h"

#include <QCryptographicHash>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::shop {
namespace {

using testing_support::ShopTable;

/// The digest the site checks: of the first as many GBK bytes as the signed text has
/// characters.
QString siteDigest(const QString& signedText) {
    const QByteArray bytes = *toGbk(signedText);
    return QString::fromLatin1(
        QCryptographicHash::hash(bytes.first(signedText.size()), QCryptographicHash::Md5).toHex());
}

TEST(RechargeAddress, EncodesTheValuesAndSignsThemAsTheyAre) {
    struct Case {
        QString name;
        QString code;
        QString query;
    };
    const std::vector<Case> cases{
        {u"alice"_s, u"s3cret"_s, u"l=alice&z=s3cret"_s},
        {{}, u"abc"_s, u"l=&z=abc"_s},
        {u"a&b=c"_s, u"x y+#~"_s, u"l=a%26b%3Dc&z=x%20y%2B%23~"_s},
        {u"张三"_s, u"9-_."_s, u"l=%D5%C5%C8%FD&z=9-_."_s},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RechargeAddress(u"http://127.0.0.1:8080"_s, c.name, c.code),
                  u"http://127.0.0.1:8080/chongzhi/member.php?"_s + c.query + u"&m="_s +
                      siteDigest(c.name + c.code + u"quvenbar"_s))
            << c.name.toStdString();
    }
}

TEST(VipWindow, ShowsTheLevelsPictureAndOpensOneSignedAddress) {
    ShopTable t;
    t.client.shop.SiteAddress = u"http://127.0.0.1:8080"_s;
    t.client.plugin.Prop_UserName = u"me"_s;
    t.client.plugin.Prop_UserCode = u"c&d"_s;
    auto& vip = t.client.forms.get<FrmVip>();
    vip.initFrm(3);
    EXPECT_EQ(vip.picture(), common::LoadGifPicture(527, u"GIF"_s));
    vip.initFrm(7);
    EXPECT_EQ(vip.picture(), common::LoadGifPicture(527, u"GIF"_s));

    vip.ImgOpenvip.raiseClick();
    t.client.plugin.Prop_UserName = u"someone else"_s;
    vip.ImgOpenvip.raiseClick();
    const QString address = u"http://127.0.0.1:8080/chongzhi/member.php?l=me&z=c%26d&m="_s +
                            siteDigest(u"mec&dquvenbar"_s);
    EXPECT_EQ(t.platform.shell.opened_, (std::vector<QString>{address, address}));

    vip.show();
    vip.ImgClose.raiseClick();
    EXPECT_FALSE(vip.visible());
}

TEST(VipWindow, ButtonsShowTheirHoverPictureUntilThePointerIsBackOnTheBody) {
    ShopTable t;
    auto& vip = t.client.forms.get<FrmVip>();
    vip.ImgOpenvip_MouseMove();
    vip.ImgClose_MouseMove();
    EXPECT_EQ(vip.ImgOpenvip.tag(), u"1"_s);
    EXPECT_EQ(vip.ImgClose.picture(), common::LoadGifPicture(1550, u"GIF"_s));
    vip.Form_MouseMove();
    EXPECT_EQ(vip.ImgOpenvip.tag(), u"0"_s);
    EXPECT_EQ(vip.ImgOpenvip.picture(), common::LoadGifPicture(523, u"GIF"_s));
    EXPECT_EQ(vip.ImgClose.tag(), u"0"_s);
}

} // namespace
} // namespace qv::shop
