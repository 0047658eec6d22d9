#include <QDir>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The documented command renders the laid-out table, a dealt table and a table in the middle of
// a hand at both screen sizes.
TEST(RenderTable, ProducesBothTablePictures) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QProcess render;
    render.start(QStringLiteral(QV_RENDER_TABLE), {folder.path()});
    ASSERT_TRUE(render.waitForFinished(60000));
    ASSERT_EQ(render.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(render.exitCode(), 0) << render.readAllStandardError().toStdString();

    for (const auto& [prefix, size] :
         {std::pair{u"table"_s, QSize(1024, 768)}, std::pair{u"table"_s, QSize(800, 600)},
          std::pair{u"dealt"_s, QSize(1024, 768)}, std::pair{u"dealt"_s, QSize(800, 600)},
          std::pair{u"mid-hand"_s, QSize(1024, 768)}, std::pair{u"mid-hand"_s, QSize(800, 600)}}) {
        const QString name = u"%1-%2x%3.png"_s.arg(prefix).arg(size.width()).arg(size.height());
        SCOPED_TRACE(name.toStdString());
        const QImage picture(QDir(folder.path()).filePath(name));
        ASSERT_FALSE(picture.isNull());
        EXPECT_EQ(picture.size(), size);
        // Not blank: the table, bars, buttons and ticker give many colours.
        QSet<QRgb> colours;
        for (int y = 0; y < picture.height(); y += 4) {
            for (int x = 0; x < picture.width(); x += 4) {
                colours.insert(picture.pixel(x, y));
            }
        }
        EXPECT_GT(colours.size(), 100);
    }
}

} // namespace
