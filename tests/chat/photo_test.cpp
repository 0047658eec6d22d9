#include "chat/photo_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::chat {
namespace {

QDateTime at(int year, int month, int day, int hour, int minute, int second) {
    return {QDate(year, month, day), QTime(hour, minute, second)};
}

TEST(Photo, MomentsThatCollidedWithoutPaddingGetTheirOwnNames) {
    QTemporaryDir dir;
    const QString first = PhotoFileName(dir.path(), at(2026, 11, 1, 1, 2, 3));
    const QString second = PhotoFileName(dir.path(), at(2026, 1, 11, 1, 2, 3));
    EXPECT_EQ(first, dir.path() + u"/20261101010203.bmp"_s);
    EXPECT_EQ(second, dir.path() + u"/20260111010203.bmp"_s);
}

TEST(Photo, AnExistingNameGetsASuffixAndIsKept) {
    QTemporaryDir dir;
    const QDateTime when = at(2026, 3, 5, 8, 7, 6);
    QString saved;
    ASSERT_EQ(SavePhoto(dir.path(), when, "first", &saved), PhotoResult::Saved);
    EXPECT_EQ(saved, dir.path() + u"/20260305080706.bmp"_s);
    ASSERT_EQ(SavePhoto(dir.path(), when, "second", &saved), PhotoResult::Saved);
    EXPECT_EQ(saved, dir.path() + u"/20260305080706_1.bmp"_s);
    QFile kept(dir.path() + u"/20260305080706.bmp"_s);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("first"));
}

TEST(Photo, EmptyBufferWritesNothing) {
    QTemporaryDir dir;
    EXPECT_EQ(SavePhoto(dir.path() + u"/photo"_s, at(2026, 1, 1, 0, 0, 0), {}), PhotoResult::Empty);
    EXPECT_FALSE(QDir(dir.path() + u"/photo"_s).exists());
}

TEST(Photo, UnwritableFolderFails) {
    QTemporaryDir dir;
    QFile blocker(dir.path() + u"/photo"_s);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_EQ(SavePhoto(dir.path() + u"/photo"_s, at(2026, 1, 1, 0, 0, 0), "x"),
              PhotoResult::Failed);
}

} // namespace
} // namespace qv::chat
