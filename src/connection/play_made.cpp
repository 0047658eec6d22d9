#include "connection/play_made.h"

#include "rules/card_code.h"

namespace qv::connection {
namespace {

constexpr int kMoverByte = 6;
constexpr int kNextByte = 11;
constexpr int kTrickStateByte = 15;
constexpr int kJieFengByte = 16;
constexpr int kCountByte = 17;
constexpr int kTypeByte = 18;
constexpr int kFirstCardByte = 20;
constexpr int kCardBytes = 4;
constexpr std::uint8_t kMoverMask = 0x0F;
constexpr int kHighestNaturalFace = rules::kFaceTwo;

} // namespace

PlayMade DecodePlayMade(const GameMessage& msg) {
    PlayMade play;
    play.count = msg.u8(kCountByte);
    play.mover = static_cast<std::uint8_t>(msg.u8(kMoverByte) & kMoverMask);
    play.turnToken = msg.u8(kTurnTokenByte);
    play.next = msg.u8(kNextByte);
    play.trickState = msg.u8(kTrickStateByte);
    play.jieFeng = msg.u8(kJieFengByte) == 1;
    play.type = msg.u8(kTypeByte);
    for (int i = 0; i < kMaxPlayCards; ++i) {
        const PlayedCard card{msg.u8(kFirstCardByte + kCardBytes * i),
                              msg.u8(kFirstCardByte + kCardBytes * i + 1)};
        if (i < play.count) {
            play.cards.at(static_cast<std::size_t>(i)) = card;
        }
        if (play.bombFace == 0 && card.face >= rules::kLowestFace &&
            card.face <= kHighestNaturalFace) {
            play.bombFace = card.face;
        }
    }
    play.turnSeconds = msg.u8(kCountdownByte);
    return play;
}

} // namespace qv::connection
