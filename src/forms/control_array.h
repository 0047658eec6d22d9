#pragma once

#include "forms/control_array_base.h"
#include "forms/design.h"
#include "forms/runtime_error.h"

#include <concepts>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace qv::forms {

class Container;

/// A control array: elements by index, sharing one set of handler slots that receive the index.
/// The designed elements exist from the start; `load` adds an element as a hidden copy of the
/// lowest one (picture, size, stretch, font, colours, mouse pointer...), in the same container.
/// Elements live as long as the array, that is as long as the form.
template <class T>
class ControlArray : public ControlArrayBase {
public:
    ControlArray(Container& container, QString name, std::initializer_list<int> designed = {0})
        : ControlArrayBase(std::move(name)), container_(&container) {
        for (const int index : designed) {
            add(container, index);
        }
    }

    /// A designed array: each row designs the elements from its first to its last index.
    ControlArray(Container& container, QString name, std::initializer_list<ControlDesign> rows)
        : ControlArrayBase(std::move(name)), container_(&container) {
        for (const ControlDesign& row : rows) {
            for (int index = row.firstIndex; index <= row.lastIndex; ++index) {
                keep(index, std::make_unique<T>(container, this->name(), row));
            }
        }
    }

    /// An array whose designed elements lie in different containers (one per panel or strip).
    ControlArray(QString name, const std::vector<std::pair<Container*, int>>& designed)
        : ControlArrayBase(std::move(name)),
          container_(designed.empty() ? nullptr : designed.front().first) {
        for (const auto& [container, index] : designed) {
            add(*container, index);
        }
    }

    /// Element `index`; a missing element is the platform's run-time error 340.
    [[nodiscard]] T& operator[](int index) const {
        const auto found = elements_.find(index);
        if (found == elements_.end()) {
            throw RuntimeError(RuntimeError::kNoSuchElement, "control array element " +
                                                                 std::to_string(index) +
                                                                 " does not exist");
        }
        return *found->second;
    }
    [[nodiscard]] T& operator()(int index) const { return (*this)[index]; }
    [[nodiscard]] bool exists(int index) const { return elements_.contains(index); }

    /// Creates element `index` as a hidden copy of the lowest element; loading an element that
    /// exists is the platform's run-time error 360.
    T& load(int index) {
        if (exists(index)) {
            throw RuntimeError(RuntimeError::kAlreadyLoaded, "control array element " +
                                                                 std::to_string(index) +
                                                                 " is already loaded");
        }
        if (elements_.empty()) {
            if (container_ == nullptr) {
                throw RuntimeError(RuntimeError::kNoSuchElement,
                                   "control array without a container");
            }
            return add(*container_, index);
        }
        const T& model = *elements_.begin()->second;
        T& element = add(model.container(), index);
        element.copyPropertiesFrom(model);
        return element;
    }

    [[nodiscard]] int lBound() const { return elements_.empty() ? 0 : elements_.begin()->first; }
    [[nodiscard]] int uBound() const { return elements_.empty() ? -1 : elements_.rbegin()->first; }
    [[nodiscard]] int count() const { return static_cast<int>(elements_.size()); }
    /// The elements in index order.
    [[nodiscard]] std::vector<T*> elements() const {
        std::vector<T*> all;
        all.reserve(elements_.size());
        for (const auto& [index, element] : elements_) {
            all.push_back(element.get());
        }
        return all;
    }

private:
    T& add(Container& container, int index) {
        return keep(index, std::make_unique<T>(container, name()));
    }
    T& keep(int index, std::unique_ptr<T> element) {
        T& added = *element;
        adopt(added, index);
        elements_.emplace(index, std::move(element));
        return added;
    }

    Container* container_;
    std::map<int, std::unique_ptr<T>> elements_;
};

} // namespace qv::forms
