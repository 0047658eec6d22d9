#pragma once

#include "app/client.h"
#include "platform/fake/fake_platform.h"
#include "table/main_form.h"

#include <QSize>

namespace qv::match::panels::testing_support {

inline constexpr QSize kLargeScreen{1024, 768};
inline constexpr QSize kSmallScreen{800, 600};

/// A whole client on fake services with its table window loaded on a screen of the given size.
struct PanelsTable {
    explicit PanelsTable(QSize screen = kLargeScreen) {
        platform.screen.size_ = screen;
        form.Form_Load();
    }
    [[nodiscard]] float scale() const { return client.table.ScaleX; }

    platform::fake::FakePlatform platform;
    Client client{platform.services};
    table::MainForm& form = client.forms.get<table::MainForm>();
};

} // namespace qv::match::panels::testing_support
