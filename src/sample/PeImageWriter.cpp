#include "sample/PeImageWriter.h"

#include <QFile>

#include <algorithm>

namespace {

quint16 machineNumber(BinaryMachine machine)
{
    switch (machine) {
    case BinaryMachine::i386: return 0x14c;
    case BinaryMachine::x86_64: return 0x8664;
    case BinaryMachine::aarch64: return 0xAA64;
    case BinaryMachine::arm: return 0x1c4;
    default: return 0;
    }
}

void put(QByteArray& bytes, qsizetype at, quint64 value, int width)
{
    if (bytes.size() < at + width)
        bytes.resize(at + width, '\0');
    for (int i = 0; i < width; ++i)
        bytes[at + i] = char((value >> (8 * i)) & 0xFF);
}

void align(QByteArray& bytes, qsizetype to) { bytes.resize((bytes.size() + to - 1) / to * to, '\0'); }

QByteArray utf16(const QString& text)
{
    QByteArray bytes;
    for (QChar c : text + QChar(0))
        bytes.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    return bytes;
}

// One VERSIONINFO block; `valueLength` is in characters for text, bytes otherwise.
QByteArray versionBlock(const QString& key, const QByteArray& value, quint16 valueLength, bool text,
                        const QList<QByteArray>& children = {})
{
    QByteArray block(6, '\0');
    block += utf16(key);
    align(block, 4);
    block += value;
    for (const QByteArray& child : children) {
        align(block, 4);
        block += child;
    }
    put(block, 0, quint64(block.size()), 2);
    put(block, 2, valueLength, 2);
    put(block, 4, text ? 1 : 0, 2);
    return block;
}

QByteArray versionInfo(const PeImageSpec& shape)
{
    QList<QByteArray> strings;
    for (const auto& [key, value] : {std::pair{"CompanyName", shape.companyName}, std::pair{"FileVersion", shape.fileVersion},
                                     std::pair{"ProductName", shape.productName}})
        strings.append(versionBlock(QString::fromLatin1(key), utf16(value), quint16(value.size() + 1), true));
    QByteArray fixed(52, '\0');
    put(fixed, 0, 0xFEEF04BD, 4);
    put(fixed, 4, 0x10000, 4);
    const QByteArray translation = QByteArray::fromHex("0904b004");
    // VarFileInfo first, as some linkers write it: the reader must skip to StringFileInfo.
    return versionBlock(QStringLiteral("VS_VERSION_INFO"), fixed, 52, false,
                        {versionBlock(QStringLiteral("VarFileInfo"), {}, 0, true,
                                      {versionBlock(QStringLiteral("Translation"), translation, 4, false)}),
                         versionBlock(QStringLiteral("StringFileInfo"), {}, 0, true,
                                      {versionBlock(QStringLiteral("040904B0"), {}, 0, true, strings)})});
}

constexpr quint32 exportsRva = 0x1000;
constexpr qsizetype fileAlignment = 0x200;
constexpr quint32 unmappedRva = 0x90000;

// The export section: directory, address/name/ordinal tables, names, then clap_entry's data.
QByteArray exportSection(const PeImageSpec& shape, quint32* directorySize)
{
    QList<QByteArray> names = shape.exports;
    if (shape.clapEntry && !names.contains("clap_entry"))
        names.append("clap_entry");
    std::sort(names.begin(), names.end());
    const qsizetype count = names.size();
    QByteArray data(40 + count * 10, '\0');
    const qsizetype functions = 40, nameTable = 40 + 4 * count, ordinals = 40 + 8 * count;
    put(data, 12, exportsRva + quint32(data.size()), 4);
    data += "plugin.dll";
    data += '\0';
    put(data, 16, 1, 4);
    put(data, 20, quint64(count), 4), put(data, 24, quint64(count), 4);
    put(data, 28, exportsRva + functions, 4), put(data, 32, exportsRva + nameTable, 4), put(data, 36, exportsRva + ordinals, 4);
    for (qsizetype i = 0; i < count; ++i) {
        put(data, nameTable + 4 * i, exportsRva + quint64(data.size()), 4);
        put(data, ordinals + 2 * i, quint64(i), 2);
        data += names[i] + '\0';
    }
    *directorySize = quint32(data.size());
    align(data, 8);
    const quint32 clapRva = exportsRva + quint32(data.size());
    const ClapVersion version = shape.clapEntry.value_or(ClapVersion{});
    put(data, data.size(), version.major, 4), put(data, data.size(), version.minor, 4), put(data, data.size(), version.revision, 4);
    for (qsizetype i = 0; i < count; ++i)
        put(data, functions + 4 * i, names[i] == "clap_entry" && shape.clapEntry ? clapRva : unmappedRva, 4);
    return data;
}

// The resource section: type 16 / name 1 / language 0x409 / data entry / VERSIONINFO.
QByteArray resourceSection(const PeImageSpec& shape, quint32 rva)
{
    QByteArray data(16 * 3 + 8 * 3 + 16, '\0');
    const auto directory = [&](qsizetype at, quint32 id, quint32 target) {
        put(data, at + 14, 1, 2);
        put(data, at + 16, id, 4);
        put(data, at + 20, target, 4);
    };
    directory(0, 16, 0x80000000u | 24);
    directory(24, 1, 0x80000000u | 48);
    directory(48, 0x409, 72);
    const QByteArray info = versionInfo(shape);
    put(data, 72, rva + 88, 4);
    put(data, 76, quint64(info.size()), 4);
    return data + info;
}

} // namespace

