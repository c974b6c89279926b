#include "discovery/PeImageReader.h"

#include "discovery/BoundedFile.h"
#include "discovery/ByteFields.h"

#include <QSet>

#include <algorithm>
#include <cstring>
#include <functional>

namespace {

constexpr quint64 maxSections = 96; // the Windows loader's own limit
constexpr quint64 maxExportBytes = 1024 * 1024;
constexpr quint64 maxResourceDirectoryBytes = 1024 * 1024;
constexpr quint64 longestEntrySymbol = 17; // ladspa_descriptor
constexpr quint64 maxExportNames = 65536;
constexpr quint64 maxResourceEntries = 4096;
constexpr quint64 maxVersionInfoBytes = 64 * 1024;
constexpr quint32 versionResourceType = 16;

BinaryMachine machineOf(quint16 machine)
{
    switch (machine) {
    case 0x14c: return BinaryMachine::i386;
    case 0x8664: return BinaryMachine::x86_64;
    case 0xAA64: return BinaryMachine::aarch64;
    case 0x1c0:
    case 0x1c4: return BinaryMachine::arm;
    default: return BinaryMachine::unknown;
    }
}

struct Section {
    quint32 virtualAddress = 0;
    quint32 virtualSize = 0;
    quint32 rawSize = 0;
    quint32 rawOffset = 0;
};

// Reads by relative virtual address, through the section that holds the address in the file.
class SectionMap {
public:
    SectionMap(BoundedFile& file, QList<Section> sections)
        : m_file(file)
        , m_sections(std::move(sections))
    {
    }

    // Up to `count` bytes at `rva`, fewer where its section's data ends.
    QByteArray readUpTo(quint32 rva, quint64 count)
    {
        for (const Section& section : m_sections) {
            const quint64 into = quint64(rva) - section.virtualAddress;
            if (rva >= section.virtualAddress && into < section.rawSize)
                return m_file.readUpTo(quint64(section.rawOffset) + into, std::min(count, section.rawSize - into));
        }
        return {};
    }

