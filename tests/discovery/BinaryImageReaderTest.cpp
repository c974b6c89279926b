#include "discovery/BinaryImageReader.h"

#include "BundleTree.h"
#include "discovery/ByteFields.h"
#include "sample/BundleWriter.h"
#include "sample/ElfImageWriter.h"
#include "sample/PeImageWriter.h"
#include "support/QtPrinters.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <tuple>

using namespace Qt::StringLiterals;

namespace {

using Exports = QSet<QByteArray>;

struct ImageCase {
    const char* label;
    QByteArray bytes;
    BinaryImageKind kind;
    BinaryMachine machine;
    bool is64Bit;
    bool isSharedObject;
    Exports exports;
    std::optional<ClapVersion> clapVersion = std::nullopt;
    QStringList versionStrings = {}; // product, company, file version
};

BinaryImageInfo readBytes(const QByteArray& bytes)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(u"image"_s);
    BundleTree::file(path, bytes);
    return BinaryImageReader::read(path);
}

QByteArray elf(BinaryMachine machine, bool wide, QList<QByteArray> exports, bool bigEndian = false,
               std::optional<ClapVersion> clap = std::nullopt, QList<QByteArray> imports = {}, bool shared = true)
{
    return ElfImageWriter::image({machine, wide, bigEndian, shared, exports, imports, clap, 0});
}

PeImageSpec peSpec(BinaryMachine machine, QList<QByteArray> exports, std::optional<ClapVersion> clap = std::nullopt)
{
    PeImageSpec shape;
    shape.machine = machine;
    shape.exports = exports;
    shape.clapEntry = clap;
    return shape;
}

PeImageSpec withVersion(PeImageSpec shape)
{
    shape.versionInfo = true;
    shape.productName = u"Pro-Verb Ü"_s;
    shape.companyName = u"Quiet Hall Audio"_s;
    shape.fileVersion = u"2.4.1"_s;
    return shape;
}

PeImageSpec exe(PeImageSpec shape)
{
    shape.dll = false;
    return shape;
}

const QStringList versionStrings{u"Pro-Verb Ü"_s, u"Quiet Hall Audio"_s, u"2.4.1"_s};

using M = BinaryMachine;
using K = BinaryImageKind;
constexpr ClapVersion clap126{1, 2, 6};

