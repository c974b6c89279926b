#include "sample/ElfImageWriter.h"

#include <QFile>

namespace {

quint16 machineNumber(BinaryMachine machine)
{
    switch (machine) {
    case BinaryMachine::i386: return 3;
    case BinaryMachine::powerpc: return 20;
    case BinaryMachine::powerpc64: return 21;
    case BinaryMachine::arm: return 40;
    case BinaryMachine::x86_64: return 62;
    case BinaryMachine::aarch64: return 183;
    case BinaryMachine::riscv64: return 243;
    case BinaryMachine::unknown: break;
    }
    return 0;
}

// Little helper that writes integers of the image's byte order at fixed places.
class Image {
public:
    Image(bool bigEndian, bool wide)
        : m_bigEndian(bigEndian)
        , m_wide(wide)
    {
    }

    QByteArray bytes;

    void put(qsizetype at, quint64 value, int width)
    {
        if (bytes.size() < at + width)
            bytes.resize(at + width, '\0');
        for (int i = 0; i < width; ++i) {
            const int shift = 8 * (m_bigEndian ? width - 1 - i : i);
            bytes[at + i] = char((value >> shift) & 0xFF);
        }
    }
    void word(qsizetype at, quint64 value) { put(at, value, m_wide ? 8 : 4); }
    qsizetype align(int to)
    {
        bytes.resize((bytes.size() + to - 1) / to * to, '\0');
        return bytes.size();
    }

private:
    bool m_bigEndian;
    bool m_wide;
};

constexpr quint64 dataDelta = 0x10000; // the data segment's address is its offset plus this
constexpr quint64 unmappedAddress = 0x7FFF0000;

} // namespace

