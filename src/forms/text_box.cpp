#include "forms/text_box.h"

#include <algorithm>

namespace qv::forms {

TextBox::TextBox(Container& container, QString name)
    : StyledControl(container, std::move(name), Layer::Windowed, systemColor(8), systemColor(5)) {}

TextBox::TextBox(Container& container, QString name, const ControlDesign& design)
    : TextBox(container, std::move(name)) {
    designAs(design);
}

void TextBox::applyDesign(const ControlDesign& design, const DesignPictures& pictures) {
    StyledControl::applyDesign(design, pictures);
    setMaxLength(design.maxLength);
    setLocked(design.readOnly);
    setText(design.text.toString());
}

void TextBox::setText(const QString& text) {
    if (!assign(text_, text)) {
        return;
    }
    selStart_ = 0;
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
    const auto grown = static_cast<int>(text.size() - text_.size());
    if (maxLength_ > 0 && text.size() > maxLength_ && grown > 0) {
        // Typing or pasting keeps only what fits; the rest of the insertion is dropped.
        const int room = std::max(0, maxLength_ - static_cast<int>(text_.size()));
        const int insertedAt = std::clamp(caret - grown, 0, static_cast<int>(text.size()));
        const int kept = std::min(grown, room);
        accepted = text.left(insertedAt + kept) + text.mid(insertedAt + grown);
        caret = insertedAt + kept;
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
