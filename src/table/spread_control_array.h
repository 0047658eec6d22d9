#pragma once

#include "forms/control_array_base.h"
#include "forms/design.h"
#include "forms/runtime_error.h"

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace qv::forms {
class Container;
}

namespace qv::table {

/// A control array whose designed elements lie in different containers (the video command
/// buttons, one strip each; the paging buttons of two panels). Elements are all designed; none
/// is loaded at run time.
template <class T>
class SpreadControlArray : public forms::ControlArrayBase {
public:
    /// Each row designs the elements from its first to its last index, in its container.
    SpreadControlArray(
        QString name,
        std::initializer_list<std::pair<forms::Container*, forms::ControlDesign>> design)
        : forms::ControlArrayBase(std::move(name)) {
        for (const auto& [container, row] : design) {
            for (int index = row.firstIndex; index <= row.lastIndex; ++index) {
                auto element = std::make_unique<T>(*container, this->name(), row);
                adopt(*element, index);
                elements_.emplace(index, std::move(element));
            }
        }
    }
    ~SpreadControlArray() = default;
    SpreadControlArray(const SpreadControlArray&) = delete;
    SpreadControlArray& operator=(const SpreadControlArray&) = delete;

    /// Element `index`; a missing element is the platform's run-time error 340.
    [[nodiscard]] T& operator[](int index) const {
        const auto found = elements_.find(index);
        if (found == elements_.end()) {
            throw forms::RuntimeError(forms::RuntimeError::kNoSuchElement,
                                      "control array element " + std::to_string(index) +
                                          " does not exist");
        }
        return *found->second;
    }
    [[nodiscard]] T& operator()(int index) const { return (*this)[index]; }
    [[nodiscard]] bool exists(int index) const { return elements_.contains(index); }
    [[nodiscard]] int count() const { return static_cast<int>(elements_.size()); }

private:
    std::map<int, std::unique_ptr<T>> elements_;
};

} // namespace qv::table
