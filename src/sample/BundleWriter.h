#pragma once

#include <QString>
#include <QVariantMap>

// Writes plug-in bundles as they appear on a macOS disk, for the sample library and the tests.
enum class ExecutableKind {
    thinArm64,             // 64-bit thin header, little-endian, arm64
    thinX86_64,            // 64-bit thin header, little-endian, x86_64
    thinArm64BigEndian,    // 64-bit thin header written big-endian
    universalArmIntel,     // 0xCAFEBABE, arm64 + x86_64 slices
    universalIntelI386,    // 0xCAFEBABE, x86_64 + i386 slices
    universal64ArmIntel,   // 0xCAFEBABF (32-byte records), arm64 + x86_64
    thin32,                // 32-bit header
    shellScript,           // "#!/bin/sh" text
    truncated,             // 3 bytes of a header
    missing,               // CFBundleExecutable named, file absent
};

struct BundleSpec {
    QString path;              // bundle directory to create, e.g. ".../Pro-Q 3.vst3"
    QVariantMap info;          // Info.plist: QString, QStringList/QVariantList, QVariantMap, int, bool values
    bool writePlist = true;    // false: a broken bundle without Contents/Info.plist
    bool binaryPlist = false;  // binary instead of XML property list
    ExecutableKind executable = ExecutableKind::thinArm64; // written to Contents/MacOS/<CFBundleExecutable>
    int resourceFiles = 0;     // files in Contents/Resources
    qint64 resourceBytes = 0;  // their total logical size (sparse files, quick to write)
};

namespace BundleWriter {
// The first bytes of an executable of the given kind (empty for `missing`).
QByteArray executableHeader(ExecutableKind kind);
[[nodiscard]] bool writePropertyList(const QString& filePath, const QVariantMap& dictionary, bool binary);
// Creates the bundle folder and its contents; false when anything could not be written.
[[nodiscard]] bool write(const BundleSpec& bundleSpec);
// A sparse file of the given logical size.
[[nodiscard]] bool writeSparseFile(const QString& filePath, qint64 size);
// `count` sparse files sharing `totalBytes` (the first takes the remainder), each named by
// `pattern` with %1 the folder and %2 its number from 1, zero-padded to `digits`.
[[nodiscard]] bool writeSparseFiles(const QString& folder, const QString& pattern, int digits, int count,
                                    qint64 totalBytes);
} // namespace BundleWriter
