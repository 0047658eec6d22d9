#pragma once

#include "forms/styled_control.h"

namespace qv::forms {

/// Text alignment of labels and text boxes, as the platform numbers it.
namespace alignment {
inline constexpr int kLeft = 0;
inline constexpr int kRight = 1;
inline constexpr int kCenter = 2;
} // namespace alignment

/// A windowless text. Labels start transparent (BackStyle 0): every label of the game's windows
/// is designed so unless it says otherwise.
class Label : public StyledControl {
public:
    Label(Container& container, QString name);
    /// A designed label: it takes its row when the window's design is applied.
    Label(Container& container, QString name, const ControlDesign& design);

    [[nodiscard]] const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);
    /// 0 transparent, 1 opaque (filled with BackColor).
    [[nodiscard]] int backStyle() const { return backStyle_; }
    void setBackStyle(int style);
    [[nodiscard]] int alignment() const { return alignment_; }
    void setAlignment(int alignment);
    /// Sizes the label to its text: the width too, unless it wraps words.
    [[nodiscard]] bool autoSize() const { return autoSize_; }
    void setAutoSize(bool on);
    [[nodiscard]] bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool on);
    /// When set, "&" marks an access key and "&&" stands for one ampersand.
    [[nodiscard]] bool useMnemonic() const { return useMnemonic_; }
    void setUseMnemonic(bool on);

    /// The text as drawn: access-key marks removed, line breaks as "\n".
    [[nodiscard]] QString displayText() const;
    /// Qt alignment and wrapping flags for drawing the text in the label's rectangle.
    [[nodiscard]] int textFlags() const;

    void copyPropertiesFrom(const Label& other);

    void applyDesign(const ControlDesign& design, const DesignPictures& pictures) override;

protected:
    void fontChanged() override { fitToText(); }
    void settleSize() const override;

private:
    void fitToText();
    /// The size of the text laid out in `wrapWidth` pixels.
    [[nodiscard]] QSizeF textPixelSize(double wrapWidth) const;

    QString caption_;
    int backStyle_ = 0;
    int alignment_ = alignment::kLeft;
    bool autoSize_ = false;
    bool wordWrap_ = false;
    bool useMnemonic_ = true;
    /// Fitted to text that changed since: measured when the size is first needed.
    mutable bool sizeStale_ = false;
};

} // namespace qv::forms
