#include "rules/search_pai.h"

#include "rules/hint_search.h"

namespace qv::rules {

void SearchPai(HintState& hints, const HintPattern& pattern, FaceCount& cnt,
               const HintCheck& check) {
    if (countedCards(cnt) < pattern.n) {
        return;
    }
    HintSearch search(hints, pattern, cnt, check);
    if (search.full()) {
        return;
    }
    if (pattern.wsize > 1) {
        searchRuns(search);
    } else {
        searchOneFace(search);
    }
}

} // namespace qv::rules
