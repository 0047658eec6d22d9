#include "table/rules_window.h"

#include "common/gbk.h"
#include "forms/events.h"
#include "forms/form_host.h"
#include "platform/services.h"
#include "table/main_form.h"
#include "table/table_context.h"
#include "table/window_pictures.h"

#include <QFile>

namespace qv::table {

using namespace Qt::StringLiterals;

rule::rule(forms::FormHost& host, TableContext& context)
    : forms::Form(host, u"rule"_s), context_(&context) {
    setCaption(u"规则"_s);
    setBorderStyle(0);
    applyWindowDesign(*this);
    Label1.setBackStyle(0);
    Label2.setBackStyle(0);
    Label2.setWordWrap(true);
    events.load = [this] {
        Form_Load();
    };
    events.mouseDown = [this](int button, int, double, double) {
        Form_MouseDown(button);
    };
}

void rule::Form_Load() {
    setWindowState(forms::window_state::kNormal);
    const MainForm& table = host().get<MainForm>();
    move((table.width() - width()) / 2 + table.left(),
         (table.height() - height()) / 2 + table.top());
    Label1.setCaption(QString());
    QFile file(context_->services.appFolder.path() + u"/rule.ini"_s);
    if (!file.exists() || !file.open(QIODevice::ReadOnly)) {
        return;
    }
    Label2.setCaption(fromGbkLenient(file.readAll()));
    Label2.setFontSize(10);
}

void rule::Form_MouseDown(int button) {
    if (button == forms::mouse::kLeft) {
        beginMove();
    }
}

} // namespace qv::table
