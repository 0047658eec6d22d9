#pragma once

#include <thread>

namespace qv::platform::qt {

/// Reads the system's font configuration on a thread of its own while the application starts, so
/// that the first text the program measures does not wait for it. `finish` waits for the reading;
/// call it before anything measures text, or that would read the whole configuration again beside
/// it.
class FontConfigWarmUp {
public:
    FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;
    ~FontConfigWarmUp();

    void finish();

private:
    std::thread reader_;
};

} // namespace qv::platform::qt
