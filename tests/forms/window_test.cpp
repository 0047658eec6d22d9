#include "forms/qt/form_widget.h"
#include "forms/qt/qt_window_system.h"
#include "small_table.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollBar>

#include <gmock/gmock.h>
#include <map>
#include <mutex>
#include <thread>

namespace qv::forms::test {
namespace {

using namespace Qt::StringLiterals;

struct WindowFixture {
    platform::fake::FakeTimeService time;
    FormHost host{time};
    qt::QtWindowSystem windows{host};
    SmallTable& form = host.get<SmallTable>();
    qt::FormWidget* window = nullptr;

    WindowFixture() {
        form.show();
        window = windows.widgetOf(form);
    }
};

TEST(WindowTest, AShownFormFollowsTheModelAndTurnsMouseInputIntoEvents) {
    WindowFixture f;
    qt::FormWidget* window = f.window;
    ASSERT_NE(window, nullptr);

    f.form.ticker.move(10, 80, 180, 30);
    f.form.ticker.addItem(u"第一行"_s);
    f.form.ticker.addItem(u"第二行"_s);
    QApplication::processEvents();
    auto* list = window->findChild<QListWidget*>();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(list->geometry(), QRect(10, 80, 180, 30));
    list->setCurrentRow(1);
    EXPECT_EQ(f.form.ticker.listIndex(), 1);

    std::vector<QString> clicks;
    f.form.card.events.click = [&clicks] {
        clicks.emplace_back(u"card"_s);
    };
    f.form.pic1.events.click = [&clicks] {
        clicks.emplace_back(u"Pic1"_s);
    };
    QWidget* surface = window->childAt(QPoint(15, 15));
    ASSERT_NE(surface, nullptr);
    for (const QPoint at : {QPoint(15, 15), QPoint(100, 60)}) {
        const QPointF local = surface->mapFrom(window, at);
        QMouseEvent press(QEvent::MouseButtonPress, local, surface->mapToGlobal(local),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, local, surface->mapToGlobal(local),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(surface, &press);
        QApplication::sendEvent(surface, &release);
    }
    EXPECT_THAT(clicks, testing::ElementsAre(u"card"_s, u"Pic1"_s));

    f.form.hide();
    QApplication::processEvents();
    EXPECT_FALSE(window->isVisible());
}

TEST(WindowTest, TheWindowTakesTheFormsFrameTitleAndPlace) {
    WindowFixture f;
    f.form.setBorderStyle(0);
    f.form.setCaption(u"quorv"_s);
    f.form.move(150, 300);
    QApplication::processEvents();
    EXPECT_TRUE(f.window->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(f.window->windowTitle(), u"quorv"_s);
    EXPECT_EQ(f.window->geometry(), QRect(10, 20, 200, 120));

    // Changes of controls leave the window as it is.
    f.form.card.setTop(20);
    QApplication::processEvents();
    EXPECT_TRUE(f.window->isVisible());
    EXPECT_TRUE(f.window->windowFlags().testFlag(Qt::FramelessWindowHint));

    f.form.setWindowState(window_state::kMinimized);
    QApplication::processEvents();
    EXPECT_TRUE(f.window->isMinimized());
}

TEST(WindowTest, SelectingALineOfAOneLineListShowsThatLine) {
    WindowFixture f;
    f.form.ticker.move(10, 80, 180, 13);
    for (const QString& line : {u"一"_s, u"二"_s, u"三"_s}) {
        f.form.ticker.addItem(line);
    }
    f.form.ticker.setListIndex(2);
    QApplication::processEvents();
    auto* list = f.window->findChild<QListWidget*>();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->currentRow(), 2);
    EXPECT_TRUE(list->viewport()->rect().intersects(list->visualItemRect(list->item(2))));
}

TEST(WindowTest, AListShowsItsScrollBarOnlyForMoreLinesThanItsWholeRowsAndAtLeastOne) {
    struct Case {
        int height;
        int lines;
        bool scrollBar;
    };
    // The ticker is one row high and lower than its font's rows.
    for (const auto& [height, lines, scrollBar] :
         {Case{13, 1, false}, Case{13, 2, true}, Case{60, 2, false}, Case{60, 9, true}}) {
        SCOPED_TRACE(testing::Message() << height << " px, " << lines << " lines");
        WindowFixture f;
        f.form.ticker.move(10, 80, 180, height);
        for (int line = 0; line < lines; ++line) {
            f.form.ticker.addItem(u"第%1行"_s.arg(line));
        }
        QApplication::processEvents();
        auto* list = f.window->findChild<QListWidget*>();
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->verticalScrollBar()->isVisible(), scrollBar);
    }
}

TEST(WindowTest, TheFirstSyncOfAShownFormReadsTheShownPicturesOnAnotherThread) {
    platform::fake::FakeTimeService time;
    FormHost host{time};
    qt::QtWindowSystem windows{host};
    SmallTable& form = host.get<SmallTable>();
    std::mutex lock;
    std::map<QString, std::thread::id> readOn;
    const auto picture = [&](const QString& name) {
        return DeferredPicture(QSize(8, 8), [&lock, &readOn, name] {
            const std::scoped_lock guard(lock);
            readOn[name] = std::this_thread::get_id();
            return solidPicture(8, 8, Qt::blue);
        });
    };
    Image hidden(form.pic1, u"hidden"_s);
    hidden.setVisible(false);
    hidden.setPicture(picture(u"hidden"_s));
    form.card.setPicture(picture(u"card"_s));
    form.pic1.setPicture(picture(u"table"_s));

    form.show();
    QApplication::processEvents();
    (void)form.card.picture();
    (void)form.pic1.picture();
    const std::scoped_lock guard(lock);
    EXPECT_THAT(readOn, testing::ElementsAre(testing::Key(u"card"_s), testing::Key(u"table"_s)));
    EXPECT_NE(readOn[u"card"_s], std::this_thread::get_id());
    EXPECT_EQ(readOn[u"card"_s], readOn[u"table"_s]);
}

TEST(WindowTest, KeysReachTheFocusedTextBoxThroughItsHandlers) {
    WindowFixture f;
    TextBox chat(f.form.pic1, u"Chat"_s);
    chat.move(10, 80, 180, 30);
    std::vector<QString> seen;
    chat.events.keyDown = [&seen](int& key, int shift) {
        seen.push_back(u"down %1 %2"_s.arg(key).arg(shift));
    };
    chat.events.keyPress = [](int& ascii) {
        if (ascii == 'a') {
            ascii = 'b';
        } else if (ascii == 'x') {
            ascii = 0;
        }
    };
    chat.events.change = [&seen, &chat] {
        seen.push_back(chat.text());
    };
    QApplication::processEvents();
    ASSERT_TRUE(chat.setFocus());
    auto* edit = f.window->findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);

