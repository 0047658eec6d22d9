#include "between_fixture.h"
#include "forms/qt/form_widget.h"
#include "forms/qt/qt_window_system.h"
#include "table/exit_windows.h"

#include <QApplication>
#include <QKeyEvent>

#include <gtest/gtest.h>

namespace qv::between {
namespace {

using testing_support::BetweenTable;

/// The table's window on the screen, Qt's key events going to the widget that has the focus.
struct TableOnScreen : BetweenTable {
    TableOnScreen() {
        // Loaded before the window system was there: shown again, it gets its window.
        form.hide();
        form.show();
        QApplication::processEvents();
    }
    void press(Qt::Key key, const QString& text = {}) {
        QWidget* target = QApplication::focusWidget();
        if (target == nullptr) {
            target = windows.widgetOf(form);
        }
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(target, &down);
        QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(target, &up);
        QApplication::processEvents();
    }
    [[nodiscard]] QWidget* dialogWindow() const {
        const auto* dialog = client.forms.find<table::frmExit>();
        return dialog == nullptr ? nullptr : windows.widgetOf(*dialog);
    }

    forms::qt::QtWindowSystem windows{client.forms};
};

// Through Qt's own key events: Esc on the table opens the exit dialog as a window of its own,
// shown. The key, which the table's widgets leave, reaches the table's handlers once, not once more
// for each widget Qt hands it on to (which opened the dialog and closed it again).
TEST(ExitKeyWindowTest, EscOnTheTableShowsTheExitDialogsWindow) {
    TableOnScreen t;
    t.form.Pic1.setFocus();
    QApplication::processEvents();
    t.press(Qt::Key_Escape, QStringLiteral("\x1b"));
    QWidget* dialog = t.dialogWindow();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(t.client.forms.get<table::frmExit>().visible());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->isWindow());
}

} // namespace
} // namespace qv::between
