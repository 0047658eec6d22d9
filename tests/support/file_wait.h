#pragma once

#include <QStringList>

#include <functional>

namespace qv::test {

/// Waits until `done` holds, checking it at once and whenever one of the files (written by
/// another process) changes; false when it still does not hold after `timeoutMs`. The files must
/// exist: a writer that truncates them on opening keeps them watched.
bool waitForFiles(const QStringList& paths, const std::function<bool()>& done, int timeoutMs);

} // namespace qv::test
