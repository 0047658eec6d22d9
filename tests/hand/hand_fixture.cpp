#include "hand_fixture.h"

namespace qv::hand::testing_support {

std::vector<rules::CardCode> sampleHand() {
    using rules::makeCard;
    return {makeCard(5, 2, 9),    makeCard(16, 0, 104), makeCard(14, 8, 47), makeCard(3, 1, 0),
            makeCard(17, 0, 106), makeCard(10, 4, 30),  makeCard(15, 1, 48), makeCard(10, 8, 31),
            makeCard(13, 2, 41),  makeCard(16, 0, 105), makeCard(7, 4, 18),  makeCard(14, 8, 99),
            makeCard(3, 8, 3),    makeCard(17, 0, 107), makeCard(12, 1, 36), makeCard(9, 2, 25),
            makeCard(11, 4, 34),  makeCard(4, 1, 4),    makeCard(6, 8, 15),  makeCard(8, 2, 21),
            makeCard(15, 4, 50),  makeCard(10, 1, 28),  makeCard(5, 8, 11),  makeCard(13, 1, 40),
            makeCard(7, 2, 17),   makeCard(9, 8, 27),   makeCard(12, 4, 38)};
}

} // namespace qv::hand::testing_support
