#include "forms/window_system.h"
#include "test_form.h"

#include <gmock/gmock.h>

namespace qv::forms::test {
namespace {

using namespace Qt::StringLiterals;

// A form that records its life in a log the test owns.
class LoggingForm : public Form {
public:
    LoggingForm(FormHost& host, std::vector<QString>& log) : Form(host, u"LoggingForm"_s) {
        events.load = [&log, this] {
            log.emplace_back(u"load"_s);
            state = 1;
        };
        events.queryUnload = [&log, this](int& cancel, int mode) {
            log.push_back(u"query %1"_s.arg(mode));
            cancel = cancelUnload ? 1 : 0;
        };
        events.unload = [&log](int&) {
            log.emplace_back(u"unload"_s);
        };
        events.activate = [&log] {
            log.emplace_back(u"activate"_s);
        };
        events.resize = [&log] {
            log.emplace_back(u"resize"_s);
        };
    }
    int state = 0;
    bool cancelUnload = false;
};

struct HostFixture {
    platform::fake::FakeTimeService time;
    FormHost host{time};
    std::vector<QString> log;
    HostFixture() {
        host.registerForm<LoggingForm>(
            [this](FormHost& h) { return std::make_unique<LoggingForm>(h, log); });
    }
};

TEST(FormHostTest, FirstReferenceLoadsTheFormOnceAndUnloadStartsAfresh) {
    HostFixture f;
    EXPECT_EQ(f.host.find<LoggingForm>(), nullptr);
    LoggingForm& form = f.host.get<LoggingForm>();
    EXPECT_EQ(&f.host.get<LoggingForm>(), &form);
    EXPECT_EQ(form.state, 1);
    form.state = 7;
    EXPECT_FALSE(form.visible());

    EXPECT_TRUE(f.host.unload<LoggingForm>());
    EXPECT_EQ(f.host.find<LoggingForm>(), nullptr);
    f.time.processEvents();
    EXPECT_EQ(f.host.get<LoggingForm>().state, 1);
    EXPECT_THAT(f.log, testing::ElementsAre(u"load"_s, u"query 1"_s, u"unload"_s, u"load"_s));
}

TEST(FormHostTest, QueryUnloadCanKeepTheForm) {
    HostFixture f;
    LoggingForm& form = f.host.get<LoggingForm>();
    form.cancelUnload = true;
    EXPECT_FALSE(f.host.unload(form, unload_mode::kFormControlMenu));
    EXPECT_TRUE(f.host.isLoaded(form));
    EXPECT_THAT(f.log, testing::ElementsAre(u"load"_s, u"query 0"_s));
}

TEST(FormHostTest, HidingAFormThatIsNotLoadedLoadsItHidden) {
    HostFixture f;
    f.host.get<LoggingForm>().hide();
    EXPECT_TRUE(f.host.find<LoggingForm>() != nullptr);
    EXPECT_THAT(f.log, testing::ElementsAre(u"load"_s));
}

TEST(FormHostTest, ShowResizesOnceAndActivates) {
    HostFixture f;
    LoggingForm& form = f.host.get<LoggingForm>();
    form.show();
    form.hide();
    form.show();
    form.setWindowState(window_state::kMinimized);
    EXPECT_EQ(f.host.activeForm(), &form);
    EXPECT_THAT(f.log, testing::ElementsAre(u"load"_s, u"resize"_s, u"activate"_s, u"activate"_s,
                                            u"resize"_s));
}

TEST(FormHostTest, ModalShowReturnsWhenTheFormIsHidden) {
    HostFixture f;
    LoggingForm& form = f.host.get<LoggingForm>();
    Timer closer(form, u"closer"_s);
    closer.events.timer = [&form] {
        form.hide();
    };
    closer.setInterval(3000);
    const auto before = f.time.monotonicMs();
    form.show(1);
    EXPECT_FALSE(form.visible());
    EXPECT_GE(f.time.monotonicMs() - before, 3000);
}

TEST(FormHostTest, ChangesReachTheListenerAndCount) {
    FormFixture f;
    int told = 0;
    f.form.setChangeListener([&told] { ++told; });
    const auto before = f.form.changeCount();
    Label label(f.form, u"label"_s);
    label.setCaption(u"x"_s);
    label.setCaption(u"x"_s);
    EXPECT_GT(told, 0);
    EXPECT_EQ(f.form.changeCount() - before, static_cast<std::uint64_t>(told));
    const auto settled = told;
    label.setCaption(u"x"_s);
    EXPECT_EQ(told, settled);
}

// A screen that draws nothing on its own: the test says when a window has been drawn.
class QuietWindows : public WindowSystem {
public:
    void formShown(Form& /*form*/) override {}
    void formUnloaded(Form& /*form*/) override {}
    void beginMove(Form& /*form*/) override {}
    void focusChanged(Form& /*form*/) override {}
};

TEST(FormHostTest, StepsWaitingForTheDrawingRunOnceItIsOverAndFromTheEventLoopAfter) {
    FormFixture f;
    std::vector<int> ran;
    f.form.whenDrawn([&ran] { ran.push_back(1); });
    EXPECT_TRUE(ran.empty());
    f.time.processEvents();
    EXPECT_EQ(ran, std::vector<int>{1}) << "nothing draws forms, so nothing is waited for";

    QuietWindows windows;
    f.host.setWindowSystem(&windows);
    f.form.whenDrawn([&] {
        ran.push_back(2);
        f.form.whenDrawn([&ran] { ran.push_back(4); });
        ran.push_back(3);
    });
    f.form.whenDrawn([&ran] { ran.push_back(5); });
    f.form.show();
    f.time.processEvents();
    EXPECT_EQ(ran, std::vector<int>{1});
    f.form.drawn();
    EXPECT_EQ(ran, (std::vector<int>{1, 2, 3, 5}));
    f.form.whenDrawn([&ran] { ran.push_back(6); });
    f.time.processEvents();
    EXPECT_EQ(ran, (std::vector<int>{1, 2, 3, 5, 4, 6}));
    f.host.setWindowSystem(nullptr);
}

} // namespace
} // namespace qv::forms::test