namespace PeImageWriter {

QByteArray image(const PeImageSpec& shape)
{
    const bool wide = shape.machine == BinaryMachine::x86_64 || shape.machine == BinaryMachine::aarch64;
    const qsizetype peAt = 0x80, optionalAt = peAt + 24, optionalSize = wide ? 240 : 224;
    const qsizetype sectionsAt = optionalAt + optionalSize;
    QByteArray out(0x400, '\0');
    out.replace(0, 2, "MZ");
    put(out, 0x3C, quint64(peAt), 4);
    out.replace(peAt, 4, QByteArray("PE\0\0", 4));
    put(out, peAt + 4, machineNumber(shape.machine), 2);
    put(out, peAt + 6, 2, 2);
    put(out, peAt + 20, quint64(optionalSize), 2);
    put(out, peAt + 22, 0x0002 | (wide ? 0x0020 : 0x0100) | (shape.dll ? 0x2000 : 0), 2);
    put(out, optionalAt, wide ? 0x20b : 0x10b, 2);
    put(out, optionalAt + 32, 0x1000, 4), put(out, optionalAt + 36, quint64(fileAlignment), 4);
    put(out, optionalAt + 60, 0x400, 4), put(out, optionalAt + 68, 2, 2);
    const qsizetype directoriesAt = optionalAt + (wide ? 112 : 96);
    put(out, directoriesAt - 4, 16, 4);

    quint32 exportSize = 0;
    QByteArray exports = exportSection(shape, &exportSize);
    const quint32 resourceRva = exportsRva + quint32((exports.size() + 0xFFF) / 0x1000 * 0x1000);
    QByteArray resources = shape.versionInfo ? resourceSection(shape, resourceRva) : QByteArray();
    if (!shape.exports.isEmpty() || shape.clapEntry)
        put(out, directoriesAt, exportsRva, 4), put(out, directoriesAt + 4, exportSize, 4);
    if (shape.versionInfo)
        put(out, directoriesAt + 16, resourceRva, 4), put(out, directoriesAt + 20, quint64(resources.size()), 4);

    const auto section = [&](qsizetype index, const char* name, quint32 rva, const QByteArray& data) {
        const qsizetype at = sectionsAt + 40 * index;
        out.replace(at, qsizetype(qstrlen(name)), name);
        put(out, at + 8, quint64(data.size()), 4);
        put(out, at + 12, rva, 4);
        put(out, at + 16, quint64((data.size() + fileAlignment - 1) / fileAlignment * fileAlignment), 4);
        put(out, at + 20, quint64(out.size()), 4);
        out += data;
        align(out, fileAlignment);
    };
    section(0, ".rdata", exportsRva, exports);
    section(1, ".rsrc", resourceRva, resources);
    put(out, optionalAt + 56, resourceRva + quint64((resources.size() + 0xFFF) / 0x1000 * 0x1000), 4);
    return out;
}

bool write(const QString& filePath, const PeImageSpec& shape)
{
    const QByteArray bytes = image(shape);
    QFile file(filePath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return false;
    return shape.padToSize <= bytes.size() || file.resize(shape.padToSize);
}

} // namespace PeImageWriter
