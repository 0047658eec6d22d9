#include "forms/design.h"

#include "forms/control.h"

namespace qv::forms {

DeferredPicture DesignPictures::storedFor(const Control& control,
                                          const ControlDesign& design) const {
    return design.picture ? stored(control.name(), control.index()) : DeferredPicture();
}

void applyDesign(std::span<const DesignedControl> design, const DesignPictures& pictures) {
    for (const DesignedControl& designed : design) {
        designed.control->applyDesign(designed.design, pictures);
    }
}

} // namespace qv::forms
