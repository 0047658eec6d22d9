#include "common/picture_tables.h"

#include <cstddef>

namespace qv::common {

namespace {

QString id(int resId) {
    return QString::number(resId);
}

template <std::size_t N>
void fillRun(std::array<QString, N>& table, std::size_t first, std::size_t count, int firstId) {
    for (std::size_t k = 0; k < count; ++k) {
        table[first + k] = id(firstId + static_cast<int>(k));
    }
}

void fillCards(ImageResource& t) {
    constexpr int kAce = 14;
    constexpr int kTwo = 15;
    for (int suit = 0; suit < 4; ++suit) {
        for (int face = 3; face <= kTwo; ++face) {
            const auto code = static_cast<std::size_t>(face + 16 * suit);
            int played = 300 + 13 * suit + face;
            if (face == kAce) {
                played = 301 + 13 * suit;
            } else if (face == kTwo) {
                played = 302 + 13 * suit;
            }
            t.CardPicRes[code] = id(played);
            t.HandPicRes[code] = id(static_cast<int>(code));
        }
    }
    // the jokers and the one card back share suit index 0
    t.CardPicRes[16] = id(353);
    t.CardPicRes[17] = id(354);
    t.CardPicRes[18] = id(18);
    fillRun(t.HandPicRes, 16, 3, 16);
}

} // namespace

void InitImageResTables(ImageResource& t, float scaleX) {
    fillCards(t);
    fillRun(t.HandBackRes1, 0, 4, 400);
    fillRun(t.HandBackRes2, 0, 4, 410);
    fillRun(t.HandBackRes3, 0, 4, 420);

    fillRun(t.AnNiuRes, 0, 2, 150);
    fillRun(t.AnNiuRes, 2, 18, scaleX == 1.0F ? 152 : 283);

    fillRun(t.DialogBtnRes, 0, 8, 170);
    fillRun(t.DialogBtnRes, 8, 4, 195);
    fillRun(t.OperationRes, 0, 13, 178);
    fillRun(t.JiaopaiRes, 0, 2, 193);
    fillRun(t.HeadRes, 0, 20, 240);
    fillRun(t.ReadyRes, 0, 4, 280);
    fillRun(t.PlaceRes, 0, 3, 360);
    fillRun(t.ImCmdRes, 0, 13, 850);
    t.BubbleRes[12] = id(219);
    t.BubbleRes[13] = id(223);
    t.BubbleRes[14] = id(227);
}

} // namespace qv::common
