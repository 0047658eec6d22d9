#include "app/client.h"

#include "hand/chu_pai.h"
#include "table/main_form.h"

namespace qv {

Client::Client(platform::Services& platformServices) : services(platformServices) {
    // Each subsystem registers its message branches and pump steps here.
    connection::RegisterBranches(conn);
    table::registerTableForms(forms, tableContext);
    hand::registerHandForms(
        forms, [this]() -> const forms::Form* { return forms.find<table::MainForm>(); });
}

} // namespace qv
