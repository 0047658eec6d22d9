// Loaded into a program by Qt itself (QT_QPA_GENERIC_PLUGINS=qvfirstpaint), so the program is
// measured as it ships: on the first paint of a window it writes one line and ends the process.
//   first-paint <peak resident KiB> <class of the painted window> <width>x<height>

#include <QCoreApplication>
#include <QEvent>
#include <QGenericPlugin>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <sys/resource.h>
#include <unistd.h>

namespace {

class FirstPaintWatch : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!seen_ && event->type() == QEvent::Paint && watched->isWidgetType()) {
            seen_ = true;
            // The children of the window paint in the same pass: report once it is done.
            QWidget* window = static_cast<QWidget*>(watched)->window();
            const QByteArray what = QByteArray(window->metaObject()->className()) + ' ' +
                                    QByteArray::number(window->width()) + 'x' +
                                    QByteArray::number(window->height());
            QTimer::singleShot(0, [what] { report(what); });
        }
        return false;
    }

private:
    static void report(const QByteArray& what) {
        rusage usage{};
        ::getrusage(RUSAGE_SELF, &usage);
        std::printf("first-paint %ld %s\n", usage.ru_maxrss, what.constData());
        std::fflush(stdout);
        ::_exit(0);
    }

    bool seen_ = false;
};

class FirstPaintPlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "first_paint.json")
public:
    QObject* create(const QString& /*key*/, const QString& /*parameters*/) override {
        auto* watch = new FirstPaintWatch(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(watch);
        return watch;
    }
};

} // namespace

#include "first_paint_plugin.moc"
