#pragma once

#include "forms/form.h"
#include "forms/label.h"

namespace qv::table {

struct TableContext;

/// The rules window: the whole text of `rule.ini` over its decorated background, read once when
/// the window is created. A press on the background drags it.
class rule : public forms::Form {
public:
    rule(forms::FormHost& host, TableContext& context);

    forms::Label Label1{*this, QStringLiteral("Label1")};
    forms::Label Label2{*this, QStringLiteral("Label2")};

    /// Centres the window on the table window and reads the rules; each failing step is
    /// skipped.
    void Form_Load();
    void Form_MouseDown(int button);

private:
    TableContext* context_;
};

} // namespace qv::table
