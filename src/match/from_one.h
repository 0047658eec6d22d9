#pragma once

#include <stdexcept>
#include <utility>
#include <vector>

namespace qv::match {

/// An array indexed from 1 to `size()`, as the tournament tables are: element i is `at(i)`, and
/// an index outside 1 to `size()` is refused, never read.
template <typename T>
class FromOne {
public:
    FromOne() = default;
    explicit FromOne(int count) : items_(count > 0 ? count : 0) {}

    [[nodiscard]] int size() const { return static_cast<int>(items_.size()); }
    [[nodiscard]] bool empty() const { return items_.empty(); }
    [[nodiscard]] bool has(int i) const { return i >= 1 && i <= size(); }

    [[nodiscard]] T& at(int i) {
        check(i);
        return items_[i - 1];
    }
    [[nodiscard]] const T& at(int i) const {
        check(i);
        return items_[i - 1];
    }

    void push_back(T item) { items_.push_back(std::move(item)); }
    void clear() { items_.clear(); }
    /// Keeps the first `count` elements (or adds empty ones up to it).
    void resize(int count) { items_.resize(count > 0 ? count : 0); }

    [[nodiscard]] auto begin() { return items_.begin(); }
    [[nodiscard]] auto end() { return items_.end(); }
    [[nodiscard]] auto begin() const { return items_.begin(); }
    [[nodiscard]] auto end() const { return items_.end(); }

    friend bool operator==(const FromOne&, const FromOne&) = default;

private:
    void check(int i) const {
        if (!has(i)) {
            throw std::out_of_range("an index outside a table counted from 1");
        }
    }

    std::vector<T> items_;
};

} // namespace qv::match
