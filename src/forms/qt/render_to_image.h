#pragma once

#include <QImage>
#include <QString>

namespace qv::forms {
class Form;
}

namespace qv::forms::qt {

/// Draws `form` as its window would show it (whether or not it is shown) into an image of the
/// form's inner size, without putting anything on the screen.
[[nodiscard]] QImage renderToImage(Form& form);
/// renderToImage, saved as a PNG file; false when the file cannot be written.
bool saveFormPng(Form& form, const QString& path);

} // namespace qv::forms::qt
