#pragma once

namespace qv::hand {
struct HandContext;
}

namespace qv::hand {

/// The moving card images of one leg of the deal animation.
inline constexpr int kMovingCards = 11;

struct CardSpot {
    double left;
    double top;
};

/// Where moving card `k` (0 to 10) of leg `step` stands: the line runs from the middle down
/// (0), left (1), up (2) or right (3); its spacing follows `scaleY` in both directions.
[[nodiscard]] CardSpot DealCardSpot(int step, int k, float scaleX, float scaleY);

/// The pause in milliseconds after moving card `k` is shown or hidden: 10 at full scale; below
/// it 1 after cards 0, 4 and 8 and none after the others.
[[nodiscard]] int DealPauseMs(int k, float scaleX);

/// Plays one leg of the deal animation, waiting between its steps while events go on. Leg 0
/// shows the deal pile and leg 1 takes it away; another step only puts the first moving card in
/// the middle.
void PlayDealAnimation(HandContext& ctx, int step);

} // namespace qv::hand
