#include "app/client.h"
#include "chat/emoticon_picker.h"
#include "common/pictures/embedded_pictures.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/picture_box.h"
#include "forms/text_box.h"
#include "platform/fake/fake_http_client.h"
#include "platform/fake/fake_platform.h"
#include "settlement/hero_window.h"
#include "shop/exchange_window.h"
#include "shop/goods_window.h"
#include "shop/vip_window.h"
#include "table/chat_windows.h"
#include "table/exit_windows.h"
#include "table/vos_set.h"
#include "table/window_pictures.h"
#include "table_fixture.h"

#include <QDir>

#include <gtest/gtest.h>
#include <ostream>
#include <set>

using namespace Qt::StringLiterals;

namespace qv::table {
namespace {

using forms::ControlDesign;
using forms::DesignedControl;

/// A window of the program as a client's form host makes it.
struct WindowUnderTest {
    QString name;
    forms::Form& (*open)(forms::FormHost& host);
    /// Pictures stored with the window itself (not with a control), by name.
    QStringList ownPictures;
    /// Pictures stored for parts of the window whose own issue has not landed yet, by name.
    QStringList partsToCome;
};

void PrintTo(const WindowUnderTest& window, std::ostream* out) {
    *out << window.name.toStdString();
}

template <class Window>
forms::Form& open(forms::FormHost& host) {
    return host.get<Window>();
}

forms::Form& openPicker(forms::FormHost& host) {
    static platform::fake::FakeHttpClient http;
    host.registerForm<chat::frmBiaoqing>([](forms::FormHost& formHost) {
        return std::make_unique<chat::frmBiaoqing>(formHost, formHost.time(), http);
    });
    return host.get<chat::frmBiaoqing>();
}

/// A window of the shop, made on a client of its own.
template <class Window>
forms::Form& openShop(forms::FormHost& host) {
    static platform::fake::FakePlatform platform;
    static Client client{platform.services};
    shop::registerShopForms(host, client.conn, client.shop);
    return host.get<Window>();
}

// Every window with a design: a new window adds its line here.
const std::vector<WindowUnderTest> kWindows{
    {u"MainForm"_s, &open<MainForm>, {u"icon"_s}, {}},
    {u"Talk"_s, &open<Talk>, {u"background"_s}, {}},
    {u"huifu"_s, &open<huifu>, {u"background"_s}, {}},
    {u"frmBiaoqing"_s, &openPicker, {u"background"_s}, {}},
    {u"frmExit"_s, &open<frmExit>, {u"background"_s}, {}},
    {u"frmOtherExit"_s, &open<frmOtherExit>, {u"background"_s}, {}},
    {u"VosSet"_s, &open<VosSet>, {u"background"_s}, {}},
    {u"Score"_s, &open<settlement::Score>, {u"background"_s}, {}},
    {u"Hero"_s, &open<settlement::Hero>, {u"background"_s}, {}},
    {u"FrmVip"_s, &openShop<shop::FrmVip>, {}, {}},
    {u"exchangeFrm"_s, &openShop<shop::exchangeFrm>, {u"background"_s}, {}},
    {u"FrmGoods"_s, &openShop<shop::FrmGoods>, {u"background"_s}, {}},
};

// Windows whose pictures are stored but whose design is not written yet; each leaves this list
// for the one above when it is built.
const QStringList kWindowsToCome{
    u"ChuPai"_s,
    u"Information"_s,
    u"frmSpeakBox"_s,
    u"rule"_s,
};

void collectControls(const forms::Container& container, std::set<const forms::Control*>& all) {
    for (const auto* layer : {&container.windowlessControls(), &container.windowedControls()}) {
        for (const forms::Control* control : *layer) {
            all.insert(control);
            if (const auto* box = dynamic_cast<const forms::PictureBox*>(control)) {
                collectControls(*box, all);
            }
        }
    }
}

std::string traceName(const forms::Control& control) {
    return (control.name() + u'(' + QString::number(control.index()) + u')').toStdString();
}

void expectKindProperties(const forms::Control& control, const ControlDesign& design) {
    if (const auto* label = dynamic_cast<const forms::Label*>(&control)) {
        EXPECT_EQ(label->caption(), design.text.toString());
        EXPECT_EQ(label->autoSize(), design.autoSize);
        EXPECT_EQ(label->useMnemonic(), !design.ampersandLiteral);
    }
    if (const auto* styled = dynamic_cast<const forms::StyledControl*>(&control)) {
        if (design.foreColor != forms::kNoColour) {
            EXPECT_EQ(styled->foreColor(), design.foreColor);
        }
        if (design.backColor != forms::kNoColour) {
            EXPECT_EQ(styled->backColor(), design.backColor);
        }
        if (design.fontSize > 0) {
            EXPECT_EQ(styled->fontSize(), design.fontSize);
        }
        if (!design.fontName.isEmpty()) {
            EXPECT_EQ(styled->fontName(), design.fontName.toString());
        }
        EXPECT_EQ(styled->fontBold(), design.bold);
    }
    if (const auto* text = dynamic_cast<const forms::TextBox*>(&control)) {
        EXPECT_EQ(text->text(), design.text.toString());
        EXPECT_EQ(text->maxLength(), design.maxLength);
        EXPECT_EQ(text->locked(), design.readOnly);
    }
    if (const auto* image = dynamic_cast<const forms::Image*>(&control)) {
        EXPECT_EQ(image->stretch(), design.stretch);
        EXPECT_EQ(image->heldPicture().isNull(), !design.picture && design.pictureRes == 0);
    }
    if (const auto* box = dynamic_cast<const forms::PictureBox*>(&control)) {
        EXPECT_EQ(box->heldPicture().isNull(), !design.picture);
    }
}

class WindowDesign : public testing::TestWithParam<WindowUnderTest> {
protected:
    testing_support::TableFixture fixture;
    bool settlementWindows = (settlement::registerSettlementForms(
                                  fixture.host, [this] { return &fixture.form; }, [](int) {}),
                              true);
    forms::Form& form = GetParam().open(fixture.host);
};

TEST_P(WindowDesign, HoldsEveryDesignedControlAsDesigned) {
    std::set<const forms::Control*> inWindow;
    collectControls(form, inWindow);
    std::set<const forms::Control*> designed;
    for (const DesignedControl& entry : form.design()) {
        const forms::Control& control = *entry.control;
        const ControlDesign& design = entry.design;
        SCOPED_TRACE(traceName(control));
        EXPECT_TRUE(designed.insert(&control).second) << "designed twice";
        EXPECT_TRUE(inWindow.contains(&control));
        EXPECT_EQ(&control.form(), &form);
        if (design.firstIndex == forms::kNoIndex) {
            EXPECT_EQ(control.index(), -1);
        } else {
            EXPECT_GE(control.index(), design.firstIndex);
            EXPECT_LE(control.index(), design.lastIndex);
        }
        const QRectF pixels = control.pixelRect();
        EXPECT_NEAR(pixels.left(), design.left, 0.01);
        EXPECT_NEAR(pixels.top(), design.top, 0.01);
        if (!design.autoSize) {
            EXPECT_NEAR(pixels.width(), design.width, 0.01);
            EXPECT_NEAR(pixels.height(), design.height, 0.01);
        }
        EXPECT_EQ(control.visible(), design.visible);
        EXPECT_EQ(control.enabled(), design.enabled);
        EXPECT_EQ(control.toolTipText(), design.toolTip.toString());
        EXPECT_EQ(control.mousePointer(),
                  design.customCursor ? forms::pointer::kCustom : forms::pointer::kDefault);
        EXPECT_EQ(control.mouseIcon().isNull(), !design.customCursor);
        expectKindProperties(control, design);
    }
    // No control of the window goes without a design row.
    EXPECT_EQ(designed, inWindow);
}

// The design's picture flag is the one record of which controls have a stored picture: each
// flagged control has its file, and each stored file belongs to a flagged control or the window.
TEST_P(WindowDesign, FlagsAPictureForEveryStoredFileAndNoOther) {
    const WindowPictures pictures(GetParam().name);
    std::set<QString> claimed;
    bool customPointer = false;
    for (const DesignedControl& entry : form.design()) {
        customPointer = customPointer || entry.design.customCursor;
        if (entry.design.picture) {
            const QString file = pictures.file(entry.control->name(), entry.control->index());
            EXPECT_FALSE(file.isEmpty()) << traceName(*entry.control);
            claimed.insert(file);
        }
    }
    QStringList windowPictures = GetParam().ownPictures + GetParam().partsToCome;
    if (customPointer) {
        windowPictures.append(u"cursor"_s);
    }
    for (const QString& name : windowPictures) {
        const QString file = pictures.file(name, -1);
        EXPECT_FALSE(file.isEmpty()) << name.toStdString();
        claimed.insert(file);
    }
    EXPECT_EQ(QStringList(claimed.begin(), claimed.end()).join(u' ').toStdString(),
              pictures.files().join(u' ').toStdString());
}

INSTANTIATE_TEST_SUITE_P(Windows, WindowDesign, testing::ValuesIn(kWindows),
                         [](const testing::TestParamInfo<WindowUnderTest>& param) {
                             return param.param.name.toStdString();
                         });

TEST(WindowDesigns, EveryStoredWindowIsDesignedOrStillToCome) {
    common::registerEmbeddedPictures();
    QStringList expected = kWindowsToCome;
    for (const WindowUnderTest& window : kWindows) {
        if (!WindowPictures(window.name).files().isEmpty()) {
            expected.append(window.name);
        }
    }
    expected.sort();
    EXPECT_EQ(QDir(u":/design"_s)
                  .entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)
                  .join(u' ')
                  .toStdString(),
              expected.join(u' ').toStdString());
}

} // namespace
} // namespace qv::table
