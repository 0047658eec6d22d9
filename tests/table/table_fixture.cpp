#include "table_fixture.h"

#include "forms/picture_box.h"

namespace qv::table::testing_support {

forms::Control* findControl(const forms::Container& container, const QString& name, int index) {
    for (const auto* layer : {&container.windowlessControls(), &container.windowedControls()}) {
        for (forms::Control* control : *layer) {
            if (control->name() == name && control->index() == index) {
                return control;
            }
            if (const auto* box = dynamic_cast<const forms::PictureBox*>(control)) {
                if (forms::Control* inside = findControl(*box, name, index)) {
                    return inside;
                }
            }
        }
    }
    return nullptr;
}

} // namespace qv::table::testing_support
