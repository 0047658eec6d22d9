#pragma once

#include "rules/search_pai.h"

namespace qv::rules {

/// The working state of one SearchPai call over the caller's counts, which it gives back as they
/// came when it ends.
class HintSearch {
public:
    HintSearch(HintState& hints, const HintPattern& pattern, FaceCount& cnt, const HintCheck& check)
        : pattern_(pattern), hints_(hints), cnt_(cnt), savedCnt_(cnt), check_(check) {}
    ~HintSearch() { cnt_ = savedCnt_; }
    HintSearch(const HintSearch&) = delete;
    HintSearch& operator=(const HintSearch&) = delete;

    const HintPattern& pattern() const { return pattern_; }
    bool full() const { return hints_.g_PromptCount >= kSearchRowLimit; }

    /// A row of the pattern's type holding the face times times.
    HintRow row(int face, int times) const {
        HintRow hint;
        hint.type = pattern_.pt;
        hint.append(face, times);
        return hint;
    }
    /// Adds the row when the check takes it; false when the list is now full and the search
    /// must end.
    bool add(const HintRow& hint) {
        if (!check_ || check_(hint)) {
            hints_.push(hint);
        }
        return !full();
    }

    int count(int slot) const { return cnt_[static_cast<std::size_t>(slot)]; }
    int jokers() const { return cnt_[kJokerSlot]; }
    /// Sets the count of a face, and of its twin slot, which counts the same cards.
    void setCount(int slot, int value) {
        cnt_[static_cast<std::size_t>(slot)] = static_cast<std::int16_t>(value);
        cnt_[static_cast<std::size_t>(twinSlot(slot))] = static_cast<std::int16_t>(value);
    }
    void restore() { cnt_ = savedCnt_; }

private:
    const HintPattern& pattern_;
    HintState& hints_;
    FaceCount& cnt_;
    const FaceCount savedCnt_;
    const HintCheck& check_;
};

/// Singles, pairs, triples, triples with pair and bombs.
void searchOneFace(HintSearch& search);

/// Straights, runs of pairs and of triples, airplanes.
void searchRuns(HintSearch& search);

} // namespace qv::rules
