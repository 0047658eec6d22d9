#pragma once

namespace qv::forms {
class Form;
}

namespace qv::table {

/// Gives every control of `form` (through every container) the properties of its design:
/// place and size, visibility, text, font, colours, unit and design picture.
void applyDesign(forms::Form& form);

} // namespace qv::table
