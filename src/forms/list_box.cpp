#include "forms/list_box.h"

#include "forms/runtime_error.h"

namespace qv::forms {

ListBox::ListBox(Container& container, QString name)
    : StyledControl(container, std::move(name), Layer::Windowed, systemColor(8), systemColor(5)) {}

ListBox::ListBox(Container& container, QString name, const ControlDesign& design)
    : ListBox(container, std::move(name)) {
    designAs(design);
}

void ListBox::addItem(const QString& item, std::optional<int> index) {
    const int at = index.value_or(listCount());
    if (at < 0 || at > listCount()) {
        throw RuntimeError(RuntimeError::kInvalidCall, "AddItem: index out of range");
    }
    items_.insert(at, item);
    if (listIndex_ >= at) {
        ++listIndex_;
    }
    changed();
}

void ListBox::removeItem(int index) {
    if (index < 0 || index >= listCount()) {
        throw RuntimeError(RuntimeError::kInvalidCall, "RemoveItem: index out of range");
    }
    items_.removeAt(index);
    if (listIndex_ == index) {
        listIndex_ = -1;
    } else if (listIndex_ > index) {
        --listIndex_;
    }
    topIndex_ = std::clamp(topIndex_, 0, std::max(0, listCount() - 1));
    changed();
}

void ListBox::clear() {
    items_.clear();
    listIndex_ = -1;
    topIndex_ = 0;
    changed();
}

QString ListBox::list(int index) const {
    return index >= 0 && index < listCount() ? items_[index] : QString();
}

void ListBox::setList(int index, const QString& item) {
    if (index < 0 || index >= listCount()) {
        throw RuntimeError(RuntimeError::kInvalidCall, "List: index out of range");
    }
    items_[index] = item;
    changed();
}

void ListBox::setListIndex(int index) {
    if (index < -1 || index >= listCount()) {
        throw RuntimeError(RuntimeError::kInvalidCall, "ListIndex: out of range");
    }
    if (assign(listIndex_, index) && index >= 0) {
        raiseClick();
    }
}

void ListBox::setTopIndex(int index) {
    if (index < 0 || index >= std::max(1, listCount())) {
        throw RuntimeError(RuntimeError::kInvalidCall, "TopIndex: out of range");
    }
    assign(topIndex_, index);
}

void ListBox::copyPropertiesFrom(const ListBox& other) {
    copyStyledPropertiesFrom(other);
    items_ = other.items_;
    listIndex_ = other.listIndex_;
    topIndex_ = other.topIndex_;
    changed();
}

} // namespace qv::forms
