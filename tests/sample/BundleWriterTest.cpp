#include "sample/BundleWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSize>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(text);
}

struct HeaderCase {
    const char* label;
    ExecutableKind kind;
    QByteArray expectedPrefix;
    qsizetype expectedSize;
};

void PrintTo(const HeaderCase& c, std::ostream* out)
{
    *out << c.label;
}

class ExecutableHeaderTest : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(ExecutableHeaderTest, StartsWithTheMachOBytes)
{
    const HeaderCase& c = GetParam();
    const QByteArray header = BundleWriter::executableHeader(c.kind);
    if (c.expectedSize >= 0) {
        EXPECT_EQ(header.size(), c.expectedSize);
    }
    EXPECT_EQ(header.left(c.expectedPrefix.size()).toHex(' '), c.expectedPrefix.toHex(' '));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ExecutableHeaderTest,
    ::testing::Values(HeaderCase{"thinArm64", ExecutableKind::thinArm64, hex("cffaedfe0c000001"), 32},
                      HeaderCase{"thinX86_64", ExecutableKind::thinX86_64, hex("cffaedfe07000001"), 32},
                      HeaderCase{"thinArm64BigEndian", ExecutableKind::thinArm64BigEndian,
                                 hex("feedfacf0100000c"), 32},
                      HeaderCase{"thin32", ExecutableKind::thin32, hex("cefaedfe07000000"), 28},
                      // count 2, then records of 20 bytes: cputype, subtype, offset, size, align
                      HeaderCase{"universalArmIntel", ExecutableKind::universalArmIntel,
                                 hex("cafebabe00000002"
                                     "0100000c"
                                     "00000000"
                                     "00004000"
                                     "00018000"
                                     "0000000e"
                                     "01000007"
                                     "00000003"
                                     "0001c000"
                                     "00018000"
                                     "0000000e"),
                                 8 + 2 * 20},
                      HeaderCase{"universalIntelI386", ExecutableKind::universalIntelI386,
                                 hex("cafebabe0000000201000007"), 8 + 2 * 20},
                      HeaderCase{"universal64ArmIntel", ExecutableKind::universal64ArmIntel,
                                 hex("cafebabf000000020100000c"), 8 + 2 * 32},
                      HeaderCase{"shellScript", ExecutableKind::shellScript, QByteArray("#!/bin/sh\n"), -1},
                      HeaderCase{"truncated", ExecutableKind::truncated, hex("cffaed"), 3},
                      HeaderCase{"missing", ExecutableKind::missing, QByteArray(), 0}));

quint32 big32(const QByteArray& bytes, qsizetype at)
{
    quint32 value = 0;
    for (int i = 0; i < 4; ++i)
        value = (value << 8) | quint8(bytes.at(at + i));
    return value;
}

TEST(BundleWriter, UniversalRecordsHaveTheirFixedStrides)
{
    const QByteArray fat32 = BundleWriter::executableHeader(ExecutableKind::universalIntelI386);
    EXPECT_EQ(big32(fat32, 8), 0x01000007u);
    EXPECT_EQ(big32(fat32, 8 + 20), 7u);

    const QByteArray fat64 = BundleWriter::executableHeader(ExecutableKind::universal64ArmIntel);
    EXPECT_EQ(big32(fat64, 8), 0x0100000Cu);
    EXPECT_EQ(big32(fat64, 8 + 32), 0x01000007u);
}

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
    executable.seek(big32(header, 8 + 8));
    EXPECT_EQ(executable.read(8).toHex(), QByteArray("cffaedfe0c000001"));

    const QFileInfoList resources =
        QDir(bundleSpec.path + QStringLiteral("/Contents/Resources")).entryInfoList(QDir::Files);
    ASSERT_EQ(resources.size(), 3);
    qint64 total = 0;
    for (const QFileInfo& info : resources)
        total += info.size();
    EXPECT_EQ(total, 10'000'001);
}

TEST(BundleWriter, BrokenBundleHasNeitherPlistNorExecutable)
{
    QTemporaryDir dir;
    BundleSpec bundleSpec;
    bundleSpec.path = dir.filePath(QStringLiteral("Broken.component"));
    bundleSpec.info = {{QStringLiteral("CFBundleExecutable"), QStringLiteral("Broken")}};
    bundleSpec.writePlist = false;
    bundleSpec.executable = ExecutableKind::missing;
    ASSERT_TRUE(BundleWriter::write(bundleSpec));
    EXPECT_TRUE(QFileInfo(bundleSpec.path + QStringLiteral("/Contents")).isDir());
    EXPECT_FALSE(QFileInfo::exists(bundleSpec.path + QStringLiteral("/Contents/Info.plist")));
    EXPECT_FALSE(QFileInfo::exists(bundleSpec.path + QStringLiteral("/Contents/MacOS/Broken")));
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

TEST(BundleWriter, PropertyListsInBothFormats)
{
    QTemporaryDir dir;
    const QVariantMap info{{QStringLiteral("CFBundleName"), QStringLiteral("Zürich Verb")},
                           {QStringLiteral("Count"), 3},
                           {QStringLiteral("List"), QStringList{QStringLiteral("a")}}};
    const QString xml = dir.filePath(QStringLiteral("xml.plist"));
    const QString bin = dir.filePath(QStringLiteral("bin.plist"));
    ASSERT_TRUE(BundleWriter::writePropertyList(xml, info, false));
    ASSERT_TRUE(BundleWriter::writePropertyList(bin, info, true));
    QFile xmlFile(xml), binFile(bin);
    ASSERT_TRUE(xmlFile.open(QIODevice::ReadOnly));
    ASSERT_TRUE(binFile.open(QIODevice::ReadOnly));
    const QByteArray xmlData = xmlFile.readAll();
    EXPECT_TRUE(xmlData.startsWith("<?xml"));
    EXPECT_TRUE(xmlData.contains(QStringLiteral("<string>Zürich Verb</string>").toUtf8()));
    EXPECT_TRUE(binFile.readAll().startsWith("bplist00"));
}

TEST(BundleWriter, RejectsValuesAPropertyListCannotHold)
{
    QTemporaryDir dir;
    const QVariantMap info{{QStringLiteral("Odd"), QVariant::fromValue(QSize(1, 2))}};
    EXPECT_FALSE(BundleWriter::writePropertyList(dir.filePath(QStringLiteral("x.plist")), info, false));
}

} // namespace
