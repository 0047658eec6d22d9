#pragma once

#include <stdexcept>

namespace qv {

/// A run-time error raised to the caller, with the runtime's error number; callers that ignore
/// run-time errors catch it.
class VbError : public std::runtime_error {
public:
    static constexpr int kInvalidProcedureCall = 5;
    static constexpr int kOverflow = 6;

    VbError(int number, const char* what) : std::runtime_error(what), number_(number) {}
    [[nodiscard]] int number() const { return number_; }

private:
    int number_;
};

} // namespace qv
