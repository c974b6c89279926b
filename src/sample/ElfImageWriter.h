#pragma once

#include "discovery/BinaryMachine.h"
#include "discovery/ClapVersion.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// A small, well-formed ELF image: what the header reader sees of a real shared object.
struct ElfImageSpec {
    BinaryMachine machine = BinaryMachine::x86_64;
    bool is64Bit = true;
    bool bigEndian = false;
    bool sharedObject = true;        // ET_DYN, else ET_EXEC
    QList<QByteArray> exports;       // defined global symbols in .dynsym
    QList<QByteArray> imports;       // undefined symbols in .dynsym
    std::optional<ClapVersion> clapEntry; // adds a defined clap_entry object holding this version
    qint64 padToSize = 0;            // the file grows to this size (sparse tail) when larger
};

namespace ElfImageWriter {
[[nodiscard]] QByteArray image(const ElfImageSpec& shape);
[[nodiscard]] bool write(const QString& filePath, const ElfImageSpec& shape);
} // namespace ElfImageWriter
