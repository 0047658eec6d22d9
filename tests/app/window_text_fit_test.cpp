#include "app/client.h"
#include "forms/color.h"
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
#include <QImage>

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace Qt::StringLiterals;

namespace qv {
namespace {

/// A label and where it is drawn on its window, and whether it shows there.
struct PlacedLabel {
    const forms::Label* label;
    QPointF offset;
    bool shown;
};

void collectLabels(const forms::Container& container, std::vector<PlacedLabel>& labels,
                   QPointF offset = {}, bool shown = true) {
    for (const auto* layer : {&container.windowlessControls(), &container.windowedControls()}) {
        for (const forms::Control* control : *layer) {
            if (const auto* label = dynamic_cast<const forms::Label*>(control)) {
                labels.push_back({label, offset, shown && label->visible()});
            } else if (const auto* box = dynamic_cast<const forms::PictureBox*>(control)) {
                collectLabels(*box, labels, offset + box->pixelRect().topLeft(),
                              shown && box->visible());
            }
        }
    }
}

/// The relative luminance of a colour (sRGB).
double luminance(QColor colour) {
    const auto linear = [](int value) {
        const double v = value / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) +
           0.0722 * linear(colour.blue());
}

/// The contrast of a label's text colour with what lies under it on the drawn window: the median
/// luminance of its box, as the text covers less than half of it.
double textContrast(const QImage& window, const PlacedLabel& placed) {
    const QRect box =
        placed.label->pixelRect().translated(placed.offset).toRect().intersected(window.rect());
    std::vector<double> ground;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            ground.push_back(luminance(window.pixelColor(x, y)));
        }
    }
    if (ground.empty()) {
        return 0;
    }
    const auto middle = ground.begin() + static_cast<std::ptrdiff_t>(ground.size() / 2);
    std::nth_element(ground.begin(), middle, ground.end());
    const double text = luminance(forms::toQColor(placed.label->foreColor()));
    return (std::max(*middle, text) + 0.05) / (std::min(*middle, text) + 0.05);
}

/// The least contrast of large or bold text that reads.
constexpr double kLeastContrast = 3.0;

class WindowTextFit : public testing::TestWithParam<QSize> {};

// A whole hand played at the table server on either screen, its sheet shown, then every window
// opened: each label shows the texts the table server and the settlement gave it, the computer
// players' names, the sheet's lines and the rules, without a character cut off, and a shown
// label's text stands out from what is drawn under it. With QV_KEEP_RENDER naming a folder, the
// windows are saved there as pictures to look at.
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
        std::vector<PlacedLabel> labels;
        collectLabels(*form, labels);
        const QImage drawn = forms::qt::renderToImage(*form);
        for (const PlacedLabel& placed : labels) {
            const forms::Label& label = *placed.label;
            const std::string trace =
                form->name().toStdString() + '.' + label.name().toStdString() + '(' +
                std::to_string(label.index()) + ") " + label.caption().toStdString();
            EXPECT_TRUE(test::LabelTextFits(label)) << trace;
            if (form->visible() && placed.shown && !label.caption().isEmpty()) {
                EXPECT_GE(textContrast(drawn, placed), kLeastContrast) << trace;
            }
        }
        if (!keep.isEmpty()) {
            drawn.save(QDir(keep).filePath(
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
