#pragma once

#include "forms/form.h"
#include "forms/list_box.h"
#include "table/design_style.h"

namespace qv::table {

/// The chat log window: as far as the table window needs it, its log list `Text1`, kept while
/// the window is hidden or was never shown.
class Talk : public forms::Form {
public:
    explicit Talk(forms::FormHost& host);

    // clang-format off
    forms::ListBox Text1{*this, u"Text1"_s, {.left = 16, .top = 24, .width = 290, .height = 134}};
    // clang-format on
};

/// The quick-phrase window, as far as the table window hides it.
class huifu : public forms::Form {
public:
    explicit huifu(forms::FormHost& host);
};

} // namespace qv::table
