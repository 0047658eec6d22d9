#include "common/md5.h"
#include "common/runtime_errors.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <utility>

namespace qv {
namespace {

using namespace Qt::StringLiterals;

const QString kEmptyDigest = u"d41d8cd98f00b204e9800998ecf8427e"_s;

TEST(Md5, Rfc1321Vectors) {
    const std::pair<const char*, const char*> vectors[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"a", "0cc175b9c0f1b6a831c399e269772661"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
         "d174ab98d277d9f5a5611c2c9f419d9f"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57edf4a22be3c955ac49da2e2107b67a"},
    };
    const QRegularExpression form(u"^[0-9a-f]{32}$"_s);
    for (const auto& [text, digest] : vectors) {
        const QByteArray bytes(text);
        const QString fromBytes = GetBytesMd5(static_cast<std::int32_t>(bytes.size()), bytes);
        EXPECT_EQ(fromBytes, QLatin1StringView(digest)) << text;
        EXPECT_TRUE(form.match(fromBytes).hasMatch());
        if (!bytes.isEmpty()) {
            EXPECT_EQ(GetStrMd5(QString::fromLatin1(bytes)), fromBytes) << text;
        }
    }
}

TEST(Md5, StrHashesLenCharactersWorthOfBytes) {
    EXPECT_EQ(GetStrMd5(QString()), QString());
    // Two Chinese characters are four GBK bytes; only the first two, the first character, count.
    EXPECT_EQ(GetStrMd5(u"本游"_s), GetBytesMd5(2, QByteArray("\xB1\xBE")));
    EXPECT_EQ(StrToAnsiBytes(u"a本"_s), QByteArray("a\xB1\xBE\0", 4));
    EXPECT_EQ(AnsiByteLen(u"a本"_s), 3);
    EXPECT_THROW((void)AnsiByteLen(QString(16384, u'本')), RuntimeError);
}

TEST(Md5, BytesCountIsClamped) {
    EXPECT_EQ(GetBytesMd5(0, "anything"), kEmptyDigest);
    EXPECT_EQ(GetBytesMd5(-4, "anything"), kEmptyDigest);
    EXPECT_EQ(GetBytesMd5(99, "abc"), u"900150983cd24fb0d6963f7d28e17f72"_s);
}

TEST(Md5, FilesDigestTheirBytesAndMissingOnesNothing) {
    QTemporaryDir dir;
    const QString empty = dir.filePath(u"empty"_s);
    const QString full = dir.filePath(u"full"_s);
    QFile(empty).open(QIODevice::WriteOnly);
    QFile file(full);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("message digest");
    file.close();
    EXPECT_EQ(GetFileMd5(empty), kEmptyDigest);
    EXPECT_EQ(GetFileMd5(dir.filePath(u"missing"_s)), kEmptyDigest);
    EXPECT_EQ(GetFileMd5(full), u"f96b697d7cb7938d525a2f31aaf161d0"_s);
}

} // namespace
} // namespace qv
