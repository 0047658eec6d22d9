#include "rules/hint_search.h"

#include <algorithm>
#include <array>

namespace qv::rules {

namespace {

/// A run starts at the 2 below the 3 at the lowest and never continues past the A.
constexpr int kRunBottom = kLowTwoSlot;
constexpr int kRunTop = kFaceAce;

enum class WindowClass { None, Clean, Dirty };

/// A window of consecutive faces: the natural cards it can use and whether it can be filled
/// with natural cards alone without breaking a group of four or more.
struct Window {
    int natural = 0;
    WindowClass kind = WindowClass::None;
};

using FaceFlags = std::array<bool, kFaceBigJoker + 1>;

Window classifyWindow(const HintSearch& search, int start) {
    const HintPattern& p = search.pattern();
    Window window;
    bool marked = false;
    for (int face = start; face < start + p.wsize; ++face) {
        const int c = search.count(face);
        if (c < p.base) {
            window.natural += c;
            marked = true;
        } else {
            window.natural += p.base;
            marked = marked || c > 3;
        }
    }
    if (window.natural + search.jokers() >= p.base * p.wsize) {
        window.kind = marked ? WindowClass::Dirty : WindowClass::Clean;
    }
    return window;
}

void markUsed(FaceFlags& used, int slot) {
    used[static_cast<std::size_t>(slot)] = true;
    used[static_cast<std::size_t>(twinSlot(slot))] = true;
}

bool isUsed(const FaceFlags& used, int slot) {
    return used[static_cast<std::size_t>(slot)];
}

/// Completes an airplane with pairs outside its triples: natural pairs first, then singles that
/// a joker completes and pairs out of larger groups, then pairs of jokers. False when the hand
/// cannot complete it.
bool attachPairs(HintSearch& search, HintRow& hint, FaceFlags& used, int jokers) {
    const int target = search.pattern().n;
    for (int face = kLowestFace; face <= kFaceTwo && hint.count < target; ++face) {
        if (!isUsed(used, face) && search.count(face) == 2) {
            if (!hint.append(face, 2)) {
                return false;
            }
            markUsed(used, face);
            search.setCount(face, 0);
        }
    }
    for (int face = kLowestFace; face <= kFaceTwo && hint.count < target; ++face) {
        const int c = search.count(face);
        if (!isUsed(used, face) && c != 2 && c >= 1 && c + jokers >= 2) {
            if (!hint.append(face, 2)) {
                return false;
            }
            markUsed(used, face);
            if (c == 1) {
                --jokers;
            }
            search.setCount(face, c < 3 ? 0 : c - 2);
        }
    }
    while (jokers >= 2 && hint.count < target) {
        if (!hint.append(kFaceSmallJoker, 2)) {
            return false;
        }
        jokers -= 2;
    }
    return hint.count == target;
}

/// Builds and adds the hint of one window; false when the search ends.
bool offerWindow(HintSearch& search, int start, const Window& window) {
    const HintPattern& p = search.pattern();
    const bool clean = window.kind == WindowClass::Clean;
    FaceFlags used{};
    HintRow hint;
    hint.type = p.pt;
    for (int face = start; face < start + p.wsize; ++face) {
        markUsed(used, face);
        hint.append(face == kLowTwoSlot ? kFaceTwo : face, p.base);
        // A clean window takes its faces whole; the other kind leaves what it does not need.
        const int c = search.count(face);
        search.setCount(face, !clean && c > p.base ? c - p.base : 0);
    }
    const int jokers = search.jokers() - (p.base * p.wsize - window.natural);
    const bool complete = p.extra == 0 || attachPairs(search, hint, used, jokers);
    const bool going = complete && search.add(hint);
    search.restore();
    return going;
}

} // namespace

void searchRuns(HintSearch& search) {
    const HintPattern& p = search.pattern();
    if (p.base < 1 || p.base * p.wsize > kMaxHintFaces) {
        return;
    }
    const int low = std::max(p.pmin, kRunBottom);
    const int lastStart = std::min(p.pmax, kRunTop) - p.wsize + 1;
    std::array<Window, kRunTop + 1> windows{};
    for (int start = low; start <= lastStart; ++start) {
        windows[static_cast<std::size_t>(start)] = classifyWindow(search, start);
    }
    for (const WindowClass pass : {WindowClass::Clean, WindowClass::Dirty}) {
        for (int start = low; start <= lastStart; ++start) {
            const Window& window = windows[static_cast<std::size_t>(start)];
            if (window.kind == pass && !offerWindow(search, start, window)) {
                return;
            }
        }
    }
}

} // namespace qv::rules