TEST(BinaryImageReader, ReadsWhatTheHeaderSays)
{
    const ImageCase cases[] = {
        ImageCase{"elf x86_64 VST 2", elf(M::x86_64, true, {"VSTPluginMain", "main", "_ZN4juce6StringC1Ev"}), K::elf,
                  M::x86_64, true, true, {"VSTPluginMain", "main"}},
        ImageCase{"elf i386 LADSPA", elf(M::i386, false, {"ladspa_descriptor"}), K::elf, M::i386, false, true,
                  {"ladspa_descriptor"}},
        ImageCase{"elf arm LV2 and UI", elf(M::arm, false, {"lv2_descriptor", "lv2ui_descriptor"}), K::elf, M::arm,
                  false, true, {"lv2_descriptor", "lv2ui_descriptor"}},
        ImageCase{"elf aarch64 VST3", elf(M::aarch64, true, {"GetPluginFactory", "ModuleEntry"}), K::elf, M::aarch64,
                  true, true, {"GetPluginFactory"}},
        ImageCase{"elf x86_64 CLAP", elf(M::x86_64, true, {}, false, clap126), K::elf, M::x86_64, true, true,
                  {"clap_entry"}, clap126},
        ImageCase{"elf riscv64 CLAP", elf(M::riscv64, true, {}, false, ClapVersion{1, 1, 0}), K::elf, M::riscv64, true,
                  true, {"clap_entry"}, ClapVersion{1, 1, 0}},
        ImageCase{"elf big-endian ppc64 CLAP", elf(M::powerpc64, true, {}, true, clap126), K::elf, M::powerpc64, true,
                  true, {"clap_entry"}, clap126},
        ImageCase{"elf big-endian 32-bit ppc", elf(M::powerpc, false, {"main"}, true), K::elf, M::powerpc, false, true,
                  {"main"}},
        ImageCase{"elf clap_entry outside every segment", elf(M::x86_64, true, {"clap_entry"}), K::elf, M::x86_64,
                  true, true, {"clap_entry"}},
        ImageCase{"elf helper library", elf(M::x86_64, true, {"core_process", "VSTPluginMain2", "mai"}), K::elf,
                  M::x86_64, true, true, {}},
        ImageCase{"elf imports are not exports",
                  elf(M::x86_64, true, {"ladspa_descriptor"}, false, std::nullopt, {"main", "VSTPluginMain"}), K::elf,
                  M::x86_64, true, true, {"ladspa_descriptor"}},
        ImageCase{"elf executable", elf(M::x86_64, true, {"main"}, false, std::nullopt, {}, false), K::elf, M::x86_64,
                  true, false, {"main"}},
        ImageCase{"elf unknown machine", elf(M::unknown, true, {"main"}), K::elf, M::unknown, true, true, {"main"}},
        ImageCase{"pe x86_64 VST 2 with VERSIONINFO", PeImageWriter::image(withVersion(peSpec(M::x86_64, {"VSTPluginMain", "main"}))),
                  K::pe, M::x86_64, true, true, {"VSTPluginMain", "main"}, std::nullopt, versionStrings},
        ImageCase{"pe i386 VST 2", PeImageWriter::image(peSpec(M::i386, {"main", "DllMain"})), K::pe, M::i386, false,
                  true, {"main"}},
        ImageCase{"pe aarch64 VST3", PeImageWriter::image(withVersion(peSpec(M::aarch64, {"GetPluginFactory", "InitDll"}))),
                  K::pe, M::aarch64, true, true, {"GetPluginFactory"}, std::nullopt, versionStrings},
        ImageCase{"pe arm", PeImageWriter::image(peSpec(M::arm, {"VSTPluginMain"})), K::pe, M::arm, false, true,
                  {"VSTPluginMain"}},
        ImageCase{"pe x86_64 CLAP", PeImageWriter::image(peSpec(M::x86_64, {}, clap126)), K::pe, M::x86_64, true,
                  true, {"clap_entry"}, clap126},
        ImageCase{"pe clap_entry without data", PeImageWriter::image(peSpec(M::x86_64, {"clap_entry"})), K::pe,
                  M::x86_64, true, true, {"clap_entry"}},
        ImageCase{"pe executable", PeImageWriter::image(exe(peSpec(M::x86_64, {}))), K::pe, M::x86_64, true, false, {}},
        ImageCase{"mach-o arm64", BundleWriter::executableHeader(ExecutableKind::thinArm64), K::machO, M::aarch64,
                  true, false, {}},
        ImageCase{"mach-o universal", BundleWriter::executableHeader(ExecutableKind::universalArmIntel), K::machO,
                  M::unknown, false, false, {}},
        ImageCase{"java class file", QByteArray::fromHex("cafebabe00000034") + QByteArray(64, 'x'), K::none,
                  M::unknown, false, false, {}},
        ImageCase{"MZ without PE", QByteArray("MZ") + QByteArray(200, '\0'), K::none, M::unknown, false, false, {}},
        ImageCase{"ELF magic only", QByteArray("\x7f" "ELF"), K::none, M::unknown, false, false, {}},
        ImageCase{"ELF class 3", QByteArray("\x7f" "ELF\x03\x01") + QByteArray(100, '\0'), K::none, M::unknown,
                  false, false, {}},
        ImageCase{"shell script", "#!/bin/sh\nexit 0\n", K::none, M::unknown, false, false, {}},
        ImageCase{"empty", QByteArray(), K::none, M::unknown, false, false, {}}};
    for (const ImageCase& c : cases) {
        SCOPED_TRACE(c.label);
        const BinaryImageInfo info = readBytes(c.bytes);
        EXPECT_EQ((std::tuple{info.kind, info.machine, info.is64Bit, info.isSharedObject}),
                  (std::tuple{c.kind, c.machine, c.is64Bit, c.isSharedObject}));
        EXPECT_EQ(info.entryExports, c.exports);
        EXPECT_EQ(info.clapVersion.has_value(), c.clapVersion.has_value());
        if (info.clapVersion && c.clapVersion) {
            EXPECT_EQ(*info.clapVersion, *c.clapVersion);
        }
        EXPECT_EQ((QStringList{info.productName, info.companyName, info.fileVersion}),
                  c.versionStrings.isEmpty() ? QStringList(3) : c.versionStrings);
    }
}

// Writes `value` little- or big-endian at `at`.
QByteArray patched(QByteArray bytes, qsizetype at, quint64 value, int width, bool bigEndian = false)
{
    for (int i = 0; i < width; ++i)
        bytes[at + i] = char(value >> (8 * (bigEndian ? width - 1 - i : i)));
    return bytes;
}

