#pragma once

#include "forms/styled_control.h"

#include <QStringList>

#include <optional>

namespace qv::forms {

/// A windowed list of text lines. ListIndex is -1 when no line is selected; selecting a line
/// raises Click, whether the user or the code selects it.
class ListBox : public StyledControl {
public:
    ListBox(Container& container, QString name);
    /// A designed list box: it takes its row when the window's design is applied.
    ListBox(Container& container, QString name, const ControlDesign& design);

    /// Adds a line at the end, or before line `index` (0..ListCount).
    void addItem(const QString& item, std::optional<int> index = std::nullopt);
    void removeItem(int index);
    void clear();
    /// Line `index`, or the empty text when there is no such line.
    [[nodiscard]] QString list(int index) const;
    void setList(int index, const QString& item);
    [[nodiscard]] int listCount() const { return static_cast<int>(items_.size()); }
    [[nodiscard]] const QStringList& items() const { return items_; }
    [[nodiscard]] int listIndex() const { return listIndex_; }
    /// Selects line `index` (-1 for none).
    void setListIndex(int index);
    /// The first line shown.
    [[nodiscard]] int topIndex() const { return topIndex_; }
    void setTopIndex(int index);
    /// The selected line, or the empty text.
    [[nodiscard]] QString text() const { return list(listIndex_); }

    void copyPropertiesFrom(const ListBox& other);

private:
    QStringList items_;
    int listIndex_ = -1;
    int topIndex_ = 0;
};

} // namespace qv::forms
