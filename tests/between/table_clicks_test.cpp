#include "between_fixture.h"
#include "chat/emoticon_picker.h"
#include "forms/form_host.h"
#include "hand/chu_pai.h"
#include "shop/vip_window.h"
#include "table/chat_windows.h"
#include "table/exit_windows.h"
#include "table/vos_set.h"

#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace qv::between {
namespace {

using testing_support::BetweenTable;
using testing_support::shown;

/// The windows and panels a click on the table can close, each shown.
std::set<std::string> openEverything(BetweenTable& t) {
    forms::FormHost& host = t.client.forms;
    host.get<table::Talk>().show();
    host.get<table::huifu>().show();
    host.get<hand::ChuPai>().show();
    host.get<settlement::Score>().show();
    host.get<settlement::Hero>().show();
    host.get<table::VosSet>().show();
    host.get<table::frmExit>().show();
    host.get<table::rule>().show();
    host.get<shop::FrmVip>().show();
    host.get<chat::frmBiaoqing>().show();
    t.form.Pic_prizesort.setVisible(true);
    t.form.Pic_chipinfo.setVisible(true);
    return {"Talk",    "huifu", "ChuPai", "Score",       "Hero",          "VosSet",
            "frmExit", "rule",  "FrmVip", "frmBiaoqing", "Pic_prizesort", "Pic_chipinfo"};
}

std::set<std::string> stillOpen(const BetweenTable& t) {
    std::set<std::string> open;
    const auto check = [&open](bool visible, const char* name) {
        if (visible) {
            open.insert(name);
        }
    };
    check(shown<table::Talk>(t), "Talk");
    check(shown<table::huifu>(t), "huifu");
    check(shown<hand::ChuPai>(t), "ChuPai");
    check(shown<settlement::Score>(t), "Score");
    check(shown<settlement::Hero>(t), "Hero");
    check(shown<table::VosSet>(t), "VosSet");
    check(shown<table::frmExit>(t), "frmExit");
    check(shown<table::rule>(t), "rule");
    check(shown<shop::FrmVip>(t), "FrmVip");
    check(shown<chat::frmBiaoqing>(t), "frmBiaoqing");
    check(t.form.Pic_prizesort.visible(), "Pic_prizesort");
    check(t.form.Pic_chipinfo.visible(), "Pic_chipinfo");
    return open;
}

struct Click {
    const char* name;
    std::function<void(BetweenTable&)> click;
    std::set<std::string> left;
};

class TableClickTest : public testing::TestWithParam<Click> {};

TEST_P(TableClickTest, ClosesWhatItLists) {
    BetweenTable t;
    const std::set<std::string> all = openEverything(t);
    ASSERT_EQ(stillOpen(t), all);
    GetParam().click(t);
    EXPECT_EQ(stillOpen(t), GetParam().left);
}

void press(BetweenTable& t, int button) {
    t.form.Pic1.events.mouseDown(button, 0, 0, 0);
}

const std::set<std::string> kNotPressed{"VosSet",      "frmExit",       "rule",        "FrmVip",
                                        "frmBiaoqing", "Pic_prizesort", "Pic_chipinfo"};

INSTANTIATE_TEST_SUITE_P(
    Clicks, TableClickTest,
    testing::Values(
        Click{"click", [](BetweenTable& table) { table.form.Pic1.events.click(); }, {"ChuPai"}},
        Click{"left_press", [](BetweenTable& table) { press(table, forms::mouse::kLeft); },
              kNotPressed},
        Click{"right_press_out_of_turn",
              [](BetweenTable& table) { press(table, forms::mouse::kRight); }, kNotPressed},
        // In the player's turn before the login the press ends before the records.
        Click{"right_press_in_turn_logged_out",
              [](BetweenTable& table) {
                  table.client.hand.g_bMyTurn = true;
                  table.client.hand.Oper_Flag = true;
                  press(table, forms::mouse::kRight);
              },
              [] {
                  std::set<std::string> left = kNotPressed;
                  left.insert({"Score", "Hero"});
                  return left;
              }()}),
    [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace qv::between