const QByteArray elf64 = elf(M::x86_64, true, {"VSTPluginMain"}, false, clap126);
const QByteArray elf32 = elf(M::powerpc, false, {"main"}, true, clap126);
const QByteArray pe = PeImageWriter::image(withVersion(peSpec(M::x86_64, {"VSTPluginMain"}, clap126)));
// Where the writers put things, read back from the images themselves.
const qsizetype elfSections = ByteFields(elf64, false).u32(40);
const qsizetype elfSymbols = elfSections + 2 * 64; // .dynsym's section header
const qsizetype elfDataSegment = 64 + 56;           // the second PT_LOAD
const qsizetype peResources = ByteFields(pe, false).u32(0x80 + 24 + 240 + 40 + 20); // .rsrc's file offset
constexpr qsizetype peExports = 0x400;
const qsizetype peVersionInfo = peResources + 88;

struct HostileCase {
    const char* label;
    QByteArray bytes;
    BinaryImageKind kind;
    Exports exports;
    bool clapVersion;
    bool versionStrings;
};

const Exports vst2Clap{"VSTPluginMain", "clap_entry"};
const Exports none;

TEST(HostileImages, GiveWhatIsSoundAndNothingMore)
{
    const HostileCase cases[] = {
        HostileCase{"elf sound", elf64, K::elf, vst2Clap, true, false},
        HostileCase{"elf section table past the end", patched(elf64, 40, quint64(elf64.size()), 8), K::elf, none, false, false},
        HostileCase{"elf section table offset wraps", patched(elf64, 40, ~quint64(0) - 16, 8), K::elf, none, false, false},
        HostileCase{"elf 65535 sections", patched(elf64, 60, 0xFFFF, 2), K::elf, none, false, false},
        HostileCase{"elf tiny section entries", patched(elf64, 58, 8, 2), K::elf, none, false, false},
        HostileCase{"elf 65535 segments", patched(elf64, 56, 0xFFFF, 2), K::elf, vst2Clap, false, false},
        HostileCase{"elf symbols past the end", patched(elf64, elfSymbols + 24, quint64(elf64.size()), 8), K::elf,
                    none, false, false},
        HostileCase{"elf symbol table size 2^63", patched(elf64, elfSymbols + 32, quint64(1) << 63, 8), K::elf,
                    vst2Clap, true, false},
        HostileCase{"elf string table link out of range", patched(elf64, elfSymbols + 40, 99, 4), K::elf, none,
                    false, false},
        HostileCase{"elf string table size 0", patched(elf64, elfSections + 64 + 32, 0, 8), K::elf, none, false, false},
        HostileCase{"elf data segment size wraps", patched(elf64, elfDataSegment + 32, ~quint64(0), 8), K::elf,
                    vst2Clap, true, false},
        HostileCase{"elf data segment at the top of memory", patched(elf64, elfDataSegment + 16, ~quint64(0) - 4, 8),
                    K::elf, vst2Clap, false, false},
        HostileCase{"elf data segment offset past the end", patched(elf64, elfDataSegment + 8, ~quint64(0) - 4, 8),
                    K::elf, vst2Clap, false, false},
        HostileCase{"elf big-endian 32-bit sound", elf32, K::elf, {"main", "clap_entry"}, true, false},
        HostileCase{"elf big-endian sections past the end", patched(elf32, 32, quint64(elf32.size()), 4, true), K::elf,
                    none, false, false},
        HostileCase{"pe sound", pe, K::pe, vst2Clap, true, true},
        HostileCase{"pe header offset past the end", patched(pe, 0x3C, quint64(pe.size()), 4), K::none, none, false, false},
        HostileCase{"pe header offset wraps", patched(pe, 0x3C, 0xFFFFFFFF, 4), K::none, none, false, false},
        HostileCase{"pe 65535 sections", patched(pe, 0x86, 0xFFFF, 2), K::pe, none, false, false},
        HostileCase{"pe optional header past the end", patched(pe, 0x80 + 20, 0xFFFF, 2), K::none, none, false, false},
        HostileCase{"pe 4 billion export names", patched(pe, peExports + 24, 0xFFFFFFFF, 4), K::pe, vst2Clap, true, true},
        HostileCase{"pe export names unmapped", patched(pe, peExports + 32, 0x7FFFFFF0, 4), K::pe, none, false, true},
        HostileCase{"pe export directory unmapped", patched(pe, 0x80 + 24 + 112, 0xFFFFFFF0, 4), K::pe, none, false, true},
        HostileCase{"pe no functions", patched(pe, peExports + 20, 0, 4), K::pe, vst2Clap, false, true},
        HostileCase{"pe clap_entry forwarded", patched(pe, peExports + 40 + 4 * 1, 0x1000 + 8, 4), K::pe, vst2Clap,
                    false, true},
        HostileCase{"pe resource cycle to the root", patched(pe, peResources + 24 + 20, 0x80000000, 4), K::pe,
                    vst2Clap, true, false},
        HostileCase{"pe resource directory naming itself", patched(pe, peResources + 48 + 20, 0x80000000 | 48, 4),
                    K::pe, vst2Clap, true, false},
        HostileCase{"pe 65535 resource entries", patched(pe, peResources + 14, 0xFFFF, 2), K::pe, vst2Clap, true, true},
        HostileCase{"pe resource entries past the end", patched(pe, peResources + 12, 0xFFFF, 2), K::pe, vst2Clap, true,
                    true},
        HostileCase{"pe resource data 4 GB", patched(pe, peResources + 76, 0xFFFFFFFF, 4), K::pe, vst2Clap, true, false},
        HostileCase{"pe resource data unmapped", patched(pe, peResources + 72, 0x7FFFFFF0, 4), K::pe, vst2Clap, true,
                    false},
        HostileCase{"pe version block of length 0", patched(pe, peVersionInfo, 0, 2), K::pe, vst2Clap, true, false},
        HostileCase{"pe version block longer than its data", patched(pe, peVersionInfo, 0xFFFF, 2), K::pe, vst2Clap,
                    true, false}};
    for (const HostileCase& c : cases) {
        SCOPED_TRACE(c.label);
        const BinaryImageInfo info = readBytes(c.bytes);
        EXPECT_EQ(info.kind, c.kind);
        EXPECT_EQ(info.entryExports, c.exports);
        EXPECT_EQ(info.clapVersion.has_value(), c.clapVersion);
        EXPECT_EQ(!info.productName.isEmpty(), c.versionStrings);
    }
}

