#include "app/client.h"

#include "hand/chu_pai.h"
#include "hand/play_input.h"
#include "table/main_form.h"

namespace qv {

Client::Client(platform::Services& platformServices) : services(platformServices) {
    // Each subsystem registers its message branches and pump steps here.
    connection::RegisterBranches(conn);
    hand::RegisterBranches(conn, [this] { return handOnTable(); });
    conn.tableExit = &handTableExit;
    table::registerTableForms(forms, tableContext, [this](table::MainForm& form) {
        hand::InstallPlayInput(form, [this] { return handOnTable(); });
    });
    hand::registerHandForms(
        forms, [this]() -> const forms::Form* { return forms.find<table::MainForm>(); });
}

hand::HandContext* Client::handOnTable() {
    auto* form = forms.find<table::MainForm>();
    if (form == nullptr) {
        return nullptr;
    }
    if (!handContext_ || &handContext_->form != form) {
        handContext_.emplace(hand::HandContext{*form, hand, conn, table, plugin, sound, services,
                                               imageRes, rules, hints});
    }
    return &*handContext_;
}

} // namespace qv
