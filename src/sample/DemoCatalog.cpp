#include "sample/DemoCatalog.h"

#include "sample/CuratedBundles.h"
#include "sample/DemoLayout.h"
#include "sample/DemoRandom.h"

#include <QFileInfo>
#include <QSet>
#include <QStringList>

#include <array>

namespace {

using Place = CuratedBundle::Place;
using Weight = CuratedBundle::Weight;

constexpr qint64 megabyte = 1'000'000;
constexpr qint64 day = 24 * 60 * 60;
constexpr qint64 year = 365 * day;
constexpr quint64 curatedStream = 1;
constexpr quint64 generatedStream = 2;

QString placeFolder(Place place) {
    switch (place) {
    case Place::systemAU:
        return DemoLayout::systemPlugIns + QStringLiteral("/Components");
    case Place::systemVST:
        return DemoLayout::systemPlugIns + QStringLiteral("/VST");
    case Place::systemVST3:
        return DemoLayout::systemPlugIns + QStringLiteral("/VST3");
    case Place::systemCLAP:
        return DemoLayout::systemPlugIns + QStringLiteral("/CLAP");
    case Place::systemAAX:
        return DemoLayout::systemAvid;
    case Place::userAU:
        return DemoLayout::userPlugIns + QStringLiteral("/Components");
    case Place::userVST:
        return DemoLayout::userPlugIns + QStringLiteral("/VST");
    case Place::userVST3:
        return DemoLayout::userPlugIns + QStringLiteral("/VST3");
    case Place::userCLAP:
        return DemoLayout::userPlugIns + QStringLiteral("/CLAP");
    case Place::drive:
        return DemoLayout::drive;
    }
    return {};
}

// File counts and logical sizes of real installs: effects are small, sample-based instruments large.
void drawContents(BundleSpec& bundleSpec, Weight weight, DemoRandom& random) {
    switch (weight) {
    case Weight::effect:
        bundleSpec.resourceFiles = int(random.between(8, 60));
        bundleSpec.resourceBytes = random.between(3 * megabyte, 90 * megabyte);
        break;
    case Weight::instrument:
        bundleSpec.resourceFiles = int(random.between(60, 200));
        bundleSpec.resourceBytes = random.between(120 * megabyte, 950 * megabyte);
        break;
    case Weight::library:
        bundleSpec.resourceFiles = int(random.between(150, 300));
        bundleSpec.resourceBytes = random.between(1'200 * megabyte, 7'500 * megabyte);
        break;
    }
}

// The AU version number packs major, minor and patch into one integer.
int componentVersion(const QString& version) {
    const QStringList parts = version.split(u'.');
    int packed = 0;
    for (int i = 0; i < 3; ++i)
        packed = (packed << 8) | (i < parts.size() ? qBound(0, parts[i].toInt(), 255) : 0);
    return packed;
}

QVariantMap audioComponent(const QString& name, const QString& type, const QString& subtype,
                           const QString& manufacturer, const QString& version) {
    return {{QStringLiteral("name"), name},
            {QStringLiteral("description"), name.section(QStringLiteral(": "), -1)},
            {QStringLiteral("factoryFunction"), QStringLiteral("AUFactory")},
            {QStringLiteral("type"), type},
            {QStringLiteral("subtype"), subtype},
            {QStringLiteral("manufacturer"), manufacturer},
            {QStringLiteral("version"), componentVersion(version)},
            {QStringLiteral("sandboxSafe"), true}};
}

QVariantMap baseInfo() {
    return {{QStringLiteral("CFBundleDevelopmentRegion"), QStringLiteral("English")},
            {QStringLiteral("CFBundleInfoDictionaryVersion"), QStringLiteral("6.0")},
            {QStringLiteral("CFBundlePackageType"), QStringLiteral("BNDL")},
            {QStringLiteral("CFBundleSignature"), QStringLiteral("????")},
            {QStringLiteral("LSMinimumSystemVersion"), QStringLiteral("10.13")}};
}

void insertText(QVariantMap& info, const char* key, const char* value) {
    if (value)
        info.insert(QLatin1StringView(key), QString::fromUtf8(value));
}

DemoBundle curatedBundle(const CuratedBundle& row, int index, quint64 seed) {
    DemoRandom random = DemoRandom::forItem(seed, curatedStream, quint64(index));
    DemoBundle bundle;
    BundleSpec& bundleSpec = bundle.bundleSpec;
    bundleSpec.path = placeFolder(row.place) + u'/' + QString::fromUtf8(row.file);
    bundleSpec.writePlist = row.writePlist;
    bundleSpec.binaryPlist = row.binaryPlist;
    bundleSpec.executable = row.executable;
    drawContents(bundleSpec, row.weight, random);

    QVariantMap info = baseInfo();
    insertText(info, "CFBundleName", row.bundleName);
    insertText(info, "CFBundleIdentifier", row.identifier);
    insertText(info, "CFBundleShortVersionString", row.shortVersion);
    insertText(info, "CFBundleVersion", row.bundleVersion);
    insertText(info, "NSHumanReadableCopyright", row.copyright);
    insertText(info, "CFBundleGetInfoString", row.getInfo);
    if (row.executableKey) {
        const QString executable =
            row.bundleName ? QString::fromUtf8(row.bundleName) : QFileInfo(bundleSpec.path).completeBaseName();
        info.insert(QStringLiteral("CFBundleExecutable"), executable);
    }
    if (row.component) {
        const QString version = QString::fromUtf8(row.shortVersion ? row.shortVersion : row.bundleVersion);
        info.insert(QStringLiteral("AudioComponents"),
                    QVariantList{audioComponent(QString::fromUtf8(row.component), QString::fromUtf8(row.type),
                                                QString::fromUtf8(row.subtype),
                                                QString::fromUtf8(row.manufacturer), version)});
    }
    bundleSpec.info = info;

    // A third of the bundles in each of the last three years, so "older than a year" always occurs.
    bundle.ageSeconds = (index % 3) * year + random.between(day, year - day);
    bundle.broken = !row.writePlist || row.executable == ExecutableKind::truncated;
    return bundle;
}

struct GeneratedVendor {
    const char* label;
    const char* name;
    const char* code;
};

constexpr std::array<GeneratedVendor, 20> generatedVendors{{
    {"fabfilter", "FabFilter", "FabF"},
    {"izotope", "iZotope", "iZtp"},
    {"soundtoys", "Soundtoys", "SToy"},
    {"waves", "Waves", "KSWV"},
    {"arturia", "Arturia", "Artu"},
    {"eventide", "Eventide", "Evtd"},
    {"softube", "Softube", "SfTb"},
    {"kilohearts", "Kilohearts", "Khrt"},
    {"meldaproduction", "MeldaProduction", "MeLd"},
    {"klanghelm", "Klanghelm", "Klhm"},
    {"tokyodawn", "Tokyo Dawn Records", "TDRL"},
    {"native-instruments", "Native Instruments", "-NI-"},
    {"spitfireaudio", "Spitfire Audio", "SptF"},
    {"xlnaudio", "XLN Audio", "XLNa"},
    {"cableguys", "Cableguys", "CbGy"},
    {"sonnox", "Sonnox", "Sonx"},
    {"zynaptiq", "Zynaptiq", "Zynq"},
    {"korg", "Korg", "KORG"},
    {"roland", "Roland", "RolD"},
    {"presonus", "PreSonus", "PrSn"},
}};

constexpr std::array<const char*, 15> adjectives{"Vintage",  "Analog",   "Digital", "Tape",    "Tube",
                                                 "Spectral", "Granular", "Modular", "Studio",  "Cosmic",
                                                 "Deep",     "Bright",   "Warm",    "Crystal", "Dark"};
constexpr std::array<const char*, 16> nouns{"Verb",    "Delay",   "Comp",    "EQ",   "Saturator", "Chorus",
                                            "Phaser",  "Flanger", "Limiter", "Gate", "Synth",     "Keys",
                                            "Strings", "Bass",    "Drums",   "Pads"};

struct GeneratedFormat {
    Place place;
    const char* extension;
};

// Weighted like a real machine: many AU and VST3, fewer of the rest; a quarter on the drive.
constexpr std::array<GeneratedFormat, 16> generatedFormats{{
    {Place::systemAU, "component"},
    {Place::systemAU, "component"},
    {Place::systemAU, "component"},
    {Place::systemVST3, "vst3"},
    {Place::systemVST3, "vst3"},
    {Place::systemVST3, "vst3"},
    {Place::systemVST, "vst"},
    {Place::systemCLAP, "clap"},
    {Place::systemAAX, "aaxplugin"},
    {Place::userAU, "component"},
    {Place::userVST3, "vst3"},
    {Place::userCLAP, "clap"},
    {Place::drive, "vst3"},
    {Place::drive, "vst3"},
    {Place::drive, "component"},
    {Place::drive, "vst"},
}};

constexpr std::array<ExecutableKind, 10> generatedExecutables{
    ExecutableKind::universalArmIntel,  ExecutableKind::universalArmIntel, ExecutableKind::universalArmIntel,
    ExecutableKind::universalArmIntel,  ExecutableKind::universalArmIntel, ExecutableKind::thinArm64,
    ExecutableKind::thinArm64,          ExecutableKind::thinX86_64,        ExecutableKind::thinX86_64,
    ExecutableKind::universal64ArmIntel};

template <typename T, std::size_t N> const T& pick(const std::array<T, N>& items, DemoRandom& random) {
    return items[std::size_t(random.between(0, qint64(N) - 1))];
}

DemoBundle generatedBundle(int index, quint64 seed, QSet<QString>& usedPaths) {
    DemoRandom random = DemoRandom::forItem(seed, generatedStream, quint64(index));
    const GeneratedVendor& vendor = pick(generatedVendors, random);
    const GeneratedFormat& format = pick(generatedFormats, random);
    const QString baseName = QStringLiteral("%1 %2").arg(QLatin1StringView(pick(adjectives, random)),
                                                         QLatin1StringView(pick(nouns, random)));
    const QString vendorName = QString::fromUtf8(vendor.name);

    QString folder = placeFolder(format.place);
    if (format.place == Place::drive)
        folder += QStringLiteral("/Plug-Ins/") + vendorName;
    QString product = baseName;
    QString path = QStringLiteral("%1/%2.%3").arg(folder, product, QLatin1StringView(format.extension));
    for (int copy = 2; usedPaths.contains(path); ++copy) {
        product = QStringLiteral("%1 %2").arg(baseName).arg(copy);
        path = QStringLiteral("%1/%2.%3").arg(folder, product, QLatin1StringView(format.extension));
    }
    usedPaths.insert(path);

    DemoBundle bundle;
    BundleSpec& bundleSpec = bundle.bundleSpec;
    bundleSpec.path = path;
    bundleSpec.executable = pick(generatedExecutables, random);
    bundleSpec.binaryPlist = random.percent(20);
    // About a hundred files per bundle on average: the size of the benchmark tree.
    bundleSpec.resourceFiles = int(random.between(50, 150));
    bundleSpec.resourceBytes = random.percent(20) ? random.between(120 * megabyte, 950 * megabyte)
                                            : random.between(3 * megabyte, 90 * megabyte);

    const QString version = QStringLiteral("%1.%2.%3")
                                .arg(random.between(1, 12))
                                .arg(random.between(0, 9))
                                .arg(random.between(0, 20));
    const QString compact = QString(product).remove(u' ');
    QVariantMap info = baseInfo();
    info.insert(QStringLiteral("CFBundleName"), product);
    info.insert(QStringLiteral("CFBundleExecutable"), product);
    info.insert(QStringLiteral("CFBundleIdentifier"),
                QStringLiteral("com.%1.%2").arg(QLatin1StringView(vendor.label), compact));
    info.insert(QStringLiteral("CFBundleShortVersionString"), version);
    info.insert(QStringLiteral("CFBundleVersion"), version);
    info.insert(QStringLiteral("NSHumanReadableCopyright"), QStringLiteral("Copyright © %1").arg(vendorName));
    if (QLatin1StringView(format.extension) == QLatin1StringView("component")) {
        const bool instrument =
            baseName.endsWith(QLatin1StringView("Synth")) || baseName.endsWith(QLatin1StringView("Keys")) ||
            baseName.endsWith(QLatin1StringView("Strings")) || baseName.endsWith(QLatin1StringView("Pads"));
        const QString subtype = compact.left(2) + QString::number(index % 100).rightJustified(2, u'0');
        info.insert(QStringLiteral("AudioComponents"),
                    QVariantList{audioComponent(vendorName + QStringLiteral(": ") + product,
                                                instrument ? QStringLiteral("aumu") : QStringLiteral("aufx"),
                                                subtype, QString::fromUtf8(vendor.code), version)});
    }
    bundleSpec.info = info;
    bundle.ageSeconds = random.between(day, 3 * year);
    return bundle;
}

} // namespace

namespace DemoCatalog {

int curatedCount() {
    return int(CuratedBundles::all().size());
}

QList<DemoBundle> bundles(int count, quint64 seed) {
    QList<DemoBundle> result;
    const auto curated = CuratedBundles::all();
    QSet<QString> usedPaths;
    for (int i = 0; i < count && i < int(curated.size()); ++i) {
        result.append(curatedBundle(curated[std::size_t(i)], i, seed));
        usedPaths.insert(result.last().bundleSpec.path);
    }
    for (int i = int(curated.size()); i < count; ++i)
        result.append(generatedBundle(i, seed, usedPaths));
    return result;
}

} // namespace DemoCatalog
