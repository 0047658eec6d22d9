#pragma once

#include <functional>

namespace qv::forms {
class Form;
class Image;
} // namespace qv::forms

namespace qv::table {

/// Gives every control of `form` (through every container) the properties of its design:
/// place and size, visibility, text, font, colours, unit and design picture. Numbered picture
/// resources of the design go through `loadResource`.
void applyDesign(forms::Form& form,
                 const std::function<void(forms::Image& image, int resId)>& loadResource);

} // namespace qv::table
