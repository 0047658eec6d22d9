#include "app/client.h"
#include "app/start_on_table.h"
#include "forms/input_router.h"
#include "network_table.h"
#include "table/main_form.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::hand {
namespace {

/// The client's plays and passes as the server logged them, and its refusals.
struct ServerLog {
    int plays = 0;
    int refusals = 0;
    int results = 0;
};

ServerLog readLog(const QString& path) {
    ServerLog log;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return log;
    }
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() >= 4 && fields[1] == "in" && fields[2] == "7") {
            const QByteArray bytes = QByteArray::fromHex(fields[3]);
            log.plays += bytes.size() > 15 && bytes[15] == 2 ? 1 : 0;
        }
        log.results += fields.size() >= 3 && fields[1] == "out" && fields[2] == "9" ? 1 : 0;
        log.refusals += line.contains("refused") ? 1 : 0;
    }
    return log;
}

enum class Driver { Countdown, Mouse };

class WholeHandTest : public ::testing::TestWithParam<Driver> {};

// The client plays a whole hand at the table server over real sockets, its turns played by the
// countdown's automatic play or by the mouse (the first hint raised, a right click on the
// table). Every play it sends is taken, and the hand ends with three seats out.
TEST_P(WholeHandTest, TheClientPlaysAWholeHand) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QProcess server;
    const int port = testing_support::startTableServer(
        server, folder.path(),
        {u"--seed"_s, GetParam() == Driver::Countdown ? u"5"_s : u"11"_s, u"--delay"_s, u"0"_s,
         u"--deal-after"_s, u"100"_s, u"--turn-seconds"_s, u"2"_s, u"--hands"_s, u"1"_s, u"--log"_s,
         folder.path() + u"/table.log"_s});
    ASSERT_GT(port, 0);

    testing_support::NetworkPlatform platform;
    platform.fakes.lobby.open(connection::kDefaultLobbyTitle);
    Client client(platform.services);
    table::MainForm& form = client.forms.get<table::MainForm>();
    app::StartOnTable(client, form, testing_support::tableCommandLine(port));
    forms::InputRouter mouse(form);
    const auto press = [&mouse, &form](const forms::Control& control, int button) {
        const QPointF at =
            form.Pic1.pixelRect().topLeft() + control.pixelRect().topLeft() + QPointF(3, 10);
        mouse.mousePress(at, button, 0);
        mouse.mouseRelease(at, button, 0);
    };

    const auto over = [&client] {
        return client.hand.g_FinishCount == 3;
    };
    // However slow the machine, the client gets its time: this only bounds a hung run.
    const QDeadlineTimer deadline(240000);
    while (!over() && !deadline.hasExpired() && !platform.fakes.process.ended()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (GetParam() == Driver::Mouse && client.hand.g_bMyTurn && client.hand.Oper_Flag &&
            form.Operation(1).visible()) {
            press(form.Operation(1), forms::mouse::kLeft);
            if (client.hand.Oper_Flag) {
                const QPointF table = form.Pic1.pixelRect().topLeft() + QPointF(500, 300);
                mouse.mousePress(table, forms::mouse::kRight, 0);
                mouse.mouseRelease(table, forms::mouse::kRight, 0);
            }
        }
    }
    // Three badges were shown: three seats are out and the server closed the hand.
    ASSERT_TRUE(over());
    server.waitForFinished(10000);
    const ServerLog log = readLog(folder.path() + u"/table.log"_s);
    EXPECT_GT(log.plays, 0);
    EXPECT_EQ(log.refusals, 0);
    EXPECT_EQ(log.results, 2);
    server.kill();
    server.waitForFinished();
}

INSTANTIATE_TEST_SUITE_P(Drivers, WholeHandTest,
                         ::testing::Values(Driver::Countdown, Driver::Mouse),
                         [](const ::testing::TestParamInfo<Driver>& driver) {
                             return driver.param == Driver::Countdown ? "Countdown" : "Mouse";
                         });

} // namespace
} // namespace qv::hand
