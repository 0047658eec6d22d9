#pragma once

#include "forms/styled_control.h"

namespace qv::forms {

/// A windowed text field. Every change of Text raises Change, whether typed or set by code, and
/// setting it puts the caret at the start; MaxLength (0 for none) limits typing only, as on the
/// platform.
class TextBox : public StyledControl {
public:
    TextBox(Container& container, QString name);
    /// A designed text box: it takes its row when the window's design is applied.
    TextBox(Container& container, QString name, const ControlDesign& design);

    void applyDesign(const ControlDesign& design, const DesignPictures& pictures) override;

    [[nodiscard]] const QString& text() const { return text_; }
    void setText(const QString& text);
    [[nodiscard]] int maxLength() const { return maxLength_; }
    void setMaxLength(int length);
    /// Read-only for the user; code may still set Text.
    [[nodiscard]] bool locked() const { return locked_; }
    void setLocked(bool locked);
    /// Several lines with word wrap; fixed at design time.
    [[nodiscard]] bool multiLine() const { return multiLine_; }
    void setMultiLine(bool on);
    [[nodiscard]] int alignment() const { return alignment_; }
    void setAlignment(int alignment);

    /// The caret (0..length of Text) and the selection after it.
    [[nodiscard]] int selStart() const { return selStart_; }
    void setSelStart(int start);
    [[nodiscard]] int selLength() const { return selLength_; }
    void setSelLength(int length);
    [[nodiscard]] QString selText() const;
    /// Replaces the selection with `text` and puts the caret after it.
    void setSelText(const QString& text);

    /// What the user's editing made of the text, with the caret where the user left it; applies
    /// MaxLength and Locked as the platform does.
    void userEdited(const QString& text, int caret);
    /// Where the user put the caret and the selection.
    void userSelected(int start, int length);

    void copyPropertiesFrom(const TextBox& other);

private:
    QString text_;
    int maxLength_ = 0;
    bool locked_ = false;
    bool multiLine_ = false;
    int alignment_ = 0;
    int selStart_ = 0;
    int selLength_ = 0;
};

} // namespace qv::forms
