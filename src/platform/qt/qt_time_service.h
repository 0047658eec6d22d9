#pragma once

#include "platform/time_service.h"

#include <QElapsedTimer>
#include <QObject>

#include <map>

namespace qv::platform::qt {

/// Time and events on the Qt event loop of the UI thread.
///
/// Timers are QObject timers of one host object, so stopping one from any handler, its own
/// included, is safe; Qt does not fire a timer again while its handler runs.
class QtTimeService final : public QObject, public TimeService {
    Q_OBJECT
public:
    QtTimeService();

    [[nodiscard]] std::uint32_t tickMs() const override;
    [[nodiscard]] std::int64_t monotonicMs() const override { return clock_.elapsed(); }
    [[nodiscard]] double secondsSinceMidnight() const override;
    [[nodiscard]] QDateTime localDateTime() const override;

    TimerId startTimer(int intervalMs, Handler handler) override;
    void stopTimer(TimerId id) override;
    void post(Handler event) override;

    void processEvents() override;
    void wait(int ms) override;
    void sleep(int ms) override;

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    QElapsedTimer clock_;
    std::map<TimerId, Handler> timers_;
};

} // namespace qv::platform::qt
