#include "support/web_engine_fixture.h"

#include <QApplication>
#include <QFile>

#include <gmock/gmock.h>
#include <optional>

// The web view on the real web engine, against a local HTTP server started by the test.

namespace qv::forms::test {
namespace {

using namespace Qt::StringLiterals;

bool webEngineLoaded() {
    QFile maps(u"/proc/self/maps"_s);
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6WebEngineCore");
}

TEST(WebEngineTest, TheEngineLoadsOnlyWhenAViewIsShownAndThenShowsTheLocalPage) {
    LocalWebServer server;
    ASSERT_NE(server.port(), 0) << "the local HTTP server did not start";
    EngineFixture f;
    f.view.navigate(u"http://127.0.0.1:%1/ad.html"_s.arg(server.port()));
    QApplication::processEvents();
    EXPECT_FALSE(webEngineLoaded()) << "nothing shown yet";
    EXPECT_FALSE(QCoreApplication::testAttribute(Qt::AA_ShareOpenGLContexts));

    EXPECT_EQ(f.showAndWait(), std::optional(true));
    EXPECT_TRUE(webEngineLoaded());
    // The views' shared graphics context is asked for with the engine, not at start.
    EXPECT_TRUE(QCoreApplication::testAttribute(Qt::AA_ShareOpenGLContexts));
}

TEST(WebEngineTest, APageThatCannotBeReachedIsANavigationError) {
    LocalWebServer server;
    const int port = server.port();
    ASSERT_NE(port, 0);
    EngineFixture f;
    f.form.show();
    QApplication::processEvents();
    f.view.navigate(u"http://127.0.0.1:%1/missing.html"_s.arg(port));
    EXPECT_EQ(f.showAndWait(), std::optional(false));
}

} // namespace
} // namespace qv::forms::test
