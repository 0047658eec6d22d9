#pragma once

#include "app/client.h"
#include "common/picture_resources.h"
#include "platform/fake/fake_platform.h"
#include "rules/card_code.h"
#include "table/main_form.h"

#include <QImage>

#include <vector>

namespace qv::hand::testing_support {

/// A whole client on fake services with its table window loaded at the given screen size.
struct HandTable {
    explicit HandTable(QSize screen = {1024, 768},
                       platform::fake::FakeTimeService::Start start = {})
        : platform(start) {
        platform.screen.size_ = screen;
        form.Form_Load();
        client.betweenOnTable();
    }

    platform::fake::FakePlatform platform;
    Client client{platform.services};
    table::MainForm& form = client.forms.get<table::MainForm>();
    HandContext& ctx = *client.handOnTable();
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
