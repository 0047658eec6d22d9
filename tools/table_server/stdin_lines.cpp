#include "stdin_lines.h"

#include <array>
#include <cerrno>
#include <unistd.h>

namespace qv::tools::table {
namespace {

constexpr int kStdin = 0;
constexpr int kChunk = 4096;

} // namespace

StdinLines::StdinLines(std::function<void(const QString&)> onLine)
    : onLine_(std::move(onLine)), notifier_(kStdin, QSocketNotifier::Read) {
    connect(&notifier_, &QSocketNotifier::activated, this, &StdinLines::readAvailable);
}

void StdinLines::readAvailable() {
    std::array<char, kChunk> chunk{};
    const ssize_t got = ::read(kStdin, chunk.data(), chunk.size());
    if (got < 0 && (errno == EINTR || errno == EAGAIN)) {
        return;
    }
    if (got <= 0) {
        notifier_.setEnabled(false);
        if (!pending_.isEmpty()) {
            onLine_(QString::fromUtf8(std::exchange(pending_, {})));
        }
        return;
    }
    pending_.append(chunk.data(), got);
    for (qsizetype end = pending_.indexOf('\n'); end >= 0; end = pending_.indexOf('\n')) {
        const QByteArray line = pending_.left(end);
        pending_.remove(0, end + 1);
        onLine_(QString::fromUtf8(line));
    }
}

} // namespace qv::tools::table
