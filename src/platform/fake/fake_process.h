#pragma once

#include "platform/fake/fake_time_service.h"
#include "platform/process.h"

#include <optional>

namespace qv::platform::fake {

/// Thrown by the fake when the program ends at once, so that nothing after the end runs; the
/// test catches it (or asserts it with EXPECT_THROW).
struct ProgramEnded {
    Process::End how;
};

/// Records how the program ended and stops its run: the virtual clock delivers nothing any more,
/// and the two ways that end at once throw `ProgramEnded` out of the code that ended it.
class FakeProcess final : public Process {
public:
    explicit FakeProcess(FakeTimeService& time) : time_(time) {}

    void shutDown() override { end(End::ShutDown); }
    [[noreturn]] void restoreLobbyThenEnd() override { endAtOnce(End::RestoreLobbyThenEnd); }
    [[noreturn]] void endNow() override { endAtOnce(End::EndNow); }

    /// How the program ended, when it did.
    [[nodiscard]] std::optional<End> ended() const { return ended_; }

private:
    void end(End how) {
        if (!ended_) {
            ended_ = how;
        }
        time_.halt();
    }
    [[noreturn]] void endAtOnce(End how) {
        end(how);
        throw ProgramEnded{how};
    }

    FakeTimeService& time_;
    std::optional<End> ended_;
};

} // namespace qv::platform::fake
