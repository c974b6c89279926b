#include "discovery/BundleMetadataReader.h"

#include "BundleTree.h"
#include "sample/BundleWriter.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using BundleMetadataReader::readArchitecture;

namespace {

QByteArray big32(quint32 value)
{
    return QByteArray::fromHex(QByteArray::number(value, 16).rightJustified(8, '0'));
}

// A universal header with one record per CPU type, at the given record size.
QByteArray universal(quint32 magic, const QList<quint32>& cpuTypes, int recordSize, quint32 claimedCount)
{
    QByteArray bytes = big32(magic) + big32(claimedCount);
    for (quint32 cpuType : cpuTypes)
        bytes += big32(cpuType) + QByteArray(recordSize - 4, '\x01');
    return bytes;
}

QByteArray universal(quint32 magic, const QList<quint32>& cpuTypes)
{
    return universal(magic, cpuTypes, magic == 0xCAFEBABE ? 20 : 32, quint32(cpuTypes.size()));
}

constexpr quint32 arm = 0x0100000C;
constexpr quint32 intel = 0x01000007;
constexpr quint32 i386 = 7;
constexpr quint32 ppc = 18;

struct HeaderCase {
    const char* label;
    QByteArray bytes;
    PluginArchitecture expected;
};

const QByteArray thinArm = BundleWriter::executableHeader(ExecutableKind::thinArm64);

TEST(ArchitectureReader, ReadsTheHeader)
{
    const HeaderCase cases[] = {
        HeaderCase{"thin arm64", thinArm, PluginArchitecture::arm64},
        HeaderCase{"thin arm64, first 8 bytes only", thinArm.left(8), PluginArchitecture::arm64},
        HeaderCase{"thin arm64, 7 bytes", thinArm.left(7), PluginArchitecture::unknown},
        HeaderCase{"thin x86_64", BundleWriter::executableHeader(ExecutableKind::thinX86_64),
                   PluginArchitecture::x86_64},
        HeaderCase{"thin arm64 big-endian",
                   BundleWriter::executableHeader(ExecutableKind::thinArm64BigEndian),
                   PluginArchitecture::arm64},
        HeaderCase{"thin, other cpu", QByteArray::fromHex("cffaedfe12000000"), PluginArchitecture::unknown},
        HeaderCase{"32-bit i386", BundleWriter::executableHeader(ExecutableKind::thin32),
                   PluginArchitecture::unknown},
        HeaderCase{"universal arm64 + x86_64",
                   BundleWriter::executableHeader(ExecutableKind::universalArmIntel),
                   PluginArchitecture::universal},
        HeaderCase{"universal x86_64 + i386",
                   BundleWriter::executableHeader(ExecutableKind::universalIntelI386),
                   PluginArchitecture::x86_64},
        HeaderCase{"universal 64 arm64 + x86_64",
                   BundleWriter::executableHeader(ExecutableKind::universal64ArmIntel),
                   PluginArchitecture::universal},
        HeaderCase{"universal arm64 only", universal(0xCAFEBABE, {arm}), PluginArchitecture::arm64},
        HeaderCase{"universal i386 + ppc", universal(0xCAFEBABE, {i386, ppc}), PluginArchitecture::unknown},
        HeaderCase{"universal 8 records, x86_64 last",
                   universal(0xCAFEBABE, {i386, i386, i386, i386, i386, i386, i386, intel}),
                   PluginArchitecture::x86_64},
        HeaderCase{"universal 64, 8 records, arm64 last",
                   universal(0xCAFEBABF, {ppc, ppc, ppc, ppc, ppc, ppc, ppc, arm}),
                   PluginArchitecture::arm64},
        HeaderCase{"universal claiming 0", universal(0xCAFEBABE, {arm}, 20, 0), PluginArchitecture::unknown},
        HeaderCase{"universal claiming 9",
                   universal(0xCAFEBABE, {arm, intel, arm, intel, arm, intel, arm, intel, arm}),
                   PluginArchitecture::unknown},
        HeaderCase{"universal with a short record", universal(0xCAFEBABE, {arm, intel}).chopped(1),
                   PluginArchitecture::unknown},
        // 20-byte records under the 64-bit magic: the second CPU type is not where a 32-byte stride looks.
        HeaderCase{"universal 64 with 20-byte records", universal(0xCAFEBABF, {arm, intel, ppc, ppc}, 20, 2),
                   PluginArchitecture::arm64},
        HeaderCase{"shell script", BundleWriter::executableHeader(ExecutableKind::shellScript),
                   PluginArchitecture::unknown},
        HeaderCase{"empty", QByteArray(), PluginArchitecture::unknown}};
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("exe"));
    for (const HeaderCase& c : cases) {
        BundleTree::file(path, c.bytes);
        EXPECT_EQ(readArchitecture(path), c.expected) << c.label;
    }
}

TEST(ArchitectureReader, OnlyRegularFilesAreRead)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    EXPECT_EQ(readArchitecture(fifo), PluginArchitecture::unknown); // and does not wait for a writer
    EXPECT_EQ(readArchitecture(dir.path()), PluginArchitecture::unknown);
    EXPECT_EQ(readArchitecture(dir.filePath(QStringLiteral("missing"))), PluginArchitecture::unknown);
    EXPECT_EQ(readArchitecture(QStringLiteral("/dev/zero")), PluginArchitecture::unknown);

    const QString real = dir.filePath(QStringLiteral("real"));
    BundleTree::file(real, thinArm);
    BundleTree::symlink(real, dir.filePath(QStringLiteral("link")));
    EXPECT_EQ(readArchitecture(dir.filePath(QStringLiteral("link"))), PluginArchitecture::arm64);
    BundleTree::symlink(dir.filePath(QStringLiteral("gone")), dir.filePath(QStringLiteral("dangling")));
    EXPECT_EQ(readArchitecture(dir.filePath(QStringLiteral("dangling"))), PluginArchitecture::unknown);
}

} // namespace
