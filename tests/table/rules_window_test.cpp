#include "common/gbk.h"
#include "forms/form_host.h"
#include "support/label_fit.h"
#include "table/rules_window.h"
#include "table/table_fixture.h"

#include <QFile>

#include <gmock/gmock.h>
#include <optional>

namespace qv::table {
namespace {

using namespace Qt::StringLiterals;
using testing_support::TableFixture;

/// A loaded table whose program folder holds `rule.ini` with `bytes`, or none.
struct RulesFixture : TableFixture {
    explicit RulesFixture(const std::optional<QByteArray>& bytes) {
        if (bytes) {
            QFile file(path());
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(*bytes);
        }
        loaded();
    }
    [[nodiscard]] QString path() const { return platform.appFolder.path() + u"/rule.ini"_s; }
};

TEST(RulesWindowTest, ShowsTheGbkTextWithItsLineBreaksCentredOnTheTable) {
    const QString text = u"一、出牌规则\r\n二、逢人配"_s;
    RulesFixture f(toGbk(text));
    rule& window = f.host.get<rule>();
    EXPECT_EQ(window.Label2.caption(), text);
    EXPECT_EQ(window.Label2.fontSize(), 10);
    EXPECT_EQ(window.Label1.caption(), QString());
    EXPECT_EQ(window.caption(), u"规则"_s);
    EXPECT_DOUBLE_EQ(window.left(), (f.form.width() - window.width()) / 2 + f.form.left());
    EXPECT_DOUBLE_EQ(window.top(), (f.form.height() - window.height()) / 2 + f.form.top());
    EXPECT_EQ(window.innerPixelSize(), QSizeF(345, 537));
}

TEST(RulesWindowTest, AMissingOrEmptyFileGivesAnEmptyText) {
    for (const auto& bytes : {std::optional<QByteArray>(), std::optional(QByteArray())}) {
        RulesFixture f(bytes);
        rule& window = f.host.get<rule>();
        EXPECT_EQ(window.Label2.caption(), QString());
        EXPECT_FALSE(window.visible());
    }
}

TEST(RulesWindowTest, TheTextIsReadOnceWhenTheWindowIsCreated) {
    RulesFixture f(toGbk(u"旧"_s));
    rule& window = f.host.get<rule>();
    QFile file(f.path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(*toGbk(u"新"_s));
    file.close();
    window.show();
    window.hide();
    EXPECT_EQ(f.host.get<rule>().Label2.caption(), u"旧"_s);
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

TEST(RulesWindowTest, TheRulesBesideTheProgramReadAsWrittenAndFitTheirLabel) {
    RulesFixture f(fileBytes(QStringLiteral(QV_CLIENT_FOLDER "/rule.ini")));
    const rule& window = f.host.get<rule>();
    const QString written = QString::fromUtf8(fileBytes(QStringLiteral(QV_RULES_TEXT)));
    EXPECT_GT(written.size(), 300);
    EXPECT_EQ(window.Label2.caption(), written);
    EXPECT_TRUE(test::LabelTextFits(window.Label2));
}

} // namespace
} // namespace qv::table
