#include "discovery/ElfImageReader.h"

#include "discovery/BoundedFile.h"
#include "discovery/ByteFields.h"

#include <cstring>

namespace {

constexpr quint64 maxSections = 4096;
constexpr quint64 maxProgramHeaders = 512;
constexpr quint64 maxSymbolTableBytes = 3 * 1024 * 1024;
constexpr quint64 maxStringTableBytes = 4 * 1024 * 1024;

constexpr quint32 sectionDynamicSymbols = 11;
constexpr quint32 segmentLoad = 1;

BinaryMachine machineOf(quint16 machine, bool wide)
{
    switch (machine) {
    case 3: return BinaryMachine::i386;
    case 20: return BinaryMachine::powerpc;
    case 21: return BinaryMachine::powerpc64;
    case 40: return BinaryMachine::arm;
    case 62: return BinaryMachine::x86_64;
    case 183: return BinaryMachine::aarch64;
    case 243: return wide ? BinaryMachine::riscv64 : BinaryMachine::unknown;
    default: return BinaryMachine::unknown;
    }
}

struct Layout {
    bool wide = false;
    bool bigEndian = false;
    quint64 sectionHeaderSize() const { return wide ? 64 : 40; }
    quint64 programHeaderSize() const { return wide ? 56 : 32; }
    quint64 symbolSize() const { return wide ? 24 : 16; }
};

struct Table {
    quint64 offset = 0;
    quint64 count = 0;
    quint64 stride = 0;
};

// A header table of `count` entries of at least `minimum` bytes, read whole, or empty.
QByteArray readTable(BoundedFile& file, const Table& table, quint64 minimum, quint64 maxCount)
{
    if (table.count == 0 || table.count > maxCount || table.stride < minimum || table.stride > 1024)
        return {};
    return file.read(table.offset, table.count * table.stride);
}

struct SymbolTable {
    QByteArray symbols;
    QByteArray names;
};

SymbolTable readDynamicSymbols(BoundedFile& file, const Layout& layout, const Table& sections)
{
    const QByteArray headers = readTable(file, sections, layout.sectionHeaderSize(), maxSections);
    const ByteFields fields(headers, layout.bigEndian);
    const bool wide = layout.wide;
    for (quint64 i = 0; i < sections.count && !headers.isEmpty(); ++i) {
        const quint64 at = i * sections.stride;
        if (fields.u32(at + 4) != sectionDynamicSymbols)
            continue;
        const quint64 offset = fields.word(at + (wide ? 24 : 16), wide);
        const quint64 size = fields.word(at + (wide ? 32 : 20), wide);
        const quint32 link = fields.u32(at + (wide ? 40 : 24));
        if (link >= sections.count)
            return {};
        const quint64 linkAt = quint64(link) * sections.stride;
        const quint64 namesOffset = fields.word(linkAt + (wide ? 24 : 16), wide);
        const quint64 namesSize = fields.word(linkAt + (wide ? 32 : 20), wide);
        // Past the caps the tables are read in part: the entry points are usually early.
        const quint64 symbolBytes = std::min(size, maxSymbolTableBytes) / layout.symbolSize() * layout.symbolSize();
        return {file.readUpTo(offset, symbolBytes), file.readUpTo(namesOffset, std::min(namesSize, maxStringTableBytes))};
    }
    return {};
}

std::optional<ClapVersion> clapVersionAt(BoundedFile& file, const Layout& layout, const Table& segments,
                                         quint64 address)
{
    const QByteArray headers = readTable(file, segments, layout.programHeaderSize(), maxProgramHeaders);
    const ByteFields fields(headers, layout.bigEndian);
    const bool wide = layout.wide;
    for (quint64 i = 0; i < segments.count && !headers.isEmpty(); ++i) {
        const quint64 at = i * segments.stride;
        if (fields.u32(at) != segmentLoad)
            continue;
        const quint64 offset = fields.word(at + (wide ? 8 : 4), wide);
        const quint64 start = fields.word(at + (wide ? 16 : 8), wide);
        const quint64 fileSize = fields.word(at + (wide ? 32 : 16), wide);
        if (address < start || fileSize < 12 || address - start > fileSize - 12)
            continue;
        const quint64 delta = address - start;
        if (offset > ~quint64(0) - delta)
            return std::nullopt;
        const QByteArray bytes = file.read(offset + delta, 12);
        if (bytes.isEmpty())
            return std::nullopt;
        const ByteFields version(bytes, layout.bigEndian);
        return ClapVersion{version.u32(0), version.u32(4), version.u32(8)};
    }
    return std::nullopt;
}

// The entry symbol named at `offset` in the string table, or nullptr.
const char* entrySymbolAt(const QByteArray& names, quint32 offset)
{
    if (offset >= quint64(names.size()))
        return nullptr;
    const char* name = names.constData() + offset;
    const qsizetype room = names.size() - qsizetype(offset);
    for (const char* symbol : BinaryImageInfo::entrySymbols) {
        const size_t length = std::strlen(symbol);
        if (qsizetype(length) < room && std::memcmp(name, symbol, length + 1) == 0)
            return symbol;
    }
    return nullptr;
}

} // namespace