namespace ElfImageWriter {

QByteArray image(const ElfImageSpec& shape)
{
    const bool wide = shape.is64Bit;
    Image out(shape.bigEndian, wide);
    const qsizetype headerSize = wide ? 64 : 52;
    const qsizetype programHeaderSize = wide ? 56 : 32;
    const qsizetype symbolSize = wide ? 24 : 16;
    const qsizetype sectionHeaderSize = wide ? 64 : 40;

    QList<QByteArray> exports = shape.exports;
    if (shape.clapEntry && !exports.contains("clap_entry"))
        exports.append("clap_entry");

    // .dynstr
    out.bytes.resize(headerSize + 2 * programHeaderSize, '\0');
    const qsizetype namesAt = out.bytes.size();
    out.bytes.append('\0');
    QList<quint32> exportNames, importNames;
    for (const QByteArray& name : exports)
        exportNames.append(quint32(out.bytes.size() - namesAt)), out.bytes.append(name + '\0');
    for (const QByteArray& name : shape.imports)
        importNames.append(quint32(out.bytes.size() - namesAt)), out.bytes.append(name + '\0');
    const qsizetype namesSize = out.bytes.size() - namesAt;

    // Data segment: clap_entry's version, at an address that is not its file offset.
    const qsizetype dataAt = out.align(8);
    const ClapVersion version = shape.clapEntry.value_or(ClapVersion{});
    out.put(dataAt, version.major, 4), out.put(dataAt + 4, version.minor, 4), out.put(dataAt + 8, version.revision, 4);
    const quint64 dataAddress = quint64(dataAt) + dataDelta;

    // .dynsym: the null symbol, then exports (defined in .data), then imports (undefined).
    const qsizetype symbolsAt = out.align(8);
    out.bytes.resize(symbolsAt + symbolSize * (1 + exports.size() + shape.imports.size()), '\0');
    const auto symbol = [&](qsizetype index, quint32 name, quint8 info, quint16 section, quint64 value) {
        const qsizetype at = symbolsAt + index * symbolSize;
        out.put(at, name, 4);
        out.put(at + (wide ? 4 : 12), info, 1);
        out.put(at + (wide ? 6 : 14), section, 2);
        out.word(at + (wide ? 8 : 4), value);
        out.word(at + (wide ? 16 : 8), 12);
    };
    for (qsizetype i = 0; i < exports.size(); ++i) {
        const bool clap = exports[i] == "clap_entry";
        const quint64 value = clap && shape.clapEntry ? dataAddress : unmappedAddress;
        symbol(1 + i, exportNames[i], quint8(1 << 4 | (clap ? 1 : 2)), 3, value);
    }
    for (qsizetype i = 0; i < shape.imports.size(); ++i)
        symbol(1 + exports.size() + i, importNames[i], quint8(1 << 4 | 2), 0, 0);
    const qsizetype symbolsSize = out.bytes.size() - symbolsAt;

    const qsizetype sectionNamesAt = out.bytes.size();
    out.bytes.append(QByteArray("\0.dynstr\0.dynsym\0.data\0.shstrtab\0", 34));
    const qsizetype sectionsAt = out.align(8);
    out.bytes.resize(sectionsAt + 5 * sectionHeaderSize, '\0');
    const auto section = [&](qsizetype index, quint32 name, quint32 type, quint64 address, quint64 offset,
                             quint64 size, quint32 link, quint64 entrySize) {
        const qsizetype at = sectionsAt + index * sectionHeaderSize;
        out.put(at, name, 4);
        out.put(at + 4, type, 4);
        out.word(at + (wide ? 16 : 12), address);
        out.word(at + (wide ? 24 : 16), offset);
        out.word(at + (wide ? 32 : 20), size);
        out.put(at + (wide ? 40 : 24), link, 4);
        out.put(at + (wide ? 44 : 28), link ? 1 : 0, 4);
        out.word(at + (wide ? 56 : 36), entrySize);
    };
    section(1, 1, 3, quint64(namesAt), quint64(namesAt), quint64(namesSize), 0, 0);
    section(2, 9, 11, quint64(symbolsAt), quint64(symbolsAt), quint64(symbolsSize), 1, quint64(symbolSize));
    section(3, 17, 1, dataAddress, quint64(dataAt), 12, 0, 0);
    section(4, 23, 3, 0, quint64(sectionNamesAt), 33, 0, 0);

    // Header and the two PT_LOAD segments: everything up to the data, then the data.
    out.bytes.replace(0, 4, "\x7f" "ELF");
    out.put(4, wide ? 2 : 1, 1), out.put(5, shape.bigEndian ? 2 : 1, 1), out.put(6, 1, 1);
    out.put(16, shape.sharedObject ? 3 : 2, 2);
    out.put(18, machineNumber(shape.machine), 2);
    out.put(20, 1, 4);
    out.word(wide ? 32 : 28, quint64(headerSize));
    out.word(wide ? 40 : 32, quint64(sectionsAt));
    out.put(wide ? 52 : 40, quint64(headerSize), 2);
    out.put(wide ? 54 : 42, quint64(programHeaderSize), 2), out.put(wide ? 56 : 44, 2, 2);
    out.put(wide ? 58 : 46, quint64(sectionHeaderSize), 2), out.put(wide ? 60 : 48, 5, 2);
    out.put(wide ? 62 : 50, 4, 2);
    const auto load = [&](qsizetype index, quint64 offset, quint64 address, quint64 size) {
        const qsizetype at = headerSize + index * programHeaderSize;
        out.put(at, 1, 4);
        out.word(at + (wide ? 8 : 4), offset);
        out.word(at + (wide ? 16 : 8), address);
        out.word(at + (wide ? 24 : 12), address);
        out.word(at + (wide ? 32 : 16), size);
        out.word(at + (wide ? 40 : 20), size);
    };
    load(0, 0, 0, quint64(dataAt));
    load(1, quint64(dataAt), dataAddress, 12);
    return out.bytes;
}

bool write(const QString& filePath, const ElfImageSpec& shape)
{
    const QByteArray bytes = image(shape);
    QFile file(filePath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return false;
    return shape.padToSize <= bytes.size() || file.resize(shape.padToSize);
}

} // namespace ElfImageWriter
