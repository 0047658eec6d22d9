#pragma once

#include "common/picture_tables.h"
#include "forms/form_host.h"
#include "forms/window_system.h"
#include "match/match.h"
#include "platform/fake/fake_platform.h"
#include "plugin/plugin.h"
#include "table/main_form.h"
#include "table/table_context.h"
#include "table/table_state.h"

#include <QImage>
#include <QSize>

namespace qv::table::testing_support {

/// A picture of the given size in one colour.
inline QImage solidPicture(int width, int height, QColor color = Qt::red) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(color);
    return picture;
}

/// The table window on fake services with the state it works on, created (not yet loaded).
struct TableFixture {
    explicit TableFixture(QSize screen = {1024, 768}) { platform.screen.size_ = screen; }

    /// The start-up as far as the table window goes, without the other parts' hooks.
    MainForm& loaded() {
        form.Form_Load();
        return form;
    }

    platform::fake::FakePlatform platform;
    common::ImageResource imageRes;
    TableState table;
    plugin::PluginState plugin;
    match::MatchState match;
    TableContext context{platform.services, imageRes, table, plugin, match};
    forms::FormHost host{platform.time};
    bool registered = (registerTableForms(host, context), true);
    MainForm& form = host.get<MainForm>();
};

/// Counts the window moves the windows ask for.
class RecordingWindows : public forms::WindowSystem {
public:
    void formShown(forms::Form&) override {}
    void formUnloaded(forms::Form&) override {}
    void beginMove(forms::Form&) override { ++moves; }
    void focusChanged(forms::Form&) override {}
    int moves = 0;
};

/// The control `name` (element `index` of an array, -1 otherwise) anywhere in `container`.
forms::Control* findControl(const forms::Container& container, const QString& name, int index);

} // namespace qv::table::testing_support
