#pragma once

#include "controls/keyed_control.h"
#include "forms/color.h"
#include "forms/timer.h"

#include <QFont>
#include <QImage>

#include <array>
#include <cstdint>
#include <functional>

namespace qv::controls {

/// The one-line news banner: queued messages scroll from the right edge to the left, one after
/// another, 6 pixels every `speed` milliseconds, each until it has left the control. The banner
/// draws on pure red and shows nothing where red remains, so only the text (and the back
/// picture) cover the window behind it.
class moveWord : public KeyedControl {
public:
    /// Text and shade colour when the caller gives none (red 128, green 255, blue 255).
    static constexpr forms::OleColor kDefaultColor = 0x00FFFF80;
    /// Slots of the message ring; one stays free, so 199 messages fit, the one showing included.
    static constexpr int kRingSize = 200;

    moveWord(forms::Container& container, QString name);
    moveWord(forms::Container& container, QString name, const forms::ControlDesign& design);

    /// Points, kept within 9..24 (8 or less gives 8).
    void setFontSize(std::int16_t points);
    /// The step interval in ms, used when the first accepted message starts the timer.
    void setSpeed(std::int16_t ms) { speed_ = ms; }
    /// Draws a shade copy of the text in the shade colour, one pixel right of and below it.
    void setFontBold(bool shade) { shade_ = shade; }
    [[nodiscard]] const QImage& BackPic() const { return backPic_; }
    /// A picture becomes the banner's outline at once and sizes it; it is drawn under the text
    /// from the next step on.
    void setBackPic(const QImage& picture);

    /// Queues `text` without its outer blanks and returns its id (1, 2, ... per banner). A
    /// priority message (`Pri` 1 or more) while one is showing comes right after it. Blank text,
    /// or a full ring (199 messages waiting), is refused with 0.
    double Add(const QString& text, forms::OleColor foreColor = kDefaultColor,
               forms::OleColor shadeColor = kDefaultColor, std::uint8_t Pri = 0);
    /// Draws one step of `text`: the back picture, then the text left of the right edge by the
    /// steps drawn so far.
    void PrintText(const QString& text, forms::OleColor fColor, forms::OleColor rColor);

    /// EndShow: the message with this id has scrolled out completely.
    std::function<void(double id)> endShow;

    [[nodiscard]] const QFont& font() const { return font_; }
    /// Messages in the ring, the one showing included.
    [[nodiscard]] int pending() const;

private:
    struct Message {
        double id = 0;
        QString text;
        forms::OleColor textColor = 0;
        forms::OleColor shadeColor = 0;
    };

    /// The font "宋体" 18 bold and the stopped step timer of a new banner.
    void setUp();
    void tick();

    std::array<Message, kRingSize> ring_;
    int writeIndex_ = 0;
    int readIndex_ = 0;
    Message current_;
    std::int32_t stepCounter_ = 0;
    std::int32_t stepTotal_ = 0;
    std::int16_t stepWidth_ = 6;
    std::int16_t speed_ = 100;
    double idCounter_ = 0;
    bool shade_ = false;
    QImage backPic_;
    QFont font_;
    forms::Timer timer_;
};

} // namespace qv::controls
