#include "discovery/DirectorySize.h"
#include "model/FilePathBytes.h"

#include "BundleTree.h"
#include "sample/BundleWriter.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <numeric>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class DirectorySizeTest : public ::testing::Test {
protected:
    QString path(const QString& relative) const { return m_dir.filePath(relative); }
    void sparse(const QString& relative, qint64 size)
    {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path(relative)).path()));
        ASSERT_TRUE(BundleWriter::writeSparseFile(path(relative), size));
    }
    QTemporaryDir m_dir;
};

TEST_F(DirectorySizeTest, SumsLogicalSizesOfFilesInEveryFolderButHiddenOnes)
{
    sparse(QStringLiteral("root/a.bin"), 1'000);
    sparse(QStringLiteral("root/sub/b.bin"), 3'000'000'000LL); // beyond 32 bits
    sparse(QStringLiteral("root/sub/deeper/c.bin"), 7);
    sparse(QStringLiteral("root/empty.bin"), 0);
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("root/empty folder"))));
    // Hidden entries and their contents are skipped.
    sparse(QStringLiteral("root/.DS_Store"), 100);
    sparse(QStringLiteral("root/.hidden/inside"), 1'000);
    sparse(QStringLiteral("root/sub/.git/objects/x"), 10'000);
    sparse(QStringLiteral("onlyHidden/.b/c"), 5);
    EXPECT_EQ(directorySize(path(QStringLiteral("root"))), 3'000'001'007LL);
    EXPECT_EQ(directorySize(path(QStringLiteral("root/sub/"))), 3'000'000'007LL);
    EXPECT_EQ(directorySize(path(QStringLiteral("onlyHidden"))), 0);
}

TEST_F(DirectorySizeTest, SymlinksCountTheirOwnSizeAndAreNeverFollowed)
{
    sparse(QStringLiteral("target/big"), 1'000'000);
    sparse(QStringLiteral("root/file"), 3);
    const QByteArray fileTarget = QFile::encodeName(path(QStringLiteral("target/big")));
    const QByteArray folderTarget = QFile::encodeName(path(QStringLiteral("target")));
    BundleTree::symlink(QFile::decodeName(fileTarget), path(QStringLiteral("root/toFile")));
    BundleTree::symlink(QFile::decodeName(folderTarget), path(QStringLiteral("root/toFolder")));
    BundleTree::symlink(QStringLiteral(".."), path(QStringLiteral("root/parent")));
    BundleTree::symlink(QStringLiteral("loop"), path(QStringLiteral("root/loop")));
    EXPECT_EQ(directorySize(path(QStringLiteral("root"))),
              3 + fileTarget.size() + folderTarget.size() + 2 + 4);
}

TEST_F(DirectorySizeTest, DeepTreesAndOddNames)
{
    QString deep = QStringLiteral("root");
    for (int i = 0; i < 300; ++i)
        deep += QStringLiteral("/d");
    sparse(deep + QStringLiteral("/leaf"), 11);
    // A name that is not valid UTF-8 is still counted: the walk works on raw bytes.
    const QByteArray oddName = QFile::encodeName(path(QStringLiteral("root"))) + "/odd\xff\xfe name";
    const int fd = ::open(oddName.constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, 5), 0);
    ::close(fd);
    EXPECT_EQ(directorySize(path(QStringLiteral("root"))), 16);
}

// The walk shared by the pool gives each folder what the walk on one thread gives, in order,
// whatever the roots: nested in one another, missing, a file, hidden inside, a link, the same twice.
// A link given as the root is followed; a FIFO adds nothing and does not block; what is no folder adds nothing.
TEST_F(DirectorySizeTest, ParallelSizesEqualTheSerialWalk)
{
    for (int library = 0; library < 6; ++library)
        for (int folder = 0; folder < 1 + library * 3; ++folder)
            for (int file = 0; file < 1 + (library * 7 + folder) % 5; ++file)
                sparse(QStringLiteral("root/lib%1/f%2/sub/file%3").arg(library).arg(folder).arg(file),
                       qint64(library + 1) * 1'000'003 + folder * 101 + file);
    sparse(QStringLiteral("root/lib2/.hidden/x"), 9);
    sparse(QStringLiteral("loose"), 3);
    // Deeper than a walker keeps folders open, and more names than one directory read holds.
    QString deep = QStringLiteral("deep");
    for (int level = 0; level < 40; ++level) {
        deep += QStringLiteral("/level %1").arg(level);
        sparse(deep + QStringLiteral("/file"), level + 1);
    }
    for (int file = 0; file < 700; ++file)
        sparse(QStringLiteral("wide/a file with a rather long name, number %1").arg(file), file);
    ASSERT_EQ(::mkfifo(FilePathBytes::encode(path(QStringLiteral("root/lib1/fifo"))).constData(), 0644), 0);
    BundleTree::symlink(path(QStringLiteral("root/lib1")), path(QStringLiteral("link")));
    QStringList roots{path(QStringLiteral("root")), path(QStringLiteral("link")), path(QStringLiteral("missing")),
                      path(QStringLiteral("loose")), QString(), path(QStringLiteral("deep")), path(QStringLiteral("wide"))};
    for (int library = 5; library >= 0; --library)
        roots.append(path(QStringLiteral("root/lib%1").arg(library)));
    roots.append(roots.front());

    QList<qint64> serial;
    for (const QString& root : std::as_const(roots))
        serial.append(directorySize(root));
    ASSERT_GT(serial.front(), 0);
    // The link: lib1's thirteen files; 1 + 2 + ... + 40; 0 + 1 + ... + 699.
    EXPECT_EQ(serial.mid(1, 6), (QList<qint64>{26'001'814, 0, 0, 0, 820, 244'650}));
    std::mutex mutex;
    QList<qsizetype> finished;
    const QList<qint64> parallel = directorySizes(roots, {}, [&](qsizetype index) {
        const std::lock_guard lock(mutex);
        finished.append(index);
    });
    EXPECT_EQ(parallel, serial);
    std::sort(finished.begin(), finished.end());
    QList<qsizetype> every(roots.size());
    std::iota(every.begin(), every.end(), 0);
    EXPECT_EQ(finished, every);
    EXPECT_TRUE(directorySizes({}).isEmpty());
}

TEST_F(DirectorySizeTest, ACancelledWalkStopsAndReportsNothingFinished)
{
    for (int folder = 0; folder < 50; ++folder)
        sparse(QStringLiteral("root/f%1/file").arg(folder), 1);
    std::atomic<int> asked = 0;
    std::atomic<int> finished = 0;
    const QList<qint64> sizes = directorySizes(
        {path(QStringLiteral("root"))}, [&asked] { return ++asked > 3; }, [&finished](qsizetype) { ++finished; });
    ASSERT_EQ(sizes.size(), 1);
    EXPECT_LT(sizes.front(), 50);
    EXPECT_EQ(finished.load(), 0);
    EXPECT_LT(asked.load(), 50);
}

} // namespace
