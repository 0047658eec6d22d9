#pragma once

#include "forms/form.h"
#include "forms/list_box.h"

namespace qv::table {

/// The chat log window: as far as the table window needs it, its log list `Text1`, kept while
/// the window is hidden or was never shown.
class Talk : public forms::Form {
public:
    explicit Talk(forms::FormHost& host);

    forms::ListBox Text1;
};

/// The quick-phrase window, as far as the table window hides it.
class huifu : public forms::Form {
public:
    explicit huifu(forms::FormHost& host);
};

} // namespace qv::table
