#include "forms/qt/text_box_widget.h"

#include "forms/fonts.h"
#include "forms/label.h"
#include "forms/text_box.h"

namespace qv::forms::qt {

namespace {

void applyStyle(QWidget& widget, const TextBox& box) {
    widget.setFont(pixelFont(box.font()));
    QPalette colours = widget.palette();
    colours.setColor(QPalette::Base, toQColor(box.backColor()));
    colours.setColor(QPalette::Text, toQColor(box.foreColor()));
    widget.setPalette(colours);
}

Qt::Alignment horizontalAlignment(int value) {
    switch (value) {
    case alignment::kRight:
        return Qt::AlignRight;
    case alignment::kCenter:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
}

} // namespace

LineTextWidget::LineTextWidget(TextBox& box, QWidget* parent) : QLineEdit(parent), box_(&box) {
    setFrame(false);
    connect(this, &QLineEdit::textEdited, this,
            [this](const QString& text) { box_->userEdited(text, cursorPosition()); });
    const auto selected = [this] {
        const auto [start, length] = selection();
        if (text() == box_->text() && (start != box_->selStart() || length != box_->selLength())) {
            box_->userSelected(start, length);
        }
    };
    connect(this, &QLineEdit::cursorPositionChanged, this, selected);
    connect(this, &QLineEdit::selectionChanged, this, selected);
}

std::pair<int, int> LineTextWidget::selection() const {
    if (hasSelectedText()) {
        return {selectionStart(), static_cast<int>(selectedText().size())};
    }
    return {cursorPosition(), 0};
}

void LineTextWidget::syncFromModel() {
    applyStyle(*this, *box_);
    setAlignment(horizontalAlignment(box_->alignment()) | Qt::AlignVCenter);
    setReadOnly(box_->locked());
    if (text() != box_->text()) {
        setText(box_->text());
    }
    if (selection() != std::pair(box_->selStart(), box_->selLength())) {
        if (box_->selLength() == 0) {
            setCursorPosition(box_->selStart());
        } else {
            setSelection(box_->selStart(), box_->selLength());
        }
    }
}

MultiLineTextWidget::MultiLineTextWidget(TextBox& box, QWidget* parent)
    : QPlainTextEdit(parent), box_(&box) {
    setFrameShape(QFrame::NoFrame);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!syncing_) {
            box_->userEdited(toPlainText(), textCursor().position());
        }
    });
}

void MultiLineTextWidget::syncFromModel() {
    syncing_ = true;
    applyStyle(*this, *box_);
    setReadOnly(box_->locked());
    if (toPlainText() != box_->text()) {
        setPlainText(box_->text());
        QTextCursor cursor = textCursor();
        cursor.setPosition(box_->selStart());
        setTextCursor(cursor);
    }
    syncing_ = false;
}

} // namespace qv::forms::qt
