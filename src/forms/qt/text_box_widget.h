#pragma once

#include "forms/qt/model_view.h"

#include <QLineEdit>
#include <QPlainTextEdit>

#include <utility>

namespace qv::forms {
class TextBox;
}

namespace qv::forms::qt {

/// A one-line text box as Qt's line edit; what the user types goes through the control.
class LineTextWidget : public QLineEdit, public ModelView {
    Q_OBJECT
public:
    LineTextWidget(TextBox& box, QWidget* parent);
    void syncFromModel() override;

private:
    /// Start and length of the selection, or the caret and 0.
    [[nodiscard]] std::pair<int, int> selection() const;

    TextBox* box_;
};

/// A multi-line text box as Qt's plain text edit.
class MultiLineTextWidget : public QPlainTextEdit, public ModelView {
    Q_OBJECT
public:
    MultiLineTextWidget(TextBox& box, QWidget* parent);
    void syncFromModel() override;

private:
    TextBox* box_;
    bool syncing_ = false;
};

} // namespace qv::forms::qt