    // Exactly `count` bytes at `rva`, or empty.
    QByteArray read(quint32 rva, quint64 count)
    {
        const QByteArray bytes = readUpTo(rva, count);
        return quint64(bytes.size()) == count ? bytes : QByteArray();
    }

private:
    BoundedFile& m_file;
    QList<Section> m_sections;
};

struct Directory {
    quint32 rva = 0;
    quint32 size = 0;
};

const char* entrySymbolAt(const QByteArray& data, quint64 at)
{
    if (at >= quint64(data.size()))
        return nullptr;
    const qsizetype room = data.size() - qsizetype(at);
    for (const char* symbol : BinaryImageInfo::entrySymbols) {
        const size_t length = std::strlen(symbol);
        if (qsizetype(length) < room && std::memcmp(data.constData() + at, symbol, length + 1) == 0)
            return symbol;
    }
    return nullptr;
}

void readExports(SectionMap& sections, const Directory& exports, BinaryImageInfo& info)
{
    // Linkers put the tables and names inside the export data's own range: read that once, and
    // anything a hostile file points elsewhere piece by piece.
    const QByteArray window = sections.readUpTo(exports.rva, std::min<quint64>(exports.size, maxExportBytes));
    const auto bytesAt = [&](quint32 rva, quint64 count) {
        const quint64 into = quint64(rva) - exports.rva;
        if (rva >= exports.rva && into < quint64(window.size()) && count <= quint64(window.size()) - into)
            return window.sliced(qsizetype(into), qsizetype(count));
        return sections.readUpTo(rva, count);
    };
    const QByteArray directory = bytesAt(exports.rva, 40);
    const ByteFields fields(directory, false);
    const quint32 functionCount = fields.u32(20);
    const quint64 nameCount = std::min<quint64>(fields.u32(24), maxExportNames);
    const quint32 functions = fields.u32(28);
    const quint32 names = fields.u32(32);
    const quint32 ordinals = fields.u32(36);
    if (fields.failed() || nameCount == 0)
        return;
    const QByteArray nameTableBytes = bytesAt(names, 4 * nameCount);
    const QByteArray ordinalTableBytes = bytesAt(ordinals, 2 * nameCount);
    const ByteFields nameTable(nameTableBytes, false);
    const ByteFields ordinalTable(ordinalTableBytes, false);
    for (quint64 i = 0; i < nameCount; ++i) {
        const quint32 nameRva = nameTable.u32(4 * i);
        if (nameTable.failed())
            break;
        const char* symbol = entrySymbolAt(bytesAt(nameRva, longestEntrySymbol + 1), 0);
        if (!symbol)
            continue;
        info.entryExports.insert(QByteArray(symbol));
        if (std::strcmp(symbol, "clap_entry") != 0)
            continue;
        const quint16 ordinal = ordinalTable.u16(2 * i);
        if (ordinalTable.failed() || ordinal >= functionCount)
            continue;
        const QByteArray address = sections.read(functions + 4 * quint32(ordinal), 4);
        const quint32 target = address.isEmpty() ? 0 : ByteFields(address, false).u32(0);
        // An address inside the export directory forwards to another DLL: no data here.
        if (target == 0 || (target >= exports.rva && target - exports.rva < exports.size))
            continue;
        const QByteArray version = sections.read(target, 12);
        if (!version.isEmpty()) {
            const ByteFields v(version, false);
            info.clapVersion = ClapVersion{v.u32(0), v.u32(4), v.u32(8)};
        }
    }
}

// The text of a UTF-16 string in `block` from `at`, up to its NUL or the end.
QString utf16At(QByteArrayView block, qsizetype at, qsizetype* end = nullptr)
{
    QString text;
    qsizetype i = at;
    for (; i + 1 < block.size(); i += 2) {
        const char16_t unit = char16_t(quint8(block[i]) | quint8(block[i + 1]) << 8);
        if (unit == 0)
            break;
        text += QChar(unit);
    }
    if (end)
        *end = i + 2;
    return text;
}

constexpr qsizetype align4(qsizetype value) { return (value + 3) & ~qsizetype(3); }

// One VERSIONINFO block: its key, its value bytes and its children's bytes.
struct VersionBlock {
    QString key;
    QByteArrayView value;
    QByteArrayView children;
};

std::optional<VersionBlock> versionBlock(QByteArrayView bytes)
{
    const ByteFields fields(bytes, false);
    const quint16 length = fields.u16(0);
    const quint16 valueLength = fields.u16(2);
    const quint16 type = fields.u16(4);
    if (fields.failed() || length < 6 || length > bytes.size())
        return std::nullopt;
    const QByteArrayView block = bytes.first(length);
    qsizetype keyEnd = 0;
    VersionBlock result{utf16At(block, 6, &keyEnd), {}, {}};
    const qsizetype valueStart = std::min(align4(keyEnd), block.size());
    // Text values count in characters, binary ones in bytes; writers disagree, so a text value
    // (a leaf: it has no children) runs to its NUL within the block.
    const qsizetype rest = block.size() - valueStart;
    const qsizetype valueBytes = valueLength == 0 ? 0 : type == 1 ? rest : std::min<qsizetype>(valueLength, rest);
    result.value = block.sliced(valueStart, valueBytes);
    const qsizetype childrenStart = std::min(align4(valueStart + valueBytes), block.size());
    result.children = block.sliced(childrenStart);
    return result;
}

QList<VersionBlock> childBlocks(QByteArrayView children)
{
    QList<VersionBlock> blocks;
    qsizetype at = 0;
    while (at + 6 <= children.size() && blocks.size() < 256) {
        const std::optional<VersionBlock> block = versionBlock(children.sliced(at));
        if (!block)
            break;
        blocks.append(*block);
        at += align4(ByteFields(children.sliced(at), false).u16(0));
    }
    return blocks;
}

void readVersionStrings(QByteArrayView resource, BinaryImageInfo& info)
{
    const std::optional<VersionBlock> root = versionBlock(resource);
    if (!root || root->key != u"VS_VERSION_INFO")
        return;
    for (const VersionBlock& fileInfo : childBlocks(root->children)) {
        if (fileInfo.key != u"StringFileInfo")
            continue;
        const QList<VersionBlock> tables = childBlocks(fileInfo.children);
        if (tables.isEmpty())
            return;
        // US English when the file carries several languages, else the first.
        auto table = std::find_if(tables.begin(), tables.end(),
                                  [](const VersionBlock& t) { return t.key.startsWith(u"0409"); });
        if (table == tables.end())
            table = tables.begin();
        for (const VersionBlock& string : childBlocks(table->children)) {
            QString* field = string.key == u"ProductName" ? &info.productName
                : string.key == u"CompanyName"            ? &info.companyName
                : string.key == u"FileVersion"            ? &info.fileVersion
                                                          : nullptr;
            if (field && field->isEmpty())
                *field = utf16At(string.value, 0).trimmed();
        }
        return;
    }
}

class ResourceTree {
public:
    ResourceTree(const QByteArray& data, quint64 base)
        : m_fields(data, false)
        , m_base(base)
    {
    }