    for (const auto& [key, text] : {std::pair(Qt::Key_A, u"a"_s), std::pair(Qt::Key_X, u"x"_s),
                                    std::pair(Qt::Key_C, u"c"_s)}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::ShiftModifier, text);
        QApplication::sendEvent(edit, &press);
    }
    EXPECT_EQ(chat.text(), u"bc"_s);
    EXPECT_THAT(seen, testing::ElementsAre(u"down 65 1"_s, u"b"_s, u"down 88 1"_s, u"down 67 1"_s,
                                           u"bc"_s));
}

/// A table whose web browsers are made as labels named for their controls.
struct LabelViewsFixture {
    platform::fake::FakeTimeService time;
    FormHost host{time};
    qt::QtWindowSystem windows{host};
    SmallTable& form = host.get<SmallTable>();

    LabelViewsFixture() {
        windows.registerWidgetFactory(u"WebBrowser"_s, [](UserControl& control, QWidget* parent) {
            auto* view = new QLabel(parent);
            view->setObjectName(control.name());
            return view;
        });
    }

    [[nodiscard]] QLabel* view(const QString& name) const {
        return windows.widgetOf(form)->findChild<QLabel*>(name);
    }
};

TEST(WindowTest, AUserControlKindWithAFactoryGetsThatWidgetKeptInPlace) {
    LabelViewsFixture f;
    UserControl banner(f.form.pic1, u"WebBrowser1"_s, u"WebBrowser"_s);
    banner.move(20, 30, 82, 80);
    UserControl painted(f.form.pic1, u"ucAni_BBQS"_s, u"ucAniGIF"_s);
    f.form.show();

    QLabel* view = f.view(u"WebBrowser1"_s);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->geometry(), QRect(20, 30, 82, 80));
    banner.setVisible(false);
    QApplication::processEvents();
    EXPECT_TRUE(view->isHidden());
    EXPECT_EQ(f.windows.widgetOf(f.form)->findChildren<QLabel*>().size(), 1);
}

