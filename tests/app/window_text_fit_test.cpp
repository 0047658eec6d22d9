#include "app/client.h"
#include "forms/form_host.h"
#include "forms/input_router.h"
#include "forms/label.h"
#include "forms/picture_box.h"
#include "forms/qt/render_to_image.h"
#include "settlement/hero_window.h"
#include "settlement/score_window.h"
#include "support/label_fit.h"
#include "support/mouse_turn.h"
#include "support/network_table.h"
#include "table/chat_windows.h"
#include "table/exit_windows.h"
#include "table/main_form.h"
#include "table/rules_window.h"
#include "table/vos_set.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv {
namespace {

void collectLabels(const forms::Container& container, std::vector<const forms::Label*>& labels) {
    for (const auto* layer : {&container.windowlessControls(), &container.windowedControls()}) {
        for (const forms::Control* control : *layer) {
            if (const auto* label = dynamic_cast<const forms::Label*>(control)) {
                labels.push_back(label);
            } else if (const auto* box = dynamic_cast<const forms::PictureBox*>(control)) {
                collectLabels(*box, labels);
            }
        }
    }
}

class WindowTextFit : public testing::TestWithParam<QSize> {};

// A whole hand played at the table server on either screen, its sheet shown, then every window
// opened: each label shows the texts the table server and the settlement gave it, the computer
// players' names, the sheet's lines and the rules, without a character cut off. With
// QV_KEEP_RENDER naming a folder, the windows are saved there as pictures to look at.
TEST_P(WindowTextFit, EveryLabelShowsItsWholeText) {
    const QSize screen = GetParam();
    test::TableServerRun server({u"--seed"_s, u"5"_s, u"--delay"_s, u"0"_s, u"--turn-seconds"_s,
                                 u"2"_s, u"--phrases"_s, u"off"_s});
    ASSERT_GT(server.port(), 0);
    test::ClientAtTable atTable(server.port(), screen);
    Client& client = atTable.client;
    const QString folder = atTable.platform.fakes.appFolder.path();
    for (const QString& name : {u"rule.ini"_s, u"chat.ini"_s}) {
        ASSERT_TRUE(QFile::copy(QStringLiteral(QV_CLIENT_FOLDER "/") + name, folder + u'/' + name));
    }
    forms::InputRouter mouse(atTable.form);
    ASSERT_TRUE(test::runUntil([&client] { return client.conn.SeatedCount == 4; },
                               atTable.platform.fakes.process));
    atTable.form.AnNiu(2).raiseClick();
    const auto sheetShown = [&] {
        test::playTurnByMouse(client, mouse);
        const auto* score = client.forms.find<settlement::Score>();
        return score != nullptr && score->visible();
    };
    ASSERT_TRUE(test::runUntil(sheetShown, atTable.platform.fakes.process, 240000));

    forms::FormHost& forms = client.forms;
    forms.get<settlement::Hero>().show();
    forms.get<table::rule>().show();
    forms.get<table::VosSet>();
    forms.get<table::huifu>();
    forms.get<table::frmOtherExit>().Label1.setCaption(u"游戏已经结束，是否返回大厅？"_s);
    auto& exit = forms.get<table::frmExit>();
    exit.Label2.setVisible(true);
    exit.show();

    const QString keep = qEnvironmentVariable("QV_KEEP_RENDER");
    for (forms::Form* form : forms.forms()) {
        std::vector<const forms::Label*> labels;
        collectLabels(*form, labels);
        for (const forms::Label* label : labels) {
            EXPECT_TRUE(test::LabelTextFits(*label))
                << form->name().toStdString() << '.' << label->name().toStdString() << '('
                << label->index() << ") " << label->caption().toStdString();
        }
        if (!keep.isEmpty()) {
            forms::qt::saveFormPng(
                *form,
                QDir(keep).filePath(
                    u"%1-%2x%3.png"_s.arg(form->name()).arg(screen.width()).arg(screen.height())));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, WindowTextFit, testing::Values(QSize(1024, 768), QSize(800, 600)),
                         [](const testing::TestParamInfo<QSize>& param) {
                             return std::to_string(param.param.width()) + 'x' +
                                    std::to_string(param.param.height());
                         });

} // namespace
} // namespace qv
