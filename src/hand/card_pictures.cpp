#include "hand/card_pictures.h"

#include "common/picture_resources.h"
#include "hand/hand_context.h"
#include "table/main_form.h"

#include <QLoggingCategory>

using namespace Qt::StringLiterals;

namespace qv::hand {
namespace {

Q_LOGGING_CATEGORY(cardLog, "qv.ctx.hand.cards")

constexpr int kCardBack = 18;
constexpr int kPictureCodes = 64;
constexpr int kSuitStride = 16;

bool refuse(rules::PicCode picCode) {
    if (IsCardPicture(picCode)) {
        return false;
    }
    qCWarning(cardLog) << "no card picture for code" << picCode;
    return true;
}

void show(const QString& resId, forms::Image& image) {
    common::LoadGifRes(static_cast<std::int16_t>(resId.toInt()), u"GIF"_s, image);
}

} // namespace

bool IsCardPicture(rules::PicCode picCode) {
    if (picCode == rules::kFaceSmallJoker || picCode == rules::kFaceBigJoker ||
        picCode == kCardBack) {
        return true;
    }
    return picCode >= rules::kLowestFace && picCode < kPictureCodes &&
           picCode % kSuitStride >= rules::kLowestFace;
}

bool IsDeckCard(rules::CardCode card) {
    const int face = rules::cardFace(card);
    const int suit = rules::cardSuit(card);
    if (face == rules::kFaceSmallJoker || face == rules::kFaceBigJoker) {
        return suit <= 1;
    }
    const bool suitFlag = suit == 1 || suit == 2 || suit == 4 || suit == 8;
    return face >= rules::kLowestFace && face <= rules::kFaceTwo && suitFlag;
}

void ShowCard(HandContext& ctx, int seat, int imageIndex, rules::PicCode picCode) {
    if (refuse(picCode)) {
        return;
    }
    forms::ControlArray<forms::Image>* const arrays[] = {
        &ctx.form.cardImage0, &ctx.form.cardImage1, &ctx.form.cardImage2, &ctx.form.cardImage3};
    if (seat < 0 || seat > 3) {
        return;
    }
    const auto& res = ctx.imageRes.CardPicRes;
    show(res.at(static_cast<std::size_t>(picCode)),
         (*arrays[static_cast<std::size_t>(seat)])(imageIndex));
}

void ShowSmallCard(HandContext& ctx, int /*seat*/, int imageIndex, rules::PicCode picCode) {
    if (refuse(picCode)) {
        return;
    }
    const auto& res = ctx.imageRes.HandPicRes;
    show(res.at(static_cast<std::size_t>(picCode)), ctx.form.cardImage0(imageIndex));
}

} // namespace qv::hand
