#include "table/table_pictures.h"

#include "common/picture_resources.h"
#include "common/pictures/embedded_pictures.h"
#include "forms/image.h"

using namespace Qt::StringLiterals;

namespace qv::table {

int LoadTablePicture(int resId, forms::Image& image) {
    return common::LoadGifRes(static_cast<std::int16_t>(resId), u"GIF"_s, image);
}

QImage DesignPicture(QStringView control, int index) {
    common::registerEmbeddedPictures();
    // A picture shared by every element of an array is stored once, under the array's name.
    QStringList names;
    if (index >= 0) {
        names.append(control.toString() + u'_' + QString::number(index));
    }
    names.append(control.toString());
    for (const QString& name : names) {
        for (const QString& extension : {u"gif"_s, u"jpg"_s, u"bmp"_s, u"png"_s, u"ico"_s}) {
            const QImage picture(u":/design/MainForm/"_s + name + u'.' + extension);
            if (!picture.isNull()) {
                return picture;
            }
        }
    }
    return {};
}

} // namespace qv::table
