#pragma once

#include "discovery/BinaryMachine.h"
#include "discovery/ClapVersion.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// A small, well-formed PE image: headers, an export directory and a VERSIONINFO resource.
struct PeImageSpec {
    BinaryMachine machine = BinaryMachine::x86_64; // i386, x86_64, arm or aarch64
    bool dll = true;
    QList<QByteArray> exports;
    std::optional<ClapVersion> clapEntry; // adds an exported clap_entry holding this version
    bool versionInfo = false;             // adds VERSIONINFO with the three strings below
    QString productName;
    QString companyName;
    QString fileVersion;
    qint64 padToSize = 0;
};

namespace PeImageWriter {
[[nodiscard]] QByteArray image(const PeImageSpec& shape);
[[nodiscard]] bool write(const QString& filePath, const PeImageSpec& shape);
} // namespace PeImageWriter
