#include "app/client.h"

#include "table/main_form.h"

namespace qv {

Client::Client(platform::Services& platformServices) : services(platformServices) {
    // Each subsystem registers its message branches and pump steps here.
    connection::RegisterBranches(conn);
    table::registerTableForms(forms, tableContext);
}

} // namespace qv
