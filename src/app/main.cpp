#include "app/client.h"
#include "app/start_on_table.h"
#include "forms/qt/qt_window_system.h"
#include "platform/qt/qt_platform.h"
#include "table/main_form.h"

#include <QApplication>
#include <QStringList>

using namespace Qt::StringLiterals;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Quorvale"_s);
    qv::platform::qt::QtPlatform platform(u"quorvale"_s);
    qv::Client client(platform.services);
    qv::forms::qt::QtWindowSystem windows(client.forms);
    // The lobby passes one line; the program reads it whole, as the platform hands it over.
    qv::app::StartOnTable(client, client.forms.get<qv::table::MainForm>(),
                          QApplication::arguments().mid(1).join(u' '));
    return QApplication::exec();
}
