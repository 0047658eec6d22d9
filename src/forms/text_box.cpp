#include "forms/text_box.h"

#include <algorithm>

namespace qv::forms {

TextBox::TextBox(Container& container, QString name)
    : StyledControl(container, std::move(name), Layer::Windowed, systemColor(8), systemColor(5)) {}

void TextBox::setText(const QString& text) {
    if (!assign(text_, text)) {
        return;
    }
    selStart_ = std::min(selStart_, static_cast<int>(text_.size()));
    selLength_ = 0;
    raiseChange();
}

void TextBox::setMaxLength(int length) {
    assign(maxLength_, std::max(0, length));
}

void TextBox::setLocked(bool locked) {
    assign(locked_, locked);
}

void TextBox::setMultiLine(bool on) {
    assign(multiLine_, on);
}

void TextBox::setAlignment(int alignment) {
    assign(alignment_, alignment);
}

void TextBox::setSelStart(int start) {
    selLength_ = 0;
    selStart_ = std::clamp(start, 0, static_cast<int>(text_.size()));
    changed();
}

void TextBox::setSelLength(int length) {
    assign(selLength_, std::clamp(length, 0, static_cast<int>(text_.size()) - selStart_));
}

QString TextBox::selText() const {
    return text_.mid(selStart_, selLength_);
}

void TextBox::setSelText(const QString& text) {
    const int caret = selStart_ + static_cast<int>(text.size());
    QString replaced = text_;
    replaced.replace(selStart_, selLength_, text);
    setText(replaced);
    setSelStart(caret);
}

void TextBox::userEdited(const QString& text, int caret) {
    if (locked_) {
        changed();
        return;
    }
    QString accepted = text;
    if (maxLength_ > 0 && accepted.size() > maxLength_ && accepted.size() > text_.size()) {
        accepted = text_;
        caret = selStart_;
    }
    setText(accepted);
    selStart_ = std::clamp(caret, 0, static_cast<int>(text_.size()));
    changed();
}

void TextBox::userSelected(int start, int length) {
    const int size = static_cast<int>(text_.size());
    selStart_ = std::clamp(start, 0, size);
    selLength_ = std::clamp(length, 0, size - selStart_);
    changed();
}

void TextBox::copyPropertiesFrom(const TextBox& other) {
    copyStyledPropertiesFrom(other);
    text_ = other.text_;
    maxLength_ = other.maxLength_;
    locked_ = other.locked_;
    multiLine_ = other.multiLine_;
    alignment_ = other.alignment_;
    changed();
}

} // namespace qv::forms
