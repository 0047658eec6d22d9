#include <QApplication>

#include <gmock/gmock.h>

// Tests run inside a real (display-less) Qt application so fonts, images and event loops work.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
