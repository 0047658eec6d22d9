#include "rules/arrangement.h"
#include "rules/play_tests.h"

#include <array>

namespace qv::rules {

namespace {

constexpr int kMinAirplane = 10;
constexpr int kMaxAirplane = 25;
/// Element f (3 .. 15) counts the natural cards of face f, element 0 the jokers still free.
using AirplaneCounts = std::array<int, 16>;

/// The k faces of a window of consecutive triples, in the order the arrangement lists them
/// before the low windows are turned round.
struct AirplaneWindow {
    std::array<int, kMaxAirplane / 5> faces{};
    int size = 0;
    bool low = false;
};

/// Fills the triples of the window and completes the pairs; false when the jokers do not reach.
bool fillWindow(const AirplaneWindow& window, AirplaneCounts& counts, std::array<bool, 16>& used) {
    int taken = 0;
    for (int i = 0; i < window.size; ++i) {
        int& count = counts[static_cast<std::size_t>(window.faces[static_cast<std::size_t>(i)])];
        if (count > 3) {
            taken += 3;
            count -= 3;
        } else {
            taken += count;
            count = 0;
            used[static_cast<std::size_t>(window.faces[static_cast<std::size_t>(i)])] = true;
        }
    }
    const int needed = 3 * window.size - taken;
    if (needed > counts[0]) {
        return false;
    }
    counts[0] -= needed;
    for (int face = kFaceTwo; face >= kLowestFace; --face) {
        int& count = counts[static_cast<std::size_t>(face)];
        if (used[static_cast<std::size_t>(face)] || count == 0 || count % 2 == 0) {
            continue;
        }
        if (counts[0] == 0) {
            return false;
        }
        ++count;
        --counts[0];
    }
    return counts[0] % 2 == 0;
}

/// The windows in the order they are tried: from the highest triple run down, then A-2-3..., then
/// 2-3-4...
int airplaneWindows(int k, std::array<AirplaneWindow, 14>& windows) {
    int count = 0;
    for (int top = kFaceAce; top >= k + 2; --top) {
        AirplaneWindow& window = windows[static_cast<std::size_t>(count++)];
        for (int i = 0; i < k; ++i) {
            window.faces[static_cast<std::size_t>(window.size++)] = top - i;
        }
    }
    AirplaneWindow& lowAce = windows[static_cast<std::size_t>(count++)];
    lowAce.low = true;
    lowAce.faces[static_cast<std::size_t>(lowAce.size++)] = kFaceAce;
    lowAce.faces[static_cast<std::size_t>(lowAce.size++)] = kFaceTwo;
    for (int face = 3; face <= k; ++face) {
        lowAce.faces[static_cast<std::size_t>(lowAce.size++)] = face;
    }
    AirplaneWindow& fromTwo = windows[static_cast<std::size_t>(count++)];
    fromTwo.low = true;
    fromTwo.faces[static_cast<std::size_t>(fromTwo.size++)] = kFaceTwo;
    for (int face = 3; face <= k + 1; ++face) {
        fromTwo.faces[static_cast<std::size_t>(fromTwo.size++)] = face;
    }
    return count;
}

bool arrange(std::span<CardCode> cards, int jokerCount, const AirplaneWindow& window,
             const AirplaneCounts& counts) {
    const int n = static_cast<int>(cards.size());
    std::array<int, kMaxAirplane> faceList{};
    int listed = 0;
    for (int i = 0; i < window.size; ++i) {
        for (int copy = 0; copy < 3; ++copy) {
            faceList[static_cast<std::size_t>(listed++)] =
                window.faces[static_cast<std::size_t>(i)];
        }
    }
    for (int face = kFaceTwo; face >= kLowestFace; --face) {
        for (int copy = 0; copy < counts[static_cast<std::size_t>(face)] && listed < n; ++copy) {
            faceList[static_cast<std::size_t>(listed++)] = face;
        }
    }
    for (int copy = 0; copy < counts[0] && listed < n; ++copy) {
        faceList[static_cast<std::size_t>(listed++)] = kFaceBigJoker;
    }
    std::array<bool, kMaxAirplane> taken{};
    Arrangement arrangement(jokerCount);
    for (int entry = 0; entry < listed; ++entry) {
        const int face = faceList[static_cast<std::size_t>(entry)];
        int found = -1;
        for (int i = jokerCount; i < n && face < kFaceSmallJoker; ++i) {
            if (!taken[static_cast<std::size_t>(i)] &&
                cardFace(cards[static_cast<std::size_t>(i)]) == face) {
                found = i;
                break;
            }
        }
        if (found >= 0) {
            taken[static_cast<std::size_t>(found)] = true;
            arrangement.add(found);
        } else if (!arrangement.addJoker()) {
            return false;
        }
    }
    if (window.low) {
        arrangement.reverseBlocks(3, window.size);
    }
    return arrangement.applyTo(cards);
}

} // namespace

bool IsAirplane(std::span<CardCode> cards, int jokerCount) {
    const int n = static_cast<int>(cards.size());
    if (n % 5 != 0 || n < kMinAirplane || n > kMaxAirplane || jokerCount < 0 || jokerCount > n) {
        return false;
    }
    const int k = n / 5;
    AirplaneCounts initial{};
    initial[0] = jokerCount;
    for (int i = jokerCount; i < n; ++i) {
        const int face = cardFace(cards[static_cast<std::size_t>(i)]);
        if (face < kLowestFace || face > kFaceTwo) {
            return false;
        }
        ++initial[static_cast<std::size_t>(face)];
    }
    std::array<AirplaneWindow, 14> windows{};
    const int windowCount = airplaneWindows(k, windows);
    for (int w = 0; w < windowCount; ++w) {
        AirplaneCounts counts = initial;
        std::array<bool, 16> used{};
        if (fillWindow(windows[static_cast<std::size_t>(w)], counts, used)) {
            return arrange(cards, jokerCount, windows[static_cast<std::size_t>(w)], counts);
        }
    }
    return false;
}

} // namespace qv::rules
