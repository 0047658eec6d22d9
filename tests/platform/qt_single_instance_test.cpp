#include "platform/qt/qt_desktop.h"

#include <QUuid>

#include <gtest/gtest.h>
#include <optional>

namespace qv::platform::qt {
namespace {

TEST(QtSingleInstance, SecondCopySeesTheFirstUntilItEnds) {
    const QString name = QUuid::createUuid().toString(QUuid::WithoutBraces);
    std::optional<QtSingleInstance> first(std::in_place, name);
    EXPECT_FALSE(first->previousInstance());
    EXPECT_FALSE(first->previousInstance());
    EXPECT_TRUE(QtSingleInstance(name).previousInstance());
    first.reset();
    EXPECT_FALSE(QtSingleInstance(name).previousInstance());
}

} // namespace
} // namespace qv::platform::qt
