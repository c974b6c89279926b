#include "discovery/BinaryImageReader.h"

#include "discovery/BoundedFile.h"
#include "discovery/ByteFields.h"
#include "discovery/ElfImageReader.h"
#include "discovery/PeImageReader.h"

namespace {

// Enough for the headers, the dynamic symbols and strings of a large C++ plug-in, and one
// resource section; nothing more is read from any file.
constexpr qint64 readBudget = 8 * 1024 * 1024;

BinaryImageInfo machOInfo(const QByteArray& head)
{
    const ByteFields little(head, false);
    const quint32 magic = little.u32(0);
    const bool swapped = magic == 0xCFFAEDFE || magic == 0xCEFAEDFE;
    const bool thin = swapped || magic == 0xFEEDFACF || magic == 0xFEEDFACE;
    const quint32 fat = ByteFields(head, true).u32(0);
    BinaryImageInfo info;
    const quint32 slices = ByteFields(head, true).u32(4);
    // Java class files share the universal magic; their version number is far above 8.
    if (!thin && ((fat != 0xCAFEBABE && fat != 0xCAFEBABF) || slices == 0 || slices > 8))
        return info;
    info.kind = BinaryImageKind::machO;
    if (!thin)
        return info;
    const ByteFields fields(head, swapped);
    info.is64Bit = magic == 0xFEEDFACF || magic == 0xCFFAEDFE;
    const quint32 cpu = fields.u32(4);
    info.machine = cpu == 0x0100000C ? BinaryMachine::aarch64
        : cpu == 0x01000007          ? BinaryMachine::x86_64
        : cpu == 7                   ? BinaryMachine::i386
                                     : BinaryMachine::unknown;
    return info;
}

BinaryImageInfo readFile(BoundedFile& file)
{
    const QByteArray head = file.readUpTo(0, 8);
    if (head.startsWith("\x7f" "ELF"))
        return ElfImageReader::read(file);
    if (head.startsWith("MZ"))
        return PeImageReader::read(file);
    return head.size() == 8 ? machOInfo(head) : BinaryImageInfo{};
}

} // namespace

namespace BinaryImageReader {

BinaryImageInfo read(const QString& path)
{
    BoundedFile file(path, readBudget);
    return readFile(file);
}

BinaryImageInfo fromBytes(const QByteArray& image)
{
    BoundedFile file(image, readBudget);
    return readFile(file);
}

} // namespace BinaryImageReader
