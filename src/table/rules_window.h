#pragma once

#include "forms/form.h"
#include "forms/label.h"
#include "table/design_style.h"

namespace qv::table {

struct TableContext;

/// The rules window: the whole text of `rule.ini` over its decorated background, read once when
/// the window is created. A press on the background drags it.
class rule : public forms::Form {
public:
    rule(forms::FormHost& host, TableContext& context);

    // clang-format off
    forms::Label Label1{*this, u"Label1"_s, {.left = 16, .top = 32, .width = 305, .height = 17, .foreColor = kBlack, .alignment = Align::Centre}};
    forms::Label Label2{*this, u"Label2"_s, {.left = 16, .top = 56, .width = 302, .height = 460, .fontName = kSong, .fontSize = 9}};
    // clang-format on

    /// Centres the window on the table window and reads the rules; each failing step is
    /// skipped.
    void Form_Load();
    void Form_MouseDown(int button);

private:
    TableContext* context_;
};

} // namespace qv::table
