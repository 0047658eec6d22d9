#include "chat/speak_box.h"

#include "chat/chat_context.h"
#include "common/picture_resources.h"
#include "table/main_form.h"

#include <array>

using namespace Qt::StringLiterals;

namespace qv::chat {
namespace {

constexpr double kTwipsPerPixel = 15;

struct Place {
    double left;
    double top;
};
// Beside each seat and, inside the bubble, where the phrase stands (twips at scale 1.0).
constexpr std::array<Place, 4> kBubblePlace = {
    {{1500, 8550}, {1050, 3000}, {6150, 1050}, {11400, 3000}}};
constexpr std::array<Place, 4> kPhrasePlace = {{{260, 180}, {570, 350}, {450, 620}, {270, 470}}};
constexpr double kPhraseWidth = 2100;
constexpr double kPhraseHeight = 750;

table::SpeakBoxOverlay& bubble(ChatContext& ctx, int seat) {
    return ctx.form.frmSpeakBox(seat);
}

SpeakBoxFade& fadeOf(ChatContext& ctx, int seat) {
    return ctx.chat.SpeakBoxes.at(static_cast<std::size_t>(seat));
}

/// Out of sight between phrases: the overlay is hidden where the window was moved off-screen.
void park(table::SpeakBoxOverlay& box) {
    box.setVisible(false);
}

void stopFade(ChatContext& ctx, SpeakBoxFade& fade) {
    if (fade.timer != 0) {
        ctx.services.time.stopTimer(fade.timer);
        fade.timer = 0;
    }
}

} // namespace

QRegion SpeakBoxRegion(const QImage& picture, QRgb keyColour) {
    QRegion region;
    if (picture.isNull()) {
        return region;
    }
    const QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
    const QRgb key = keyColour < 1 ? pixels.pixel(0, 0) : keyColour;
    const int lastX = pixels.width() - 1;
    for (int y = 0; y < pixels.height(); ++y) {
        int start = -1;
        for (int x = 0; x <= lastX; ++x) {
            const bool isKey = pixels.pixel(x, y) == key;
            if (!isKey && start == -1) {
                start = x;
            }
            if ((isKey || x >= lastX) && start != -1) {
                region += QRect(start, y, x - start, 1);
                start = -1;
            }
        }
    }
    return region;
}

void OpenSpeakBox(ChatContext& ctx, int seat) {
    if (seat < 0 || seat > 3) {
        return;
    }
    SpeakBoxFade& fade = fadeOf(ctx, seat);
    if (fade.made) {
        return;
    }
    fade.made = true;
    table::SpeakBoxOverlay& box = bubble(ctx, seat);
    const QImage picture = common::LoadDesignPicture(u"frmSpeakBox/imgSpeakBox_%1.gif"_s.arg(seat));
    box.setPicture(picture);
    box.setWidth(picture.width());
    box.setHeight(picture.height());
    box.setShape(SpeakBoxRegion(picture, 0));
    box.setPhrase(u"  "_s);
    const double sx = ctx.table.ScaleX;
    const double sy = ctx.table.ScaleY;
    const Place label = kPhrasePlace.at(static_cast<std::size_t>(seat));
    box.setPhraseRect({label.left * sx / kTwipsPerPixel, label.top * sy / kTwipsPerPixel,
                       kPhraseWidth / kTwipsPerPixel, kPhraseHeight / kTwipsPerPixel});
    park(box);
}

void showMe(ChatContext& ctx, int seat, const QString& phrase, int perc, int fadeIn, int fadeOut,
            int showTime) {
    if (seat < 0 || seat > 3 || !fadeOf(ctx, seat).made) {
        return;
    }
    table::SpeakBoxOverlay& box = bubble(ctx, seat);
    const Place place = kBubblePlace.at(static_cast<std::size_t>(seat));
    box.setLeft(place.left * ctx.table.ScaleX / kTwipsPerPixel);
    box.setTop(place.top * ctx.table.ScaleY / kTwipsPerPixel);
    box.setVisible(true);
    box.zOrder(0);

    SpeakBoxFade& fade = fadeOf(ctx, seat);
    fade.perc = perc;
    fade.fadeIn = fadeIn;
    fade.fadeOut = fadeOut;
    fade.showTime = showTime;
    box.setPhrase(phrase);
    fade.fadeCount = 0;
    if (fade.timer == 0 && ctx.current) {
        auto current = ctx.current;
        ChatState& chat = ctx.chat;
        platform::TimeService& time = ctx.services.time;
        fade.timer = time.startTimer(kSpeakBoxTickMs, [current, &chat, &time, seat] {
            if (ChatContext* now = current()) {
                tmrFadeIn_Timer(*now, seat);
                return;
            }
            // The table window has gone: the bubble went with it.
            SpeakBoxFade& gone = chat.SpeakBoxes.at(static_cast<std::size_t>(seat));
            time.stopTimer(gone.timer);
            gone = {};
        });
    }
}

void tmrFadeIn_Timer(ChatContext& ctx, int seat) {
    SpeakBoxFade& fade = fadeOf(ctx, seat);
    fade.fadeCount += fade.fadeIn;
    if (fade.fadeCount < fade.perc) {
        SetSpeakBoxAlpha(ctx, seat, fade.fadeCount);
    }
    if (fade.perc + fade.showTime < fade.fadeCount) {
        fade.perc -= fade.fadeOut;
        SetSpeakBoxAlpha(ctx, seat, fade.perc);
        if (fade.perc <= 1) {
            stopFade(ctx, fade);
            table::SpeakBoxOverlay& box = bubble(ctx, seat);
            box.setPhrase(QString());
            park(box);
        }
    }
}

void SetSpeakBoxAlpha(ChatContext& ctx, int seat, int alpha) {
    if (alpha < 0 || alpha > 255) {
        return;
    }
    bubble(ctx, seat).setAlpha(alpha);
}

} // namespace qv::chat
