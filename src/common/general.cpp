#include "common/general.h"

#include "common/runtime_errors.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>
#include <limits>

namespace qv {

std::uint8_t IntLog2(std::int16_t n) {
    std::uint8_t count = 0;
    while (n > 1) {
        n = static_cast<std::int16_t>(n / 2);
        ++count;
    }
    return count;
}

std::int16_t Pow2(std::int16_t n) {
    if (n >= 15) {
        throw RuntimeError(kOverflowError, "Pow2: result beyond 16 bits");
    }
    return n <= 0 ? std::int16_t{1} : static_cast<std::int16_t>(1 << n);
}

namespace {

/// Milliseconds as the time service takes them: what does not fit waits as long as it can, and
/// what is not a number waits not at all.
int clampedMs(double ms) {
    if (!(ms > 0.0)) {
        return 0;
    }
    return ms >= std::numeric_limits<int>::max() ? std::numeric_limits<int>::max()
                                                 : static_cast<int>(ms);
}

} // namespace

void SleepSec(platform::TimeService& time, float seconds) {
    time.sleep(clampedMs(std::round(static_cast<double>(seconds * 1000.0F))));
}

void WaitSec(platform::TimeService& time, float seconds) {
    if (!(seconds >= 0.0F)) {
        return;
    }
    // The wait ends once more than `seconds` have passed: a whole millisecond beyond.
    time.wait(clampedMs(std::floor(static_cast<double>(seconds * 1000.0F)) + 1.0));
}

void WaitMs(platform::TimeService& time, std::int16_t ms) {
    if (ms > 0) {
        time.wait(ms);
    }
}

QString PadLeft(const QString& s, std::int16_t n) {
    return s.size() >= n ? s : s.rightJustified(n, u' ');
}

QString PadRight(const QString& s, std::int16_t n) {
    return s.size() >= n ? s : s.leftJustified(n, u' ');
}

bool FileNameExists(const QString& path, const QString& name) {
    const QFileInfo pattern(path);
    QDir dir = pattern.dir();
    dir.setNameFilters({pattern.fileName()});
    dir.setFilter(QDir::Files);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    const QStringList found = pattern.fileName().isEmpty() ? QStringList() : dir.entryList();
    return (found.isEmpty() ? QString() : found.first()) == name;
}

} // namespace qv
