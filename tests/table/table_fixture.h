#pragma once

#include "client.h"
#include "forms/form_host.h"
#include "platform/fake/fake_platform.h"
#include "table/main_form.h"

#include <QImage>
#include <QSize>

namespace qv::table::testing_support {

/// A picture of the given size in one colour.
inline QImage solidPicture(int width, int height, QColor color = Qt::red) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(color);
    return picture;
}

/// A client on fake services with its table window created (not yet loaded).
struct TableFixture {
    explicit TableFixture(QSize screen = {1024, 768}) { platform.screen.size_ = screen; }

    /// The start-up as far as the table window goes, without the other parts' hooks.
    MainForm& loaded() {
        form.Form_Load();
        return form;
    }

    platform::fake::FakePlatform platform;
    Client client{platform.services};
    forms::FormHost host{platform.time};
    bool registered = (registerTableForms(host, client), true);
    MainForm& form = host.get<MainForm>();
};

/// The control `name` (element `index` of an array, -1 otherwise) anywhere in `container`.
forms::Control* findControl(const forms::Container& container, const QString& name, int index);

} // namespace qv::table::testing_support
