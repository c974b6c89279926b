#include "sample/BundleWriter.h"

#include "discovery/ByteFields.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSize>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

TEST(BundleWriter, WritesTheBundleLayout)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    BundleSpec bundleSpec;
    bundleSpec.path = dir.filePath(QStringLiteral("Pro-Q 3.vst3"));
    bundleSpec.info = {{QStringLiteral("CFBundleName"), QStringLiteral("Pro-Q 3")},
                 {QStringLiteral("CFBundleExecutable"), QStringLiteral("Pro-Q 3")}};
    bundleSpec.executable = ExecutableKind::universalArmIntel;
    bundleSpec.resourceFiles = 3;
    bundleSpec.resourceBytes = 10'000'001;
    ASSERT_TRUE(BundleWriter::write(bundleSpec));

    EXPECT_TRUE(QFileInfo::exists(bundleSpec.path + QStringLiteral("/Contents/Info.plist")));
    QFile executable(bundleSpec.path + QStringLiteral("/Contents/MacOS/Pro-Q 3"));
    ASSERT_TRUE(executable.open(QIODevice::ReadOnly));
    const QByteArray header = BundleWriter::executableHeader(ExecutableKind::universalArmIntel);
    EXPECT_EQ(executable.read(header.size()), header);
    // A realistic file: the slices lie beyond the header, each starting with its own thin header.
    EXPECT_GT(executable.size(), 64 * 1024);
    executable.seek(ByteFields(header, true).u32(8 + 8));
    EXPECT_EQ(executable.read(8).toHex(), QByteArray("cffaedfe0c000001"));

    const QFileInfoList resources =
        QDir(bundleSpec.path + QStringLiteral("/Contents/Resources")).entryInfoList(QDir::Files);
    ASSERT_EQ(resources.size(), 3);
    qint64 total = 0;
    for (const QFileInfo& info : resources)
        total += info.size();
    EXPECT_EQ(total, 10'000'001);
}

TEST(BundleWriter, SparseFileHasLogicalSizeWithoutTheBlocks)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.dat"));
    ASSERT_TRUE(BundleWriter::writeSparseFile(path, 512LL * 1024 * 1024));
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    EXPECT_EQ(info.st_size, 512LL * 1024 * 1024);
    EXPECT_LT(qint64(info.st_blocks) * 512, 1024 * 1024);
    EXPECT_FALSE(BundleWriter::writeSparseFile(path, -1));
}

TEST(BundleWriter, RejectsValuesAPropertyListCannotHold)
{
    QTemporaryDir dir;
    const QVariantMap info{{QStringLiteral("Odd"), QVariant::fromValue(QSize(1, 2))}};
    EXPECT_FALSE(BundleWriter::writePropertyList(dir.filePath(QStringLiteral("x.plist")), info, false));
}

} // namespace
