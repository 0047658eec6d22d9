#include "common/picture_resources.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QImageReader>

#include <gtest/gtest.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace qv::common {
namespace {

enum Kind { kGif, kAnimated, kPng, kJpeg };

struct IdRun {
    int first;
    int last;
    int width;
    int height;
    Kind kind;
};

// Every stored picture: runs of ids with their size and format.
const std::vector<IdRun> kStore = {
    {3, 31, 90, 122, kGif},        {35, 47, 90, 122, kGif},     {51, 63, 90, 122, kGif},
    {130, 149, 55, 31, kGif},      {150, 151, 48, 30, kGif},    {152, 169, 55, 31, kGif},
    {170, 177, 67, 27, kGif},      {178, 186, 66, 38, kGif},    {187, 190, 62, 25, kGif},
    {191, 194, 66, 38, kGif},      {195, 198, 67, 27, kGif},    {212, 238, 81, 81, kGif},
    {240, 240, 85, 90, kGif},      {241, 241, 87, 92, kGif},    {242, 259, 85, 90, kGif},
    {260, 282, 70, 29, kGif},      {283, 300, 43, 24, kGif},    {301, 357, 80, 109, kGif},
    {360, 362, 70, 29, kGif},      {365, 367, 81, 81, kGif},    {400, 400, 108, 200, kGif},
    {401, 403, 240, 200, kGif},    {410, 410, 146, 126, kGif},  {411, 413, 220, 175, kGif},
    {420, 420, 216, 200, kGif},    {421, 423, 240, 200, kGif},  {445, 447, 150, 45, kGif},
    {448, 449, 21, 21, kGif},      {450, 451, 55, 31, kGif},    {452, 455, 18, 18, kGif},
    {516, 519, 56, 19, kGif},      {521, 522, 100, 30, kGif},   {523, 524, 223, 32, kGif},
    {525, 530, 313, 293, kGif},    {579, 580, 28, 30, kGif},    {581, 582, 96, 30, kGif},
    {660, 663, 21, 22, kGif},      {664, 666, 27, 24, kGif},    {667, 667, 85, 85, kGif},
    {668, 685, 85, 85, kAnimated}, {765, 770, 33, 20, kGif},    {772, 774, 33, 20, kGif},
    {776, 776, 33, 20, kGif},      {780, 785, 95, 63, kGif},    {786, 786, 49, 48, kGif},
    {801, 801, 38, 530, kPng},     {802, 802, 603, 345, kPng},  {803, 803, 1400, 1400, kPng},
    {804, 804, 22, 290, kPng},     {805, 805, 418, 83, kPng},   {830, 831, 100, 30, kGif},
    {850, 859, 16, 14, kGif},      {860, 862, 17, 16, kGif},    {863, 864, 16, 14, kGif},
    {870, 870, 175, 138, kJpeg},   {871, 871, 276, 215, kJpeg}, {872, 872, 434, 341, kJpeg},
    {873, 873, 137, 108, kJpeg},   {874, 874, 216, 168, kJpeg}, {875, 875, 339, 266, kJpeg},
    {910, 933, 41, 35, kGif},      {1510, 1513, 95, 36, kGif},  {1514, 1515, 31, 31, kGif},
    {1520, 1520, 85, 32, kGif},    {1522, 1525, 324, 52, kGif}, {1526, 1526, 96, 40, kGif},
    {1527, 1528, 96, 30, kGif},    {1529, 1534, 13, 13, kGif},  {1535, 1540, 46, 24, kGif},
    {1542, 1543, 96, 40, kGif},    {1544, 1544, 96, 30, kGif},  {1550, 1551, 16, 16, kGif},
    {1552, 1554, 47, 23, kGif},    {1560, 1561, 93, 29, kGif},  {1562, 1565, 25, 17, kGif},
    {1640, 1643, 40, 20, kGif},    {1644, 1647, 24, 26, kGif},  {1648, 1651, 19, 19, kGif},
    {1652, 1655, 47, 25, kGif},    {1656, 1659, 80, 36, kGif},  {1660, 1663, 31, 31, kGif},
    {1880, 1899, 100, 100, kGif},
};

struct FakeImage {
    void setPicture(const QImage& p) { picture = p; }
    void setLeft(double l) { left = l; }
    QImage picture;
    double left = 0;
};

QImage marker() {
    QImage image(3, 4, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    return image;
}

int frameCount(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    return reader.imageCount();
}

TEST(PictureStoreTest, EveryIdLoadsAtItsSizeInItsFormat) {
    int ids = 0;
    for (const IdRun& run : kStore) {
        for (int id = run.first; id <= run.last; ++id) {
            ++ids;
            SCOPED_TRACE(id);
            const auto resId = static_cast<std::int16_t>(id);
            const std::optional<QByteArray> bytes = PictureResourceBytes(resId, u"GIF"_s);
            ASSERT_TRUE(bytes.has_value());
            const QSize size(run.width, run.height);
            EXPECT_EQ(QImage::fromData(*bytes).size(), size);
            FakeImage img{.picture = marker()};
            switch (run.kind) {
            case kGif:
            case kAnimated: {
                EXPECT_TRUE(bytes->startsWith("GIF89a"));
                const int frames = frameCount(*bytes);
                if (run.kind == kGif) {
                    EXPECT_EQ(frames, 1);
                } else {
                    EXPECT_GE(frames, 5);
                    EXPECT_LE(frames, 43);
                }
                break;
            }
            case kPng:
                EXPECT_TRUE(bytes->startsWith("\x89PNG"));
                break;
            case kJpeg:
                EXPECT_TRUE(bytes->startsWith("\xFF\xD8\xFF"));
                break;
            }
            // The sheets are the sprite control's alone: the picture loader reads GIF and JPEG.
            const bool loadable = run.kind != kPng;
            EXPECT_EQ(LoadGifRes(resId, u"GIF"_s, img), loadable ? 1 : 0);
            EXPECT_EQ(img.picture.size(), loadable ? size : marker().size());
            EXPECT_EQ(LoadGifPicture(resId, u"GIF"_s).isNull(), !loadable);
        }
    }
    EXPECT_EQ(ids, 495);
}

TEST(PictureStoreTest, IdsOutsideTheStoreFailAndLeaveThePicture) {
    for (const int id : {0,   1,   2,   32,  34,  48,  64,  100,  129,  199, 239,    358,  404,
                         686, 771, 777, 800, 906, 909, 934, 1541, 1900, -1,  -32768, 32767}) {
        SCOPED_TRACE(id);
        const auto resId = static_cast<std::int16_t>(id);
        FakeImage img{.picture = marker()};
        EXPECT_EQ(LoadGifRes(resId, u"GIF"_s, img), 0);
        EXPECT_EQ(LoadGifResCopy(resId, u"GIF"_s, img), 0);
        EXPECT_EQ(img.picture, marker());
        EXPECT_TRUE(LoadGifPicture(resId, u"GIF"_s).isNull());
        EXPECT_FALSE(PictureResourceBytes(resId, u"GIF"_s).has_value());
    }
}

TEST(PictureStoreTest, TheTypeNameIgnoresCaseAndOtherTypesFail) {
    const std::optional<QByteArray> upper = PictureResourceBytes(303, u"GIF"_s);
    ASSERT_TRUE(upper.has_value());
    for (const QString& type : {u"gif"_s, u"Gif"_s, u"gIF"_s}) {
        EXPECT_EQ(PictureResourceBytes(303, type), upper) << type.toStdString();
    }
    for (const QString& type : {u""_s, u"BMP"_s, u"GIF "_s, u"design"_s, u"../GIF"_s}) {
        FakeImage img{.picture = marker()};
        EXPECT_EQ(LoadGifRes(303, type, img), 0) << type.toStdString();
        EXPECT_EQ(img.picture, marker());
    }
}

TEST(PictureStoreTest, LoadsWriteNothingBesideTheProgram) {
    const QDir folder(QCoreApplication::applicationDirPath());
    const QStringList before = folder.entryList(QDir::Files | QDir::Hidden);
    FakeImage img;
    for (const int id : {3, 18, 668, 801, 870, 5000}) {
        LoadGifRes(static_cast<std::int16_t>(id), u"GIF"_s, img);
    }
    EXPECT_EQ(folder.entryList(QDir::Files | QDir::Hidden), before);
}

TEST(PictureStoreTest, LoadAtMovesAndStoresOnlyWhenAsked) {
    ButtonValues values{};
    FakeImage img{.picture = marker(), .left = 7};
    EXPECT_TRUE(LoadGifResAt(193, u"GIF"_s, u"/x/tmp.GIF"_s, img, 0, values));
    EXPECT_EQ(img.picture.size(), QSize(66, 38));
    EXPECT_EQ(img.left, 7);
    EXPECT_EQ(values, ButtonValues{});

    EXPECT_TRUE(LoadGifResAt(194, u"GIF"_s, u""_s, img, 10, values, 42, 120.5));
    EXPECT_EQ(img.left, 120.5);
    EXPECT_EQ(values[10], 42);

    // a failed load is absorbed; only a value that cannot be stored makes it false
    FakeImage other{.picture = marker()};
    EXPECT_TRUE(LoadGifResAt(9999, u"GIF"_s, u""_s, other, 3, values, 5));
    EXPECT_EQ(other.picture, marker());
    EXPECT_EQ(values[3], 5);
    EXPECT_FALSE(LoadGifResAt(193, u"GIF"_s, u""_s, other, 11, values, 1));
    EXPECT_FALSE(LoadGifResAt(193, u"GIF"_s, u""_s, other, -1, values, 1));
}

TEST(PictureStoreTest, DesignPicturesLoadByTheirPath) {
    struct Case {
        const char16_t* path;
        QSize size;
    };
    for (const Case& c :
         {Case{u"MainForm/Pic1.gif", {1024, 768}}, Case{u"MainForm/Pic2.gif", {800, 600}},
          Case{u"MainForm/pic4.gif", {1024, 768}}, Case{u"MainForm/Skin.bmp", {46, 220}},
          Case{u"MainForm/icon.ico", {32, 32}}, Case{u"ChuPai/Label1.png", {32, 32}},
          Case{u"MainForm/Pic_matchDetail.jpg", {620, 400}},
          Case{u"frmSpeakBox/imgSpeakBox_2.gif", {208, 104}}}) {
        const QString path = QString::fromUtf16(c.path);
        EXPECT_EQ(LoadDesignPicture(path).size(), c.size) << path.toStdString();
    }
    EXPECT_TRUE(LoadDesignPicture(u"MainForm/none.gif"_s).isNull());
}

} // namespace
} // namespace qv::common
