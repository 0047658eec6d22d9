#pragma once

#include <stdexcept>
#include <string>

namespace qv::forms {

/// A run-time error of the form runtime with the platform's error number, so that callers that
/// ignore errors (as the game's handlers do) can catch one type.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, const std::string& what) : std::runtime_error(what), number_(number) {}
    [[nodiscard]] int number() const { return number_; }

    static constexpr int kInvalidCall = 5;
    static constexpr int kNoSuchElement = 340;
    static constexpr int kAlreadyLoaded = 360;

private:
    int number_;
};

} // namespace qv::forms
