#include "sample/DemoContent.h"

#include "sample/BundleWriter.h"
#include "sample/DemoLayout.h"
#include "sample/DemoRandom.h"
#include "sample/DemoStamps.h"

#include <QDir>
#include <QFile>

#include <array>

namespace {

constexpr qint64 megabyte = 1'000'000;
constexpr qint64 day = 24 * 60 * 60;
constexpr quint64 contentStream = 3;

enum class Kind { kontakt, spitfire, wave, soundbank };

struct Library {
    const char* folder; // relative to the samples drive
    Kind kind;
    int sampleFiles;
    qint64 averageSampleBytes;
};

const std::array<Library, 15> libraries{{
    {"Native Instruments/Kontakt Factory Library 2", Kind::kontakt, 60, 90 * megabyte},
    {"Native Instruments/Felt Keys", Kind::kontakt, 24, 120 * megabyte},
    {"Native Instruments/Drum Lab", Kind::kontakt, 30, 40 * megabyte},
    {"Spitfire Audio/Studio Strings", Kind::spitfire, 40, 250 * megabyte},
    {"Spitfire Audio/Chamber Winds", Kind::spitfire, 30, 200 * megabyte},
    {"Spitfire Audio/Cinematic Percussion", Kind::spitfire, 24, 150 * megabyte},
    {"Heavyocity/Damage Drums", Kind::kontakt, 20, 80 * megabyte},
    {"Heavyocity/Gravity Pads", Kind::kontakt, 16, 60 * megabyte},
    {"Kontakt Libraries/Vintage Organs", Kind::kontakt, 18, 70 * megabyte},
    {"Kontakt Libraries/Choir Ensembles", Kind::kontakt, 22, 110 * megabyte},
    {"Orchestral Tools/Symphonic Winds", Kind::wave, 36, 180 * megabyte},
    {"Toontrack/Drum Core", Kind::wave, 28, 90 * megabyte},
    {"UVI Soundbanks/Retro Synths", Kind::soundbank, 6, 400 * megabyte},
    {"Field Recordings - 2021/Rain", Kind::wave, 12, 30 * megabyte},
    {"Field Recordings - 2021/City", Kind::wave, 10, 30 * megabyte},
}};

struct FileKind {
    const char* subfolder;
    const char* extension;
};

// Where a library keeps its patches and its samples, by the kind of player it is made for.
std::array<FileKind, 2> layoutFor(Kind kind) {
    switch (kind) {
    case Kind::kontakt:
        return {{{"Instruments", "nki"}, {"Samples", "ncw"}}};
    case Kind::spitfire:
        return {{{"Patches", "nki"}, {"Samples", "nkx"}}};
    case Kind::wave:
        return {{{"Presets", "fxp"}, {"Samples", "wav"}}};
    case Kind::soundbank:
        return {{{"Presets", "uvip"}, {"Soundbanks", "ufs"}}};
    }
    return {};
}

bool writeLibrary(const QString& drive, const Library& library, int index, quint64 seed, DemoStamps& stamps) {
    DemoRandom random = DemoRandom::forItem(seed, contentStream, quint64(index));
    const QString folder = drive + u'/' + QString::fromUtf8(library.folder);
    const QString name = folder.section(u'/', -1);
    const auto layout = layoutFor(library.kind);
    const QString presets = folder + u'/' + QLatin1StringView(layout[0].subfolder);
    const QString samples = folder + u'/' + QLatin1StringView(layout[1].subfolder);
    if (!QDir().mkpath(presets) || !QDir().mkpath(samples))
        return false;

    const int presetCount = qMax(2, library.sampleFiles / 4);
    for (int i = 1; i <= presetCount; ++i) {
        const QString file = QStringLiteral("%1/%2 %3.%4")
                                 .arg(presets, name)
                                 .arg(i, 2, 10, QLatin1Char('0'))
                                 .arg(QLatin1StringView(layout[0].extension));
        if (!BundleWriter::writeSparseFile(file, random.between(150'000, 2'500'000)))
            return false;
    }
    for (int i = 1; i <= library.sampleFiles; ++i) {
        const QString file = QStringLiteral("%1/%2 %3.%4")
                                 .arg(samples, name)
                                 .arg(i, 3, 10, QLatin1Char('0'))
                                 .arg(QLatin1StringView(layout[1].extension));
        const qint64 size =
            random.between(library.averageSampleBytes / 2, library.averageSampleBytes * 3 / 2);
        if (!BundleWriter::writeSparseFile(file, size))
            return false;
    }
    stamps.set(DemoLayout::samples + u'/' + QString::fromUtf8(library.folder),
               random.between(7 * day, 3 * 365 * day));
    return true;
}

bool writeSmallFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return QDir().mkpath(path.section(u'/', 0, -2)) && file.open(QIODevice::WriteOnly) &&
           file.write(bytes) == bytes.size();
}

// What installers, the player and the operating system leave beside the libraries.
bool writeClutter(const QString& drive) {
    return writeSmallFile(drive + QStringLiteral("/Native Instruments/installed_products/Felt Keys.json"),
                          "{\"product\":\"Felt Keys\",\"version\":\"1.2.0\"}\n") &&
           QDir().mkpath(drive + QStringLiteral("/Cache")) &&
           BundleWriter::writeSparseFile(drive + QStringLiteral("/Cache/Waveforms.db"), 48 * megabyte) &&
           writeSmallFile(drive + QStringLiteral("/.Spotlight-V100/Store-V2/store.db"),
                          QByteArray(4096, '\0')) &&
           writeSmallFile(drive + QStringLiteral("/Read Me.txt"),
                          "Sample libraries. Keep the folder names as the installers made them.\n");
}

} // namespace

namespace DemoContent {

int write(const QString& root, quint64 seed, DemoStamps& stamps) {
    const QString drive = root + u'/' + DemoLayout::samples;
    for (std::size_t i = 0; i < libraries.size(); ++i) {
        if (!writeLibrary(drive, libraries[i], int(i), seed, stamps))
            return -1;
    }
    return writeClutter(drive) ? int(libraries.size()) : -1;
}

} // namespace DemoContent
