#include "sample/BundleWriter.h"

#include "model/FilePathBytes.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <plist/plist.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>

namespace {

constexpr quint32 cpuTypeI386 = 7;
constexpr quint32 cpuTypeX86_64 = 0x01000007;
constexpr quint32 cpuTypeArm64 = 0x0100000C;
constexpr quint32 cpuSubtypeAll = 0;
constexpr quint32 cpuSubtypeX86All = 3;
constexpr quint32 fileTypeBundle = 8;     // MH_BUNDLE: how plug-in executables are linked
constexpr qint64 sliceAlignment = 0x4000; // 2^14, the arm64 page size
constexpr qint64 sliceSize = 96 * 1024;   // small but plausible code size per architecture
constexpr int plistDepthLimit = 64;

void appendLittle32(QByteArray& out, quint32 value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.append(char((value >> shift) & 0xFF));
}

void appendBig32(QByteArray& out, quint32 value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.append(char((value >> shift) & 0xFF));
}

void appendBig64(QByteArray& out, quint64 value)
{
    appendBig32(out, quint32(value >> 32));
    appendBig32(out, quint32(value & 0xFFFFFFFF));
}

quint32 subtypeFor(quint32 cpuType)
{
    return cpuType == cpuTypeArm64 ? cpuSubtypeAll : cpuSubtypeX86All;
}

// mach_header(_64) with a few load commands' worth of plausible sizes.
QByteArray thinHeader(quint32 cpuType, bool is64, bool bigEndian)
{
    QByteArray out;
    auto put = [&](quint32 value) { bigEndian ? appendBig32(out, value) : appendLittle32(out, value); };
    put(is64 ? 0xFEEDFACF : 0xFEEDFACE);
    put(cpuType);
    put(subtypeFor(cpuType));
    put(fileTypeBundle);
    put(18);         // ncmds
    put(2'136);      // sizeofcmds
    put(0x00218085); // the flags a linker typically sets on a bundle
    if (is64)
        put(0); // reserved
    return out;
}

struct Chunk {
    qint64 offset;
    QByteArray bytes;
};

struct Image {
    QList<Chunk> chunks;
    qint64 size = 0;
};

Image universalImage(const QList<quint32>& cpuTypes, bool records64)
{
    QByteArray header;
    appendBig32(header, records64 ? 0xCAFEBABF : 0xCAFEBABE);
    appendBig32(header, quint32(cpuTypes.size()));
    Image image;
    qint64 offset = sliceAlignment;
    for (quint32 cpuType : cpuTypes) {
        appendBig32(header, cpuType);
        appendBig32(header, subtypeFor(cpuType));
        if (records64) {
            appendBig64(header, quint64(offset));
            appendBig64(header, quint64(sliceSize));
            appendBig32(header, 14);
            appendBig32(header, 0); // reserved
        } else {
            appendBig32(header, quint32(offset));
            appendBig32(header, quint32(sliceSize));
            appendBig32(header, 14);
        }
        image.chunks.append({offset, thinHeader(cpuType, cpuType != cpuTypeI386, false)});
        offset += sliceSize;
        offset = (offset + sliceAlignment - 1) / sliceAlignment * sliceAlignment;
    }
    image.chunks.prepend({0, header});
    image.size = offset;
    return image;
}

Image thinImage(const QByteArray& header)
{
    return {{{0, header}}, sliceSize};
}

Image executableImage(ExecutableKind kind)
{
    switch (kind) {
    case ExecutableKind::thinArm64: return thinImage(thinHeader(cpuTypeArm64, true, false));
    case ExecutableKind::thinX86_64: return thinImage(thinHeader(cpuTypeX86_64, true, false));
    case ExecutableKind::thinArm64BigEndian: return thinImage(thinHeader(cpuTypeArm64, true, true));
    case ExecutableKind::universalArmIntel: return universalImage({cpuTypeArm64, cpuTypeX86_64}, false);
    case ExecutableKind::universalIntelI386: return universalImage({cpuTypeX86_64, cpuTypeI386}, false);
    case ExecutableKind::universal64ArmIntel: return universalImage({cpuTypeArm64, cpuTypeX86_64}, true);
    case ExecutableKind::thin32: return thinImage(thinHeader(cpuTypeI386, false, false));
    case ExecutableKind::shellScript: {
        const QByteArray script = "#!/bin/sh\necho \"This plug-in cannot run on its own.\"\nexit 1\n";
        return {{{0, script}}, script.size()};
    }
    case ExecutableKind::truncated: return {{{0, QByteArray("\xCF\xFA\xED", 3)}}, 3};
    case ExecutableKind::missing: break;
    }
    return {};
}

// Owns a libplist node until released into a parent.
struct PlistFree {
    void operator()(void* node) const { plist_free(static_cast<plist_t>(node)); }
};
using PlistPtr = std::unique_ptr<void, PlistFree>;

PlistPtr toPlist(const QVariant& value, int depth);

PlistPtr dictionaryToPlist(const QVariantMap& map, int depth)
{
    PlistPtr dict(plist_new_dict());
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        PlistPtr item = toPlist(it.value(), depth + 1);
        if (!item)
            return {};
        plist_dict_set_item(dict.get(), it.key().toUtf8().constData(), item.release());
    }
    return dict;
}

PlistPtr toPlist(const QVariant& value, int depth)
{
    if (depth > plistDepthLimit)
        return {};
    switch (value.typeId()) {
    case QMetaType::QString: return PlistPtr(plist_new_string(value.toString().toUtf8().constData()));
    case QMetaType::Bool: return PlistPtr(plist_new_bool(value.toBool() ? 1 : 0));
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: return PlistPtr(plist_new_uint(value.toULongLong()));
    case QMetaType::Double: return PlistPtr(plist_new_real(value.toDouble()));
    case QMetaType::QByteArray: {
        const QByteArray data = value.toByteArray();
        return PlistPtr(plist_new_data(data.constData(), quint64(data.size())));
    }
    case QMetaType::QDateTime: {
        // Property-list dates count from 2001-01-01 UTC.
        static const QDateTime reference(QDate(2001, 1, 1), QTime(0, 0), Qt::UTC);
        const qint64 ms = reference.msecsTo(value.toDateTime());
        return PlistPtr(plist_new_date(int32_t(ms / 1000), int32_t((ms % 1000) * 1000)));
    }
    case QMetaType::QStringList:
    case QMetaType::QVariantList: {
        PlistPtr array(plist_new_array());
        for (const QVariant& element : value.toList()) {
            PlistPtr item = toPlist(element, depth + 1);
            if (!item)
                return {};
            plist_array_append_item(array.get(), item.release());
        }
        return array;
    }
    case QMetaType::QVariantMap: return dictionaryToPlist(value.toMap(), depth);
    default: return {};
    }
}

bool writeAll(int fd, const char* data, qint64 size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size_t(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

bool writeImage(const QString& filePath, const Image& image, mode_t mode)
{
    const int fd =
        ::open(FilePathBytes::encode(filePath).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (fd < 0)
        return false;
    bool ok = true;
    for (const Chunk& chunk : image.chunks) {
        ok = ok && ::lseek(fd, off_t(chunk.offset), SEEK_SET) == off_t(chunk.offset) &&
             writeAll(fd, chunk.bytes.constData(), chunk.bytes.size());
    }
    // Extending past the written bytes leaves a hole: realistic sizes without writing them.
    ok = ok && ::ftruncate(fd, off_t(image.size)) == 0;
    return ::close(fd) == 0 && ok;
}

} // namespace

namespace BundleWriter {

QByteArray executableHeader(ExecutableKind kind)
{
    const Image image = executableImage(kind);
    return image.chunks.isEmpty() ? QByteArray() : image.chunks.first().bytes;
}

bool writePropertyList(const QString& filePath, const QVariantMap& dictionary, bool binary)
{
    PlistPtr root = dictionaryToPlist(dictionary, 0);
    if (!root)
        return false;
    char* bytes = nullptr;
    uint32_t length = 0;
    if (binary)
        plist_to_bin(root.get(), &bytes, &length);
    else
        plist_to_xml(root.get(), &bytes, &length);
    if (!bytes)
        return false;
    const QByteArray data(bytes, qsizetype(length));
    binary ? plist_to_bin_free(bytes) : plist_to_xml_free(bytes);

    QFile file(filePath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const bool written = file.write(data) == data.size();
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

bool writeSparseFile(const QString& filePath, qint64 size)
{
    if (size < 0)
        return false;
    return writeImage(filePath, Image{{}, size}, 0644);
}

bool writeSparseFiles(const QString& folder, const QString& pattern, int digits, int count, qint64 totalBytes)
{
    for (int i = 0; i < count; ++i) {
        const qint64 size = totalBytes / count + (i == 0 ? totalBytes % count : 0);
        if (!writeSparseFile(pattern.arg(folder).arg(i + 1, digits, 10, QLatin1Char('0')), size))
            return false;
    }
    return true;
}

bool write(const BundleSpec& bundleSpec)
{
    const QString contents = bundleSpec.path + QStringLiteral("/Contents");
    if (!QDir().mkpath(contents))
        return false;
    if (bundleSpec.writePlist &&
        !writePropertyList(contents + QStringLiteral("/Info.plist"), bundleSpec.info, bundleSpec.binaryPlist))
        return false;

    const QString executableName = bundleSpec.info.value(QStringLiteral("CFBundleExecutable")).toString();
    if (!executableName.isEmpty() && bundleSpec.executable != ExecutableKind::missing) {
        const QString macOS = contents + QStringLiteral("/MacOS");
        if (!QDir().mkpath(macOS) ||
            !writeImage(macOS + u'/' + executableName, executableImage(bundleSpec.executable), 0755))
            return false;
    }

    if (bundleSpec.resourceFiles > 0) {
        const QString resources = contents + QStringLiteral("/Resources");
        if (!QDir().mkpath(resources))
            return false;
        if (!writeSparseFiles(resources, QStringLiteral("%1/Resource %2.dat"), 3, bundleSpec.resourceFiles,
                              bundleSpec.resourceBytes))
            return false;
    }
    return true;
}

} // namespace BundleWriter
