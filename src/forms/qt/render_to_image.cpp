#include "forms/qt/render_to_image.h"

#include "forms/qt/form_widget.h"

namespace qv::forms::qt {

QImage renderToImage(Form& form) {
    FormWidget window(form, FormWidget::Mode::Offscreen);
    QImage image(window.size().expandedTo({1, 1}), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    window.render(&image);
    return image;
}

bool saveFormPng(Form& form, const QString& path) {
    return renderToImage(form).save(path, "PNG");
}

} // namespace qv::forms::qt
