#include "discovery/ExecutableArchitecture.h"

#include "model/FilePathBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

PluginArchitecture architectureOfCpuType(quint32 cpuType)
{
    switch (cpuType) {
    case 0x0100000C: return PluginArchitecture::arm64;
    case 0x01000007: return PluginArchitecture::x86_64;
    default: return PluginArchitecture::unknown;
    }
}

quint32 little32(const uchar* bytes)
{
    return quint32(bytes[0]) | quint32(bytes[1]) << 8 | quint32(bytes[2]) << 16 | quint32(bytes[3]) << 24;
}

quint32 big32(const uchar* bytes)
{
    return quint32(bytes[0]) << 24 | quint32(bytes[1]) << 16 | quint32(bytes[2]) << 8 | quint32(bytes[3]);
}

// Fills up to `count` bytes; -1 on a read error.
qsizetype readUpTo(int fd, uchar* buffer, qsizetype count)
{
    qsizetype filled = 0;
    while (filled < count) {
        const ssize_t got = ::read(fd, buffer + filled, size_t(count - filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        filled += got;
    }
    return filled;
}

// The header and, for a universal file, its slice records: all the reader ever looks at.
constexpr qsizetype headerLimit = 8 + 8 * 32;

} // namespace

namespace ExecutableArchitecture {

PluginArchitecture fromHeader(QByteArrayView bytes)
{
    const auto* head = reinterpret_cast<const uchar*>(bytes.data());
    const qsizetype size = bytes.size();
    if (size < 8)
        return PluginArchitecture::unknown;

    const quint32 magic = little32(head);
    if (magic == 0xFEEDFACF || magic == 0xFEEDFACE)
        return architectureOfCpuType(little32(head + 4));
    if (magic == 0xCFFAEDFE || magic == 0xCEFAEDFE)
        return architectureOfCpuType(big32(head + 4));

    const quint32 fatMagic = big32(head);
    if (fatMagic != 0xCAFEBABE && fatMagic != 0xCAFEBABF)
        return PluginArchitecture::unknown;
    const quint32 count = big32(head + 4);
    if (count == 0 || count > 8)
        return PluginArchitecture::unknown;
    const qsizetype stride = fatMagic == 0xCAFEBABE ? 20 : 32;
    if (size < 8 + qsizetype(count) * stride)
        return PluginArchitecture::unknown;

    bool hasArm = false;
    bool hasIntel = false;
    for (quint32 i = 0; i < count; ++i) {
        const PluginArchitecture slice = architectureOfCpuType(big32(head + 8 + qsizetype(i) * stride));
        hasArm = hasArm || slice == PluginArchitecture::arm64;
        hasIntel = hasIntel || slice == PluginArchitecture::x86_64;
    }
    if (hasArm && hasIntel)
        return PluginArchitecture::universal;
    if (hasArm)
        return PluginArchitecture::arm64;
    if (hasIntel)
        return PluginArchitecture::x86_64;
    return PluginArchitecture::unknown;
}

PluginArchitecture read(const QString& executablePath)
{
    // Non-blocking so that a FIFO in place of the executable cannot stall the scan.
    const int fd = ::open(FilePathBytes::encode(executablePath).constData(),
                          O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return PluginArchitecture::unknown;
    uchar head[headerLimit];
    struct stat info {};
    const qsizetype got = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) ? readUpTo(fd, head, headerLimit) : -1;
    ::close(fd);
    if (got < 0)
        return PluginArchitecture::unknown;
    return fromHeader(QByteArrayView(head, got));
}

} // namespace ExecutableArchitecture
