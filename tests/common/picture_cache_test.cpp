#include "common/picture_resources.h"

#include <QDirIterator>
#include <QImage>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::common {
namespace {

constexpr int kLastStoredId = 2000;

// Pixels as the eye sees them, whatever the image's storage.
QImage argb(const QImage& picture) {
    return picture.convertToFormat(QImage::Format_ARGB32);
}

struct PictureHolderStub {
    void setPicture(const QImage& p) { picture = p; }
    QImage picture;
};

TEST(PictureCacheTest, EveryResourceGivesTheFreshDecodesPixelsEveryTime) {
    int pictures = 0;
    for (int id = 1; id <= kLastStoredId; ++id) {
        const auto resId = static_cast<std::int16_t>(id);
        const std::optional<QByteArray> bytes = PictureResourceBytes(resId, u"GIF"_s);
        const QImage first = LoadGifPicture(resId, u"GIF"_s);
        const QSize headerSize = PictureResourceSize(resId, u"GIF"_s);
        if (!bytes || first.isNull()) {
            EXPECT_TRUE(headerSize.isEmpty()) << id;
            continue;
        }
        EXPECT_EQ(headerSize, first.size()) << id;
        ++pictures;
        SCOPED_TRACE(id);
        const QImage fresh = QImage::fromData(*bytes);
        EXPECT_EQ(argb(first), argb(fresh));
        if (bytes->startsWith("GIF")) {
            EXPECT_EQ(first.format(), QImage::Format_Indexed8);
        }
        const QImage again = LoadGifPicture(resId, u"gif"_s);
        EXPECT_EQ(again.cacheKey(), first.cacheKey());
        EXPECT_EQ(again.constBits(), first.constBits());
    }
    // every stored picture but the five sprite sheets
    EXPECT_EQ(pictures, 490);
}

TEST(PictureCacheTest, EveryResourceAsASheetGivesTheFreshDecodesPixelsEveryTime) {
    int sheets = 0;
    for (int id = -1; id <= kLastStoredId; ++id) {
        const auto resId = static_cast<std::int16_t>(id);
        SCOPED_TRACE(id);
        const std::optional<QByteArray> bytes = PictureResourceBytes(resId, u"GIF"_s);
        const QImage fresh = bytes ? QImage::fromData(*bytes) : QImage();
        const QImage sheet = LoadSheetPicture(resId);
        if (fresh.isNull()) {
            EXPECT_TRUE(sheet.isNull());
            EXPECT_TRUE(SheetPictureSize(resId).isEmpty());
            continue;
        }
        ++sheets;
        EXPECT_EQ(SheetPictureSize(resId), sheet.size());
        EXPECT_EQ(sheet, fresh.convertToFormat(QImage::Format_ARGB32_Premultiplied));
        EXPECT_EQ(LoadSheetPicture(resId).constBits(), sheet.constBits());
    }
    // every stored picture, the five sprite sheets among them
    EXPECT_EQ(sheets, 495);
}

TEST(PictureCacheTest, EveryDesignPictureGivesTheFreshDecodesPixelsEveryTime) {
    int pictures = 0;
    for (QDirIterator it(u":/design"_s, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString file = it.next();
        const QString path = file.mid(QStringLiteral(":/design/").size());
        SCOPED_TRACE(path.toStdString());
        const QImage first = LoadDesignPicture(path);
        ASSERT_FALSE(first.isNull());
        ++pictures;
        EXPECT_EQ(argb(first), argb(QImage(file)));
        EXPECT_EQ(LoadDesignPicture(path).constBits(), first.constBits());
    }
    EXPECT_GT(pictures, 0);
}

TEST(PictureCacheTest, AFailedLoadAfterCachedOnesLeavesThePicture) {
    PictureHolderStub img;
    ASSERT_EQ(LoadGifRes(303, u"GIF"_s, img), 1);
    const qint64 card = img.picture.cacheKey();
    for (const int id : {0, 34, 801, 5000, -1}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(LoadGifRes(static_cast<std::int16_t>(id), u"GIF"_s, img), 0);
        EXPECT_EQ(LoadGifResCopy(static_cast<std::int16_t>(id), u"GIF"_s, img), 0);
        EXPECT_EQ(img.picture.cacheKey(), card);
    }
    // a cached picture is still asked for by its type
    EXPECT_EQ(LoadGifRes(303, u"BMP"_s, img), 0);
    EXPECT_TRUE(LoadGifPicture(303, u"JPG"_s).isNull());
    EXPECT_EQ(img.picture.cacheKey(), card);
    EXPECT_TRUE(LoadDesignPicture(u"MainForm/none.gif"_s).isNull());
}

} // namespace
} // namespace qv::common