    // The target of the first entry of the directory at `offset` that `accept`s its id and
    // whose kind (subdirectory or leaf) is the one asked for.
    std::optional<quint32> find(quint32 offset, bool subdirectory, const std::function<bool(quint32)>& accept)
    {
        if (m_visited.contains(offset))
            return std::nullopt;
        m_visited.insert(offset);
        const quint64 at = m_base + offset;
        const quint64 count = std::min<quint64>(quint64(m_fields.u16(at + 12)) + m_fields.u16(at + 14), maxResourceEntries);
        for (quint64 i = 0; i < count; ++i) {
            const quint32 id = m_fields.u32(at + 16 + 8 * i);
            const quint32 target = m_fields.u32(at + 20 + 8 * i);
            if (m_fields.failed())
                return std::nullopt;
            if (bool(target & 0x80000000u) == subdirectory && accept(id))
                return target & 0x7FFFFFFFu;
        }
        return std::nullopt;
    }

    std::optional<Directory> leaf(quint32 offset) const
    {
        const Directory data{m_fields.u32(m_base + offset), m_fields.u32(m_base + offset + 4)};
        return m_fields.failed() ? std::nullopt : std::optional(data);
    }

private:
    ByteFields m_fields;
    quint64 m_base = 0;
    QSet<quint32> m_visited;
};

void readVersionInfo(SectionMap& sections, const Directory& resources, BinaryImageInfo& info)
{
    // The directories come first in the resource data, before the (possibly large) resources.
    const QByteArray directories = sections.readUpTo(resources.rva, std::min<quint64>(resources.size, maxResourceDirectoryBytes));
    ResourceTree tree(directories, 0);
    const auto any = [](quint32) { return true; };
    const std::optional<quint32> type = tree.find(0, true, [](quint32 id) { return id == versionResourceType; });
    const std::optional<quint32> name = type ? tree.find(*type, true, any) : std::nullopt;
    const std::optional<quint32> language = name ? tree.find(*name, false, any) : std::nullopt;
    const std::optional<Directory> leaf = language ? tree.leaf(*language) : std::nullopt;
    if (!leaf || leaf->size == 0)
        return;
    const QByteArray resource = sections.read(leaf->rva, std::min<quint64>(leaf->size, maxVersionInfoBytes));
    readVersionStrings(resource, info);
}

} // namespace

namespace PeImageReader {

BinaryImageInfo read(BoundedFile& file)
{
    BinaryImageInfo info;
    const QByteArray dos = file.read(0, 64);
    if (!dos.startsWith("MZ"))
        return info;
    const quint32 peOffset = ByteFields(dos, false).u32(0x3C);
    const QByteArray coff = file.read(peOffset, 24);
    if (!coff.startsWith(QByteArrayView("PE\0\0", 4)))
        return info;
    const ByteFields header(coff, false);
    const quint16 machine = header.u16(4);
    const quint64 sectionCount = header.u16(6);
    const quint16 optionalSize = header.u16(20);
    const quint16 characteristics = header.u16(22);
    const QByteArray optional = file.read(quint64(peOffset) + 24, optionalSize);
    const ByteFields optionalFields(optional, false);
    const quint16 magic = optionalFields.u16(0);
    if (magic != 0x10b && magic != 0x20b)
        return info;

    info.kind = BinaryImageKind::pe;
    info.machine = machineOf(machine);
    info.is64Bit = magic == 0x20b;
    info.isSharedObject = characteristics & 0x2000;

    const quint64 directoriesAt = info.is64Bit ? 112 : 96;
    const quint64 directoryCount = std::min<quint64>(optionalFields.u32(directoriesAt - 4), 16);
    const auto directory = [&](quint64 index) {
        if (index >= directoryCount)
            return Directory{};
        const Directory entry{optionalFields.u32(directoriesAt + 8 * index), optionalFields.u32(directoriesAt + 8 * index + 4)};
        return optionalFields.failed() ? Directory{} : entry;
    };
    const Directory exports = directory(0);
    const Directory resources = directory(2);

    QList<Section> sectionList;
    if (sectionCount <= maxSections && sectionCount > 0) {
        const QByteArray table = file.read(quint64(peOffset) + 24 + optionalSize, sectionCount * 40);
        const ByteFields fields(table, false);
        for (quint64 i = 0; i < sectionCount && !table.isEmpty(); ++i)
            sectionList.append({fields.u32(40 * i + 12), fields.u32(40 * i + 8), fields.u32(40 * i + 16), fields.u32(40 * i + 20)});
    }
    SectionMap sections(file, sectionList);
    if (exports.rva != 0)
        readExports(sections, exports, info);
    if (resources.rva != 0)
        readVersionInfo(sections, resources, info);
    return info;
}

} // namespace PeImageReader
