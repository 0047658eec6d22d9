#include "app/client.h"
#include "forms/runtime_error.h"
#include "platform/fake/fake_platform.h"
#include "platform/qt/qt_plugin_host.h"
#include "plugin/guarded_plugin.h"
#include "plugin/mod_prop.h"
#include "table/main_form.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::plugin {
namespace {

using Outcome = platform::PluginLoad::Outcome;

/// A client on fake services whose item plug-in is loaded by the real loader from its program
/// folder.
struct LoaderTable {
    LoaderTable() {
        client.conn.g_bLoggedIn = true;
        client.plugin.Prop_UserName = u"alice"_s;
        client.plugin.Prop_UserCode = u"secret"_s;
        client.plugin.Prop_InitArg = 7;
        form.Form_Load();
    }

    [[nodiscard]] QString toolsFolder() const {
        return platform.appFolder.path() + u"/plugin/tools"_s;
    }
    /// Puts `library` into the program folder as the plug-in, with `script` beside it.
    void install(const QString& library, const QString& script = {}) const {
        QDir().mkpath(toolsFolder());
        QFile::copy(library, PluginLibraryPath(platform.appFolder.path()));
        QFile file(toolsFolder() + u"/brivet.script"_s);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(script.toUtf8());
    }
    /// The calls the plug-in recorded, one a line.
    [[nodiscard]] QStringList calls() const {
        QFile file(toolsFolder() + u"/brivet.log"_s);
        if (!file.open(QIODevice::ReadOnly)) {
            return {};
        }
        return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }

    platform::fake::FakePlatform platform;
    platform::qt::QtPluginHost host;
    platform::Services services = [this] {
        platform::Services s = platform.services;
        return platform::Services{.time = s.time,
                                  .winsock = s.winsock,
                                  .screen = s.screen,
                                  .messageBox = s.messageBox,
                                  .appFolder = s.appFolder,
                                  .singleInstance = s.singleInstance,
                                  .shell = s.shell,
                                  .process = s.process,
                                  .lobby = s.lobby,
                                  .plugins = host,
                                  .sound = s.sound,
                                  .http = s.http};
    }();
    Client client{services};
    table::MainForm& form = client.forms.get<table::MainForm>();
};

TEST(PluginLoader, TheHostTellsAMissingLibraryFromABrokenOneAndMakesTheObject) {
    struct Case {
        const char* what;
        QString library;
        QString script;
        Outcome outcome;
    };
    const QTemporaryDir scratch;
    const QString notALibrary = scratch.filePath(u"text.so"_s);
    QFile text(notALibrary);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a library");
    text.close();
    const std::vector<Case> cases{
        {"no file", {}, {}, Outcome::Missing},
        {"not a library", notALibrary, {}, Outcome::Failed},
        {"no factory", QStringLiteral(QV_NOT_A_PLUGIN), {}, Outcome::Failed},
        {"another version", QStringLiteral(QV_BRIVET), u"version 2"_s, Outcome::Failed},
        {"the plug-in", QStringLiteral(QV_BRIVET), {}, Outcome::Created},
    };
    for (const Case& c : cases) {
        LoaderTable t;
        if (!c.library.isEmpty()) {
            t.install(c.library, c.script);
        }
        const platform::PluginLoad load =
            t.host.create(PluginLibraryPath(t.platform.appFolder.path()));
        EXPECT_EQ(load.outcome, c.outcome) << c.what;
        EXPECT_EQ(load.object != nullptr, c.outcome == Outcome::Created) << c.what;
    }
}

TEST(PluginLoader, TheLoadEndsInTheStateItsAnswersGive) {
    struct Case {
        const char* what;
        bool installed;
        QString script;
        bool loggedIn;
        int state;
        bool object;
    };
    const std::vector<Case> cases{
        {"no library: off for good", false, {}, true, -1, false},
        {"not logged in", true, {}, false, -1, false},
        {"another version: not tried", true, u"version 2"_s, true, 0, false},
        {"Initdll refuses: not tried", true, u"initdll 0"_s, true, 0, false},
        {"without chests", true, {}, true, 1, true},
        {"with chests", true, u"chests 1"_s, true, 2, true},
    };
    for (const Case& c : cases) {
        LoaderTable t;
        if (c.installed) {
            t.install(QStringLiteral(QV_BRIVET), c.script);
        }
        t.client.conn.g_bLoggedIn = c.loggedIn;
        EXPECT_EQ(t.client.modProp.InitGameDll(), c.state > 0) << c.what;
        EXPECT_EQ(t.client.plugin.Prop_GameDllState, c.state) << c.what;
        EXPECT_EQ(t.client.plugin.Prop_GameDll != nullptr, c.object) << c.what;
        EXPECT_EQ(t.client.plugin.Prop_PumpOn, c.state > 0) << c.what;
    }
}

TEST(PluginLoader, InitdllHearsTheUserTheScaleAndField15FromAnyCurrentFolder) {
    const QString before = QDir::currentPath();
    const QTemporaryDir elsewhere;
    for (const float scale : {1.0F, 0.78125F}) {
        LoaderTable t;
        t.install(QStringLiteral(QV_BRIVET), u"chests 1"_s);
        t.client.table.ScaleY = scale;
        QDir::setCurrent(elsewhere.path());
        ASSERT_TRUE(t.client.modProp.InitGameDll());
        QDir::setCurrent(before);
        const QStringList calls = t.calls();
        ASSERT_GE(calls.size(), 2);
        EXPECT_EQ(calls[0], (scale == 1.0F ? u"Initdll alice secret DLL 0 vozevivor 1 7"_s
                                           : u"Initdll alice secret DLL 0 vozevivor 2 7"_s));
        EXPECT_EQ(calls[1], u"GetBaoInfo"_s);
        EXPECT_FALSE(t.form.ImgProp(14).visible());
        EXPECT_FALSE(t.form.ImgProp(14).enabled());
    }
}

TEST(PluginLoader, ARefusedInitdllIsTriedAgainAndAThrowingMethodIsARunTimeError) {
    LoaderTable t;
    t.install(QStringLiteral(QV_BRIVET), u"initdll 0\nthrow CheckSendBuff"_s);
    EXPECT_FALSE(t.client.modProp.InitGameDll());
    EXPECT_FALSE(t.client.modProp.InitGameDll());
    EXPECT_EQ(t.calls().count(u"Initdll alice secret DLL 0 vozevivor 1 7"_s), 2);
    EXPECT_EQ(t.client.plugin.Prop_GameDllState, 0);

    QFile script(t.toolsFolder() + u"/brivet.script"_s);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("throw CheckSendBuff\n");
    script.close();
    ASSERT_TRUE(t.client.modProp.InitGameDll());
    EXPECT_THROW(t.client.plugin.Prop_GameDll->CheckSendBuff(), forms::RuntimeError);
}

} // namespace
} // namespace qv::plugin
