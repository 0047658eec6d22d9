#include "common/picture_header.h"
#include "common/picture_resources.h"
#include "common/pictures/embedded_pictures.h"

#include <QDirIterator>
#include <QFile>
#include <QImageReader>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::common {
namespace {

QStringList designFiles() {
    registerEmbeddedPictures();
    QStringList files;
    for (QDirIterator it(u":/design"_s, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        files.append(it.next().mid(QStringLiteral(":/design/").size()));
    }
    return files;
}

QByteArray designFile(const QString& path) {
    QFile file(u":/design/"_s + path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(PictureHeaderTest, EveryDesignFileIsSizedAndDecodedAsThePlatformReadsIt) {
    const QStringList files = designFiles();
    ASSERT_GE(files.size(), 90);
    for (const QString& path : files) {
        QImageReader reader(u":/design/"_s + path);
        const QSize size = reader.size();
        EXPECT_EQ(PictureHeaderSize(designFile(path)), size) << path.toStdString();
        EXPECT_EQ(DesignPictureSize(path), size) << path.toStdString();
        const QImage platform = reader.read().convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(LoadDesignPicture(path).convertToFormat(QImage::Format_ARGB32), platform)
            << path.toStdString();
    }
}

TEST(PictureHeaderTest, TheTableDesignsOwnFormatsLoadNoPicturePlugIn) {
    for (const auto* path : {u"MainForm/Pic2.gif", u"MainForm/cursor.png", u"MainForm/Skin.bmp",
                             u"MainForm/icon.ico"}) {
        EXPECT_FALSE(LoadDesignPicture(QString::fromUtf16(path)).isNull());
    }
    QFile maps(u"/proc/self/maps"_s);
    ASSERT_TRUE(maps.open(QIODevice::ReadOnly));
    EXPECT_FALSE(maps.readAll().contains("/imageformats/"));
}

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (const int v : values) {
        out.append(static_cast<char>(v));
    }
    return out;
}

TEST(PictureHeaderTest, HeadersGiveTheirSizeAndCutOrUnknownOnesNone) {
    const QByteArray png = QByteArray("\x89PNG\r\n\x1a\n", 8) + bytes({0, 0, 0, 13}) + "IHDR" +
                           bytes({0, 0, 1, 0x2C, 0, 0, 0, 7});
    // A JPEG with fill bytes and a comment before its (progressive) frame header.
    const QByteArray jpeg =
        bytes({0xFF, 0xD8, 0xFF, 0xFF, 0xFE, 0, 4, 'h', 'i', 0xFF, 0xC2, 0, 11, 8, 0, 50, 1, 0x90});
    const QByteArray scanFirst =
        bytes({0xFF, 0xD8, 0xFF, 0xDA, 0, 2, 0xFF, 0xC0, 0, 11, 8, 0, 5, 0, 5});
    QByteArray bmp = QByteArray("BM") + QByteArray(12, '\0') +
                     bytes({40, 0, 0, 0, 3, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF});
    const QByteArray coreBmp =
        QByteArray("BM") + QByteArray(12, '\0') + bytes({12, 0, 0, 0, 9, 0, 4, 0});
    const QByteArray icon =
        bytes({0, 0, 1, 0, 1, 0, 0, 48, 0, 0, 1, 0, 32, 0, 0, 0, 0, 0, 22, 0, 0, 0});
    struct Case {
        const char* name;
        QByteArray data;
        QSize size;
    };
    for (const Case& c : {
             Case{"gif", QByteArray("GIF89a") + bytes({3, 1, 2, 0}), {259, 2}},
             Case{"gif cut short", QByteArray("GIF87a") + bytes({3, 1, 2}), {}},
             Case{"png", png, {300, 7}},
             Case{"png cut short", png.first(20), {}},
             Case{"jpeg", jpeg, {400, 50}},
             Case{"jpeg whose scan comes first", scanFirst, {}},
             Case{"jpeg cut in its frame header", jpeg.first(15), {}},
             Case{"bmp stored top row first", bmp, {3, 2}},
             Case{"bmp with the old header", coreBmp, {9, 4}},
             Case{"icon of 256 by 48", icon, {256, 48}},
             Case{"nothing", QByteArray(), {}},
             Case{"text", QByteArray("hello, world"), {}},
         }) {
        EXPECT_EQ(PictureHeaderSize(c.data), c.size) << c.name;
    }
}

TEST(PictureHeaderTest, TheFirstBytesNameTheFormat) {
    for (const QString& path : designFiles()) {
        EXPECT_EQ(PictureFormat(designFile(path)), QImageReader(u":/design/"_s + path).format())
            << path.toStdString();
    }
    EXPECT_EQ(PictureFormat(QByteArray("\xFF\xD8\x00", 3)), QByteArray());
    EXPECT_EQ(PictureFormat(bytes({0, 0, 1, 0, 1, 0})), QByteArray()) << "an icon cut short";
    EXPECT_EQ(PictureFormat(QByteArray("hello, world")), QByteArray());
}

TEST(PictureHeaderTest, AnIconsPngImageIsFoundOnlyWithinTheFile) {
    const QByteArray png = QByteArray("\x89PNG\r\n\x1a\n", 8) + "rest";
    const QByteArray directory = bytes({0, 0, 1, 0, 1, 0, 16, 16, 0, 0, 1, 0, 32, 0});
    const auto iconWith = [&](int size, int offset) {
        return directory + bytes({size, 0, 0, 0, offset, 0, 0, 0}) + png;
    };
    EXPECT_EQ(IconPngImage(iconWith(12, 22)), png);
    EXPECT_TRUE(IconPngImage(iconWith(13, 22)).isEmpty());
    EXPECT_TRUE(IconPngImage(iconWith(12, 250)).isEmpty());
    EXPECT_TRUE(IconPngImage(iconWith(4, 26)).isEmpty()) << "not a PNG where it points";
    EXPECT_TRUE(IconPngImage(png).isEmpty());
}

} // namespace
} // namespace qv::common
