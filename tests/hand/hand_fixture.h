#pragma once

#include "common/picture_resources.h"
#include "rules/card_code.h"
#include "table/table_fixture.h"

#include <QImage>

#include <vector>

namespace qv::hand::testing_support {

/// A loaded table window on fake services at the given screen size.
struct HandTable : table::testing_support::TableFixture {
    explicit HandTable(QSize screen = {1024, 768}) : TableFixture(screen) { loaded(); }

    SharedData& shared() { return client.shared; }
};

/// Whether `image` shows picture resource `resId`.
inline bool shows(const forms::Image& image, int resId) {
    const QImage expected =
        common::LoadGifPicture(static_cast<std::int16_t>(resId), QStringLiteral("GIF"));
    return !expected.isNull() && image.picture() == expected;
}

/// A shuffled full hand with both big jokers, both small jokers and two copies of the ace of
/// spades, the copies apart; deck indexes as in the double deck.
std::vector<rules::CardCode> sampleHand();

} // namespace qv::hand::testing_support
