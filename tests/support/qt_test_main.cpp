#include <QApplication>

#include <gmock/gmock.h>

// Tests run inside a real (display-less) Qt application so fonts, images and event loops work.
int main(int argc, char** argv) {
    // Test discovery runs this program without the test environment: stay display-less there too.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
