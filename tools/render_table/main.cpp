// Renders the laid-out table window to PNG files without a display, one per screen size, so
// the layout can be looked at: render_table [output folder].

#include "app/client.h"
#include "forms/qt/render_to_image.h"
#include "platform/fake/fake_platform.h"
#include "table/main_form.h"

#include <QApplication>
#include <QDir>
#include <QSize>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

/// Lays the table out for a screen of `screen` pixels and saves it as `path`.
bool renderTable(QSize screen, const QString& path) {
    qv::platform::fake::FakePlatform platform;
    platform.screen.size_ = screen;
    qv::Client client(platform.services);
    qv::table::MainForm& form = client.forms.get<qv::table::MainForm>();
    form.Form_Load();
    return qv::forms::qt::saveFormPng(form, path);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : u"."_s);
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "render_table: cannot create %s\n", qPrintable(folder.path()));
        return 1;
    }
    int status = 0;
    for (const QSize screen : {QSize(1024, 768), QSize(800, 600)}) {
        const QString path =
            folder.filePath(u"table-%1x%2.png"_s.arg(screen.width()).arg(screen.height()));
        if (!renderTable(screen, path)) {
            std::fprintf(stderr, "render_table: cannot write %s\n", qPrintable(path));
            status = 1;
            continue;
        }
        std::printf("%s\n", qPrintable(path));
    }
    return status;
}