// A control gets its widget when it is first shown, in its place among its siblings; a shown
// control that is hidden again keeps its widget, hidden.
TEST(WindowTest, AHiddenControlGetsItsWidgetWhenFirstShown) {
    LabelViewsFixture f;
    UserControl below(f.form.pic1, u"below"_s, u"WebBrowser"_s);
    UserControl hidden(f.form.pic1, u"hidden"_s, u"WebBrowser"_s);
    UserControl above(f.form.pic1, u"above"_s, u"WebBrowser"_s);
    hidden.setVisible(false);
    f.form.show();
    EXPECT_NE(f.view(u"below"_s), nullptr);
    EXPECT_NE(f.view(u"above"_s), nullptr);
    EXPECT_EQ(f.view(u"hidden"_s), nullptr);

    hidden.setVisible(true);
    QApplication::processEvents();
    QLabel* shown = f.view(u"hidden"_s);
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isVisible());
    // Qt lists a parent's children from the bottom up.
    const QObjectList order = shown->parentWidget()->children();
    EXPECT_LT(order.indexOf(f.view(u"below"_s)), order.indexOf(shown));
    EXPECT_LT(order.indexOf(shown), order.indexOf(f.view(u"above"_s)));

    hidden.setVisible(false);
    QApplication::processEvents();
    EXPECT_EQ(f.view(u"hidden"_s), shown);
    EXPECT_TRUE(shown->isHidden());
}

// Counts the paints of every widget.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

TEST(WindowTest, WhatWaitsForTheDrawingRunsOnceTheWindowHasBeenPainted) {
    platform::fake::FakeTimeService time;
    FormHost host{time};
    qt::QtWindowSystem windows{host};
    SmallTable& form = host.get<SmallTable>();
    PaintCounter counter;
    QApplication::instance()->installEventFilter(&counter);
    int paintsSeen = -1;
    // The form's picture box covers its whole surface, which is then never painted itself.
    form.whenDrawn([&] { paintsSeen = counter.paints; });
    form.show();
    EXPECT_EQ(paintsSeen, -1);
    for (int turn = 0; turn < 200 && paintsSeen < 0; ++turn) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    EXPECT_GE(paintsSeen, 1);
    bool after = false;
    form.whenDrawn([&after] { after = true; });
    EXPECT_FALSE(after);
    time.processEvents();
    EXPECT_TRUE(after);
}

TEST(WindowTest, UnloadingAShownFormTakesItsWindowAway) {
    WindowFixture f;
    ASSERT_NE(f.window, nullptr);
    EXPECT_TRUE(f.form.unload());
    EXPECT_EQ(f.windows.widgetOf(f.form), nullptr);
    f.time.processEvents();
    QApplication::processEvents();
}

} // namespace
} // namespace qv::forms::test
