#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct HelpCase {
    const char* name;
    const char* program;
    const char* argument;
    int exitCode;
    /// What the answer holds, on standard output or, for the client, standard error.
    const char16_t* says;
};

const HelpCase kCases[] = {
    {"TableServer", QV_TABLE_SERVER, "--help", 0, u"--cut-at-play"},
    {"TableServerReward", QV_TABLE_SERVER, "--help", 0, u"--reward <prize,jade>"},
    {"TableServerBadReward", QV_TABLE_SERVER, "--reward=3939", 2,
     u"--reward takes two whole numbers as PRIZE,JADE"},
    {"LobbyStandIn", QV_LOBBY_STANDIN, "--help", 0, u"the client ended (exit code N)"},
    {"RenderTable", QV_RENDER_TABLE, "--help", 0, u"[folder]"},
    {"TestScript", QV_SOURCE_DIR "/scripts/test.sh", "--help", 0, u"[PRESET...]"},
    {"RunScript", QV_SOURCE_DIR "/scripts/run.sh", "--help", 0, u"Usage: scripts/run.sh"},
    {"ClientHelp", QV_CLIENT, "--help", 2, u"run scripts/run.sh"},
    {"ClientUnknownWord", QV_CLIENT, "hello", 2, u"run scripts/run.sh"},
    {"ClientNoArgument", QV_CLIENT, "", 2, u"run scripts/run.sh"},
};

class HelpTest : public testing::TestWithParam<HelpCase> {};

// Without a display, each program answers and leaves its working folder as it found it.
TEST_P(HelpTest, AnswersWithoutADisplayAndWritesNothing) {
    const HelpCase& c = GetParam();
    QTemporaryDir folder;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QString::fromLatin1(name));
    }
    environment.insert(u"HOME"_s, folder.path());
    environment.insert(u"XDG_RUNTIME_DIR"_s, folder.path());
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder.path());
    const QString argument = QString::fromLatin1(c.argument);
    process.start(QString::fromLatin1(c.program),
                  argument.isEmpty() ? QStringList() : QStringList{argument});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), c.exitCode);
    const QString answer =
        QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
    EXPECT_TRUE(answer.contains(QString::fromUtf16(c.says))) << answer.toStdString();
    EXPECT_TRUE(
        QDir(folder.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
}

INSTANTIATE_TEST_SUITE_P(Programs, HelpTest, testing::ValuesIn(kCases),
                         [](const auto& param) { return std::string(param.param.name); });

} // namespace
