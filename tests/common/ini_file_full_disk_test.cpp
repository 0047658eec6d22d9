#include "common/ini_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>

namespace qv {
namespace {

using namespace Qt::StringLiterals;

const QByteArray kBefore = "[Chat]\r\nPhrase1=hi\r\nnum=10\r\n";

QByteArray read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void write(const QString& path, const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(content), content.size());
}

// Every change that cannot be written whole leaves the file byte for byte, and no temporary file.
void expectEveryChangeLeavesTheFile(const QString& folder) {
    classIniFile ini;
    ini.setINIFileName(QDir(folder).filePath(u"chat.ini"_s));
    const QStringList before = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    ini.WriteIniKey(u"Chat"_s, u"Phrase2"_s, QString(8000, u'x'));
    EXPECT_EQ(read(ini.INIFileName()), kBefore);
    ini.WriteIniKey(u"New"_s, u"k"_s, QString(8000, u'y'));
    EXPECT_EQ(read(ini.INIFileName()), kBefore);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), before);
}

// A tiny memory file system, filled up; skipped where mounting is not allowed.
class TinyDisk {
public:
    TinyDisk() {
        const QByteArray path = QFile::encodeName(dir_.path());
        mounted_ = ::mount("tmpfs", path.constData(), "tmpfs", 0, "size=16k") == 0;
    }
    ~TinyDisk() {
        if (mounted_) {
            ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
        }
    }
    TinyDisk(const TinyDisk&) = delete;
    TinyDisk& operator=(const TinyDisk&) = delete;

    [[nodiscard]] bool mounted() const { return mounted_; }
    [[nodiscard]] QString path() const { return dir_.path(); }

    // Takes every free block.
    void fill() const {
        QFile filler(QDir(dir_.path()).filePath(u"filler"_s));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(512, 'f');
        while (filler.write(block) == block.size()) {
        }
    }

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
};

TEST(IniFileFullDiskTest, AFullDiskLeavesTheFileAsItWas) {
    const TinyDisk disk;
    if (!disk.mounted()) {
        GTEST_SKIP() << "no permission to mount a file system";
    }
    write(QDir(disk.path()).filePath(u"chat.ini"_s), kBefore);
    disk.fill();
    expectEveryChangeLeavesTheFile(disk.path());
}

// The same failure where nothing can be mounted: a file size limit fails the write midway.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        savedHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, saved_.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, savedHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*savedHandler_)(int) = nullptr;
};

TEST(IniFileFullDiskTest, AFailedWriteLeavesTheFileAsItWas) {
    const QTemporaryDir dir;
    write(QDir(dir.path()).filePath(u"chat.ini"_s), kBefore);
    const FileSizeLimit limit(4096);
    expectEveryChangeLeavesTheFile(dir.path());
}

} // namespace
} // namespace qv
