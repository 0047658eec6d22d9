#pragma once

#include "forms/design.h"
#include "forms/form.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace qv::table {

/// The pictures stored with one window's design, found through an index of the window's embedded
/// design files made once, so no name is tried in vain. A control's file is
/// `<window>/<control>_<index>` where the elements of its array differ, else
/// `<window>/<control>`, in the format it was stored in. Only the size is read up front; the
/// pixels are decoded (through `LoadDesignPicture`) when the control first needs them.
class WindowPictures final : public forms::DesignPictures {
public:
    explicit WindowPictures(const QString& window);

    [[nodiscard]] forms::DeferredPicture stored(const QString& name, int index) const override;
    [[nodiscard]] QImage pointer() const override;
    [[nodiscard]] QImage resource(int resId) const override;

    /// The file that holds the picture of control `name`, element `index` (-1 outside an
    /// array), by its path below the design folder ("MainForm/Pic1.gif"); empty when none.
    [[nodiscard]] QString file(const QString& name, int index) const;
    /// Every file stored with the window, by its path below the design folder.
    [[nodiscard]] QStringList files() const;

private:
    QString window_;
    /// File name by its name without the extension.
    QHash<QString, QString> files_;
    forms::DeferredPicture pointer_;
};

/// Gives `window` its design: its background picture, with the window sized to it, and its
/// controls' rows, in pixels.
void applyWindowDesign(forms::Form& window);

} // namespace qv::table
