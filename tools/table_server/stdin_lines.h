#pragma once

#include <QByteArray>
#include <QObject>
#include <QSocketNotifier>

#include <functional>

namespace qv::tools::table {

/// Hands every line of the standard input, as it comes, to a callback on the event loop, so that
/// a person at a terminal or a test writing to a pipe can act at any moment. Stops at the end of
/// the input.
class StdinLines : public QObject {
    Q_OBJECT
public:
    explicit StdinLines(std::function<void(const QString&)> onLine);

private:
    void readAvailable();

    std::function<void(const QString&)> onLine_;
    QSocketNotifier notifier_;
    QByteArray pending_;
};

} // namespace qv::tools::table
