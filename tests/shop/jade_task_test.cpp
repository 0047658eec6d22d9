#include "common/gbk.h"
#include "shop/jade_task_file.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::shop {
namespace {

JadeTask prizes(std::int32_t id, std::vector<std::int32_t> keys, std::vector<std::int32_t> values) {
    JadeTask t;
    t.id = id;
    t.prizeCount = static_cast<std::int16_t>(keys.size());
    t.prizeKeys = std::move(keys);
    t.prizeValues = std::move(values);
    return t;
}

TEST(JadeTaskFile, ReadsTheLevelsAndTasksAndSkipsWhatDoesNotFit) {
    struct Case {
        const char* name;
        QString xml;
        bool read;
        std::vector<JadeLevel> levels;
        std::vector<JadeTask> tasks;
    };
    JadeTask named = prizes(7, {1, 3}, {30, 2});
    named.des = u"出单3获胜"_s;
    named.des2 = u"翡翠"_s;
    const std::vector<Case> cases{
        {"no root", u""_s, false, {{}}, {{}}},
        {"no rank", u"<r><task n='0'/></r>"_s, true, {{}}, {{}}},
        {"lvl1 and lvl3 of 3",
         u"<r><rank n='3'><lvl1 color='&amp;HFF' mutiple='2.5'/>"
         "<lvl3 color='12.5' mutiple='3.5'/></rank></r>"_s,
         true,
         {{}, {1, 255, 2}, {}, {3, 12, 4}},
         {{}}},
        {"a negative colour in hexadecimal",
         u"<r><rank n='1'><lvl1 color='&amp;HFFFFFFFF' mutiple='1'/></rank></r>"_s,
         true,
         {{}, {1, -1, 1}},
         {{}}},
        {"values beyond their fields",
         u"<r><rank n='2'><lvl1 color='1' mutiple='256'/><lvl2 color='3e10' mutiple='1'/>"
         "</rank></r>"_s,
         true,
         {{}, {}, {}},
         {{}}},
        {"a task in GBK, a pair without a colon",
         u"<?xml version='1.0' encoding='gbk'?><r><task n='2'>"
         "<task_1 id='7' des='出单3获胜' des2='翡翠' prize='1:30;3:2'/>"
         "<task_2 id='8' prize='1:30;5'/></task></r>"_s,
         true,
         {{}},
         {{}, named, {}}},
        {"a negative count", u"<r><rank n='-1'/><task n='-1'/></r>"_s, true, {{}}, {{}}},
    };
    for (const Case& c : cases) {
        JadeTables tables;
        EXPECT_EQ(ReadJadeTasks(tables, *toGbk(c.xml)), c.read) << c.name;
        EXPECT_EQ(tables.JadeLevels, c.levels) << c.name;
        EXPECT_EQ(tables.JadeTasks, c.tasks) << c.name;
    }
}

TEST(JadeTaskFile, AHugeCountIsHeldAtAThousandAndNoFileEmptiesTheTables) {
    JadeTables tables;
    EXPECT_TRUE(ReadJadeTasks(tables, "<r><rank n='1000000000'/></r>"));
    EXPECT_EQ(tables.JadeLevels.size(), 1001U);
    const QTemporaryDir dir;
    EXPECT_FALSE(LoadJadeTaskXml(tables, dir.filePath(u"jadetask.xml"_s)));
    EXPECT_EQ(tables.JadeLevels.size(), 1U);
    EXPECT_EQ(tables.JadeTasks.size(), 1U);
}

} // namespace
} // namespace qv::shop
