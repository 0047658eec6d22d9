#include "table/window_pictures.h"

#include "common/picture_resources.h"
#include "common/pictures/embedded_pictures.h"
#include "forms/units.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace qv::table {

namespace {

const QString kDesignFolder = u":/design/"_s;

} // namespace

WindowPictures::WindowPictures(const QString& window) : window_(window) {
    common::registerEmbeddedPictures();
    for (const QString& file : QDir(kDesignFolder + window).entryList(QDir::Files)) {
        files_.insert(QFileInfo(file).completeBaseName(), file);
    }
    pointer_ = stored(u"cursor"_s, -1);
}

QString WindowPictures::file(const QString& name, int index) const {
    // A picture shared by every element of an array is stored once, under the array's name.
    QString found = index >= 0 ? files_.value(name + u'_' + QString::number(index)) : QString();
    if (found.isEmpty()) {
        found = files_.value(name);
    }
    return found.isEmpty() ? QString() : window_ + u'/' + found;
}

QStringList WindowPictures::files() const {
    QStringList all;
    for (const QString& file : files_) {
        all.append(window_ + u'/' + file);
    }
    all.sort();
    return all;
}

forms::DeferredPicture WindowPictures::stored(const QString& name, int index) const {
    const QString path = file(name, index);
    if (path.isEmpty()) {
        return {};
    }
    return {common::DesignPictureSize(path), [path] {
                return common::LoadDesignPicture(path);
            }};
}

QImage WindowPictures::pointer() const {
    return pointer_.image();
}

QImage WindowPictures::resource(int resId) const {
    return common::LoadGifPicture(static_cast<std::int16_t>(resId), u"GIF"_s);
}

void applyWindowDesign(forms::Form& window) {
    const WindowPictures pictures(window.name());
    const forms::DeferredPicture background = pictures.stored(u"background"_s, -1);
    window.move(window.left(), window.top(), forms::pixelsToTwips(background.size().width()),
                forms::pixelsToTwips(background.size().height()));
    window.setPicture(background);
    window.setScaleMode(forms::ScaleMode::Pixels);
    forms::applyDesign(window.design(), pictures);
}

} // namespace qv::table
