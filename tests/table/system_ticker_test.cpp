#include "common/wrap_to_list.h"
#include "table/chat_windows.h"
#include "table/system_ticker.h"
#include "table_fixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::table {
namespace {

class SystemTickerTest : public testing::Test {
protected:
    testing_support::TableFixture fixture;
    MainForm& form = fixture.loaded();

    QStringList ticker() const {
        return {form.Sysmsg(0).items().join(u'|'), form.Sysmsg(1).items().join(u'|')};
    }
    QStringList log() { return form.host().get<Talk>().Text1.items(); }

    /// What the chat log makes of `text` on its own.
    QStringList wrapped(const QString& text) {
        ListBox scratch(form, u"scratch"_s);
        WrapToList(scratch, text, 44);
        return scratch.items();
    }

    void post(QString text) { AddSystemMessage(form, text); }
};

TEST_F(SystemTickerTest, IgnoresTextOfNothingButSpaces) {
    for (const QString& blank : {u"   "_s, QString()}) {
        QString text = blank;
        AddSystemMessage(form, text);
        EXPECT_EQ(text, blank);
    }
    EXPECT_EQ(ticker(), QStringList({QString(), QString()}));
    EXPECT_EQ(form.host().find<Talk>(), nullptr);
}

TEST_F(SystemTickerTest, LogsTheWholeTextAndTicksItsFirst45Characters) {
    struct Case {
        QString text;
        QString tickerLine;
    };
    const QString latin50 = u"0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMN"_s;
    const QString chinese30 = QString(30, QChar(0x724C));
    const QString padded = u"   您的可用金额不足！"_s;
    for (const Case& c :
         {Case{latin50, latin50.left(45)}, Case{chinese30, chinese30}, Case{padded, padded}}) {
        SCOPED_TRACE(c.text.toStdString());
        testing_support::TableFixture fresh;
        MainForm& table = fresh.loaded();
        QString text = c.text;
        AddSystemMessage(table, text);
        EXPECT_EQ(text, c.tickerLine);
        EXPECT_EQ(table.Sysmsg(0).items(), QStringList{c.tickerLine});
        const ListBox& chatLog = table.host().get<Talk>().Text1;
        EXPECT_EQ(chatLog.items(), wrapped(c.text));
        EXPECT_EQ(chatLog.topIndex(), chatLog.listCount() - 1);
    }
    // Fifty characters take two lines of the log; the continuation starts with a space.
    EXPECT_EQ(wrapped(latin50).size(), 2);
}

TEST_F(SystemTickerTest, NewestNoticePushesTheOneBeforeUp) {
    post(u"A"_s);
    EXPECT_EQ(ticker(), QStringList({u"A"_s, QString()}));
    post(u"B"_s);
    EXPECT_EQ(ticker(), QStringList({u"A"_s, u"B"_s}));
    post(u"C"_s);
    EXPECT_EQ(ticker(), QStringList({u"B"_s, u"C"_s}));
    EXPECT_EQ(log(), QStringList({u"A"_s, u"B"_s, u"C"_s}));
}

TEST_F(SystemTickerTest, MovesOnlyTheFirstOfSeveralNewerLinesUp) {
    form.Sysmsg(0).addItem(u"old"_s);
    form.Sysmsg(1).addItem(u"first"_s);
    form.Sysmsg(1).addItem(u"second"_s);
    post(u"new"_s);
    EXPECT_EQ(ticker(), QStringList({u"first"_s, u"new"_s}));
}

TEST_F(SystemTickerTest, RecordsInTheLogWithoutShowingIt) {
    post(u"您使用动态表情，消耗50金币!"_s);
    const Talk* talk = form.host().find<Talk>();
    ASSERT_NE(talk, nullptr);
    EXPECT_FALSE(talk->visible());
    EXPECT_EQ(talk->Text1.items(), QStringList{u"您使用动态表情，消耗50金币!"_s});
}

} // namespace
} // namespace qv::table
