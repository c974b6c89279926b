#pragma once

#include "discovery/BinaryMachine.h"
#include "discovery/ClapVersion.h"

#include <QByteArray>
#include <QSet>
#include <QString>

#include <array>
#include <optional>

enum class BinaryImageKind : quint8 { none, elf, pe, machO };

// What the header of an executable image tells without loading it.
struct BinaryImageInfo {
    // The only exported names worth knowing: the entry points of the plug-in formats.
    static constexpr std::array<const char*, 7> entrySymbols{
        "VSTPluginMain", "main", "clap_entry", "ladspa_descriptor", "GetPluginFactory", "lv2_descriptor",
        "lv2ui_descriptor"};

    BinaryImageKind kind = BinaryImageKind::none;
    BinaryMachine machine = BinaryMachine::unknown;
    bool is64Bit = false;
    bool isSharedObject = false; // ELF ET_DYN, PE with the DLL flag
    QSet<QByteArray> entryExports; // the entrySymbols the image defines and exports
    std::optional<ClapVersion> clapVersion;
    // PE VERSIONINFO strings, empty where absent.
    QString productName;
    QString companyName;
    QString fileVersion;

    [[nodiscard]] bool exports(const char* symbol) const { return entryExports.contains(QByteArray(symbol)); }
};
