// Loaded into a program by Qt itself (QT_QPA_GENERIC_PLUGINS=qvfirstpaint), so the program is
// measured as it ships: once the first paint of a window is over it writes one line and ends the
// process.
//   first-paint <monotonic clock, ns> <peak resident KiB> <class of the painted window>
//   <width>x<height>
// The time and the peak are taken when the paint is over, so that what the program does after it
// (work it has put off until its window is up) is not counted.

#include <QCoreApplication>
#include <QEvent>
#include <QGenericPlugin>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <sys/resource.h>
#include <unistd.h>

namespace {

class FirstPaintWatch : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!painted_) {
            if (event->type() == QEvent::Paint && watched->isWidgetType()) {
                painted_ = true;
                QWidget* window = static_cast<QWidget*>(watched)->window();
                what_ = QByteArray(window->metaObject()->className()) + ' ' +
                        QByteArray::number(window->width()) + 'x' +
                        QByteArray::number(window->height());
                QTimer::singleShot(0, this, [this] { report(); });
            }
        } else if (!over_ && event->type() != QEvent::Paint) {
            // The window's children paint in the same pass; the first other event ends it.
            over_ = true;
            timespec now{};
            ::clock_gettime(CLOCK_MONOTONIC, &now);
            endNs_ = static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
            rusage usage{};
            ::getrusage(RUSAGE_SELF, &usage);
            peakKiB_ = usage.ru_maxrss;
        }
        return false;
    }

private:
    void report() const {
        std::printf("first-paint %lld %ld %s\n", endNs_, peakKiB_, what_.constData());
        std::fflush(stdout);
        ::_exit(0);
    }

    bool painted_ = false;
    bool over_ = false;
    long long endNs_ = 0;
    long peakKiB_ = 0;
    QByteArray what_;
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