// Every prefix and every single-byte change of sound images: never a crash, never an export
// or version that the sound image does not have.
TEST(HostileImages, TruncatedAndMutatedImagesStayWithinTheTruth)
{
    for (const QByteArray& image : {elf64, elf32, pe}) {
        const BinaryImageInfo sound = BinaryImageReader::fromBytes(image);
        for (qsizetype length = 0; length < image.size(); ++length) {
            const BinaryImageInfo info = BinaryImageReader::fromBytes(image.left(length));
            ASSERT_TRUE(sound.entryExports.contains(info.entryExports)) << length;
            ASSERT_TRUE(!info.clapVersion || info.clapVersion == sound.clapVersion) << length;
            ASSERT_TRUE(info.productName.isEmpty() || info.productName == sound.productName) << length;
        }
        for (qsizetype at = 0; at < image.size(); ++at) {
            for (char value : {char(0xFF), char(0x80), char(0)}) {
                QByteArray mutated = image;
                mutated[at] = value;
                const BinaryImageInfo info = BinaryImageReader::fromBytes(mutated);
                ASSERT_LE(info.entryExports.size(), qsizetype(BinaryImageInfo::entrySymbols.size())) << at;
            }
        }
    }
}

TEST(BinaryImageReader, OnlyRegularFilesAreRead)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(u"fifo.so"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    EXPECT_EQ(BinaryImageReader::read(fifo).kind, K::none); // and does not wait for a writer
    EXPECT_EQ(BinaryImageReader::read(dir.path()).kind, K::none);
    EXPECT_EQ(BinaryImageReader::read(u"/dev/zero"_s).kind, K::none);
    EXPECT_EQ(BinaryImageReader::read(dir.filePath(u"missing.so"_s)).kind, K::none);

    // Padding to a large size does not change what is read, nor read the padding.
    const QString padded = dir.filePath(u"padded.so"_s);
    ASSERT_TRUE(ElfImageWriter::write(padded, {M::aarch64, true, false, true, {"lv2_descriptor"}, {}, {}, qint64(1) << 32}));
    EXPECT_EQ(BinaryImageReader::read(padded).entryExports, Exports{"lv2_descriptor"});
}

} // namespace