namespace ElfImageReader {

BinaryImageInfo read(BoundedFile& file)
{
    BinaryImageInfo info;
    const QByteArray ident = file.read(0, 16);
    if (ident.size() < 16 || !ident.startsWith("\x7f" "ELF"))
        return info;
    const quint8 elfClass = quint8(ident[4]);
    const quint8 dataOrder = quint8(ident[5]);
    if ((elfClass != 1 && elfClass != 2) || (dataOrder != 1 && dataOrder != 2))
        return info;
    Layout layout;
    layout.wide = elfClass == 2;
    layout.bigEndian = dataOrder == 2;
    const QByteArray header = file.read(0, layout.wide ? 64 : 52);
    if (header.isEmpty())
        return info;
    const ByteFields fields(header, layout.bigEndian);
    const bool wide = layout.wide;

    info.kind = BinaryImageKind::elf;
    info.is64Bit = wide;
    info.isSharedObject = fields.u16(16) == 3;
    info.machine = machineOf(fields.u16(18), wide);
    const Table segments{fields.word(wide ? 32 : 28, wide), fields.u16(wide ? 56 : 44), fields.u16(wide ? 54 : 42)};
    const Table sections{fields.word(wide ? 40 : 32, wide), fields.u16(wide ? 60 : 48), fields.u16(wide ? 58 : 46)};

    const SymbolTable table = readDynamicSymbols(file, layout, sections);
    const ByteFields symbols(table.symbols, layout.bigEndian);
    std::optional<quint64> clapAddress;
    const quint64 count = quint64(table.symbols.size()) / layout.symbolSize();
    for (quint64 i = 0; i < count; ++i) {
        const quint64 at = i * layout.symbolSize();
        const quint8 symbolInfo = symbols.u8(at + (wide ? 4 : 12));
        const quint8 visibility = symbols.u8(at + (wide ? 5 : 13)) & 3;
        const quint16 section = symbols.u16(at + (wide ? 6 : 14));
        const quint8 binding = symbolInfo >> 4;
        const bool global = binding == 1 || binding == 2 || binding == 10;
        if (!global || section == 0 || visibility == 1 || visibility == 2)
            continue;
        const char* symbol = entrySymbolAt(table.names, symbols.u32(at));
        if (!symbol)
            continue;
        info.entryExports.insert(QByteArray(symbol));
        if (std::strcmp(symbol, "clap_entry") == 0)
            clapAddress = symbols.word(at + (wide ? 8 : 4), wide);
    }
    if (clapAddress)
        info.clapVersion = clapVersionAt(file, layout, segments, *clapAddress);
    return info;
}

} // namespace ElfImageReader
