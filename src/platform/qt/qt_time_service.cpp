#include "platform/qt/qt_time_service.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTime>
#include <QTimer>
#include <QTimerEvent>

#include <algorithm>

namespace qv::platform::qt {

QtTimeService::QtTimeService() {
    clock_.start();
}

std::uint32_t QtTimeService::tickMs() const {
    // Milliseconds since boot, as the platform's tick counts them.
    return static_cast<std::uint32_t>(clock_.msecsSinceReference() + clock_.elapsed());
}

double QtTimeService::secondsSinceMidnight() const {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

QDateTime QtTimeService::localDateTime() const {
    return QDateTime::currentDateTime();
}

TimeService::TimerId QtTimeService::startTimer(int intervalMs, Handler handler) {
    const TimerId id = QObject::startTimer(std::max(intervalMs, 1), Qt::PreciseTimer);
    if (id != 0) {
        timers_.emplace(id, std::move(handler));
    }
    return id;
}

void QtTimeService::stopTimer(TimerId id) {
    if (timers_.erase(id) != 0) {
        killTimer(id);
    }
}

void QtTimeService::post(Handler event) {
    QMetaObject::invokeMethod(this, std::move(event), Qt::QueuedConnection);
}

void QtTimeService::processEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtTimeService::wait(int ms) {
    if (ms <= 0) {
        processEvents();
        return;
    }
    // A local loop ended by a single-shot timer: waits nest, and an outer wait whose time ran out
    // during an inner one returns when the inner one does.
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

void QtTimeService::sleep(int ms) {
    if (ms > 0) {
        QThread::msleep(static_cast<unsigned long>(ms));
    }
}

void QtTimeService::timerEvent(QTimerEvent* event) {
    const auto it = timers_.find(event->timerId());
    if (it == timers_.end()) {
        return;
    }
    // The handler may stop its own timer, which erases the stored handler.
    const Handler handler = it->second;
    handler();
}

} // namespace qv::platform::qt
