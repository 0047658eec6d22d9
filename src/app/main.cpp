#include "app/client.h"
#include "app/start_on_table.h"
#include "forms/qt/qt_window_system.h"
#include "forms/qt/web_browser_widget.h"
#include "forms/web_browser.h"
#include "platform/qt/font_config_warm_up.h"
#include "platform/qt/network_module.h"
#include "platform/qt/qt_platform.h"
#include "table/main_form.h"

#include <QApplication>
#include <QStringList>
#include <QThread>

#include <cstdio>
#include <cstring>
#include <optional>
#include <utility>

using namespace Qt::StringLiterals;

int main(int argc, char** argv) {
    // Started by hand, the client does what it does without the lobby's line, and says first how
    // it is started: every lobby line holds a "$". Without a display there is nothing more to
    // show, and Qt would abort.
    if (argc < 2 || std::strchr(argv[1], '$') == nullptr) {
        std::fputs("quorvale: the client is started by the lobby with its command line; "
                   "to play here, run scripts/run.sh\n",
                   stderr);
        if (qEnvironmentVariableIsEmpty("DISPLAY") &&
            qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
            qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            return 2;
        }
    }
    // Qt takes the first thread that asks for its own to be the main one, and the module's loading
    // asks: this one asks first.
    QThread::currentThread();
    // Reading the font configuration and loading the network module each take about as long as
    // starting the application beside them.
    qv::platform::qt::FontConfigWarmUp fonts;
    qv::platform::qt::NetworkModuleLoad networkModule;
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Quorvale"_s);
    std::optional<qv::platform::qt::NetworkServices> network = networkModule.services();
    if (!network) {
        std::fputs("quorvale: the network module libqv_network.so cannot be loaded\n", stderr);
        return 1;
    }
    qv::platform::qt::QtPlatform platform(u"quorvale"_s, std::move(*network));
    qv::Client client(platform.services);
    // The web site of the recharge pages is a setting of the installation.
    client.shop.SiteAddress = qEnvironmentVariable("QUORVALE_SITE");
    // Made while the font configuration is read: the table's design measures no text until the
    // table is laid out.
    qv::table::MainForm& table = client.forms.get<qv::table::MainForm>();
    // The window system chooses its default font among those installed, which needs the reading.
    fonts.finish();
    qv::forms::qt::QtWindowSystem windows(client.forms);
    // The web engine itself, and the graphics context its views share, are set up only when the
    // first web view is shown.
    windows.registerWidgetFactory(QString::fromUtf16(qv::forms::kWebBrowserKind),
                                  qv::forms::qt::webBrowserWidgetFactory());
    // The lobby passes one line; the program reads it whole, as the platform hands it over.
    qv::app::StartOnTable(client, table, QApplication::arguments().mid(1).join(u' '));
    return QApplication::exec();
}
