#include "sample/LinuxDemoTree.h"

#include "model/FilePathBytes.h"
#include "sample/DemoLayout.h"
#include "sample/DemoRandom.h"
#include "sample/DemoStamps.h"
#include "sample/Vst3BundleWriter.h"

#include <QDir>
#include <QFileInfo>

#include <unistd.h>

#include <array>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 kilobyte = 1'000;
constexpr qint64 megabyte = 1'000'000;
constexpr qint64 day = 24 * 60 * 60;
constexpr qint64 year = 365 * day;
constexpr quint64 fixedStream = 3;
constexpr quint64 generatedStream = 4;
constexpr quint64 lv2Stream = 5;

const QString systemLib = u"usr/lib"_s;
const QString localLib = u"usr/local/lib"_s;
const QString multiarchLib = u"usr/lib/x86_64-linux-gnu"_s;
const QString home = DemoLayout::home;
const QString drive = DemoLayout::home + u"/.wine/drive_c"_s;
const QString programs = drive + u"/Program Files"_s;
const QString programs32 = drive + u"/Program Files (x86)"_s;

// Real libraries import the C library; the header reader must look past these.
const QList<QByteArray> imports{"free", "malloc", "memcpy", "pthread_create"};

ElfImageSpec elf(const QList<QByteArray>& exports, qint64 size, BinaryMachine machine = BinaryMachine::x86_64)
{
    ElfImageSpec shape;
    shape.machine = machine;
    shape.is64Bit = machine != BinaryMachine::i386 && machine != BinaryMachine::arm;
    shape.exports = exports;
    shape.imports = imports;
    shape.padToSize = size;
    return shape;
}

ElfImageSpec clapElf(ClapVersion version, qint64 size)
{
    ElfImageSpec shape = elf({}, size);
    shape.clapEntry = version;
    return shape;
}

PeImageSpec pe(const QList<QByteArray>& exports, qint64 size, const QString& product = {}, const QString& company = {},
               const QString& version = {}, BinaryMachine machine = BinaryMachine::x86_64)
{
    PeImageSpec shape;
    shape.machine = machine;
    shape.exports = exports;
    shape.versionInfo = !product.isEmpty();
    shape.productName = product;
    shape.companyName = company;
    shape.fileVersion = version;
    shape.padToSize = size;
    return shape;
}

const QList<QByteArray> vst2Exports{"VSTPluginMain", "main"};
const QList<QByteArray> vst3LinuxExports{"GetPluginFactory", "ModuleEntry", "ModuleExit"};
const QList<QByteArray> vst3WindowsExports{"GetPluginFactory", "InitDll", "ExitDll"};

// Writes under the root, stamps every plug-in with its own age and counts them.
class TreeWriter {
public:
    TreeWriter(const QString& root, DemoStamps& stamps, quint64 seed, quint64 stream)
        : m_root(root), m_stamps(stamps), m_seed(seed), m_stream(stream)
    {
    }

    QString path(const QString& relative) const { return m_root + u'/' + relative; }

    bool lv2(const QString& folder, Lv2BundleSpec bundleSpec)
    {
        const QString relative = folder + u'/' + bundleSpec.path;
        bundleSpec.path = path(relative);
        return Lv2BundleWriter::write(bundleSpec) && counted(relative, bundleSpec.kind == Lv2BundleSpec::Kind::plugins);
    }

    bool vst3(const QString& folder, Vst3BundleSpec bundleSpec)
    {
        const QString relative = folder + u'/' + bundleSpec.path;
        bundleSpec.path = path(relative);
        return Vst3BundleWriter::write(bundleSpec) && counted(relative, true);
    }

    bool elfFile(const QString& relative, const ElfImageSpec& shape, bool plugin = true)
    {
        return QDir().mkpath(QFileInfo(path(relative)).path()) && ElfImageWriter::write(path(relative), shape) &&
               counted(relative, plugin);
    }

    bool peFile(const QString& relative, const PeImageSpec& shape, bool plugin = true)
    {
        return QDir().mkpath(QFileInfo(path(relative)).path()) && PeImageWriter::write(path(relative), shape) &&
               counted(relative, plugin);
    }

    bool link(const QString& target, const QString& relative)
    {
        return QDir().mkpath(QFileInfo(path(relative)).path()) &&
               ::symlink(FilePathBytes::encode(target).constData(), FilePathBytes::encode(path(relative)).constData()) == 0;
    }

    int bundles() const { return m_bundles; }

private:
    bool counted(const QString& relative, bool plugin)
    {
        DemoRandom random = DemoRandom::forItem(m_seed, m_stream, quint64(m_items++));
        m_stamps.set(relative, random.between(day, 3 * year));
        m_bundles += plugin ? 1 : 0;
        return true;
    }

    QString m_root;
    DemoStamps& m_stamps;
    quint64 m_seed;
    quint64 m_stream;
    int m_items = 0;
    int m_bundles = 0;
};

Lv2PluginSpec lv2Plugin(const QString& uri, const QString& name, const QString& pluginClass, int minor, int micro,
                        const QString& seeAlso)
{
    return {uri, name, pluginClass, minor, micro, seeAlso};
}

Lv2BundleSpec calf()
{
    Lv2BundleSpec bundle{.path = u"calf.lv2"_s, .publisher = u"Calf Studio Gear"_s, .binary = u"calf.so"_s,
                         .binaryImage = elf({}, 6'200 * kilobyte), .uiBinary = u"calflv2gui.so"_s};
    const std::array<std::pair<const char*, const char*>, 10> plugins{{{"Reverb", "ReverbPlugin"},
                                                                        {"Compressor", "CompressorPlugin"},
                                                                        {"Equalizer 5 Band", "ParaEQPlugin"},
                                                                        {"Monosynth", "InstrumentPlugin"},
                                                                        {"Flanger", "FlangerPlugin"},
                                                                        {"Phaser", "PhaserPlugin"},
                                                                        {"Vintage Delay", "DelayPlugin"},
                                                                        {"Limiter", "LimiterPlugin"},
                                                                        {"Organ", "InstrumentPlugin"},
                                                                        {"Filter", "FilterPlugin"}}};
    for (const auto& [name, pluginClass] : plugins) {
        const QString title = QString::fromLatin1(name);
        const QString compact = QString(title).remove(u' ');
        bundle.plugins.append(lv2Plugin(u"http://calf.sourceforge.net/plugins/"_s + compact, u"Calf "_s + title,
                                        QString::fromLatin1(pluginClass), 0, 90, compact + u".ttl"_s));
    }
    return bundle;
}

Lv2BundleSpec fil4()
{
    return {.path = u"fil4.lv2"_s,
            .plugins = {lv2Plugin(u"http://gareus.org/oss/lv2/fil4#mono"_s, u"x42-eq - Parametric Equalizer Mono"_s,
                                  u"ParaEQPlugin"_s, 6, 2, u"fil4.ttl"_s),
                        lv2Plugin(u"http://gareus.org/oss/lv2/fil4#stereo"_s,
                                  u"x42-eq - Parametric Equalizer Stereo"_s, u"ParaEQPlugin"_s, 6, 2, u"fil4.ttl"_s)},
            .publisherForm = Lv2BundleSpec::Publisher::projectMaintainer,
            .publisher = u"Robin Gareus"_s,
            .binary = u"fil4.so"_s,
            .binaryImage = elf({}, 420 * kilobyte),
            .uiBinary = u"fil4UI_gl.so"_s,
            .extraFiles = 3,
            .extraBytes = 90 * kilobyte};
}

Lv2BundleSpec zam(const QString& name, const QString& pluginClass, bool ownFile)
{
    return {.path = name + u".lv2"_s,
            .plugins = {lv2Plugin(u"urn:zamaudio:"_s + name, name, pluginClass, 4, 1,
                                  ownFile ? name + u".ttl"_s : QString())},
            .publisherForm = Lv2BundleSpec::Publisher::developer,
            .publisher = u"Damien Zammit"_s,
            .binary = name + u"_dsp.so"_s,
            .binaryImage = elf({}, 380 * kilobyte)};
}

Lv2BundleSpec dragonfly(const QString& name)
{
    return {.path = u"Dragonfly"_s + name + u"Reverb.lv2"_s,
            .plugins = {lv2Plugin(u"urn:dragonfly:"_s + name.toLower(), u"Dragonfly "_s + name + u" Reverb"_s,
                                  u"ReverbPlugin"_s, 3, 5, u"Dragonfly"_s + name + u"Reverb_dsp.ttl"_s)},
            .publisher = u"Michael Willis"_s,
            .binary = u"Dragonfly"_s + name + u"Reverb_dsp.so"_s,
            .binaryImage = elf({}, 1'100 * kilobyte),
            .uiBinary = u"Dragonfly"_s + name + u"Reverb_ui.so"_s};
}

Vst3BundleSpec linuxVst3(const QString& name, qint64 size)
{
    return {.path = name + u".vst3"_s, .architectureFolder = u"x86_64-linux"_s, .elf = elf(vst3LinuxExports, size)};
}

Vst3BundleSpec withModuleInfo(Vst3BundleSpec bundleSpec, Vst3BundleSpec::ModuleInfoPlace place, const QString& vendor,
                              const QString& version, const QList<ModuleInfoClassSpec>& classes, bool relaxed = true)
{
    bundleSpec.moduleInfoPlace = place;
    bundleSpec.vendor = vendor;
    bundleSpec.version = version;
    bundleSpec.classes = classes;
    bundleSpec.relaxedJson = relaxed;
    return bundleSpec;
}

ModuleInfoClassSpec audioClass(const QString& name, const QString& subCategories)
{
    return {name, subCategories.split(u'|'), false};
}

ModuleInfoClassSpec controllerClass(const QString& name)
{
    return {name, {}, true};
}

bool writeSystem(TreeWriter& out)
{
    using Place = Vst3BundleSpec::ModuleInfoPlace;
    const QString lv2 = systemLib + u"/lv2"_s;
    bool ok = out.lv2(lv2, calf()) && out.lv2(lv2, fil4()) &&
              out.lv2(lv2, {.path = u"lv2core.lv2"_s, .kind = Lv2BundleSpec::Kind::specification}) &&
              out.lv2(multiarchLib + u"/lv2"_s, zam(u"ZamComp"_s, u"CompressorPlugin"_s, false)) &&
              out.lv2(multiarchLib + u"/lv2"_s, zam(u"ZaMaximX2"_s, u"LimiterPlugin"_s, true));

    const QString vst3 = systemLib + u"/vst3"_s;
    ok = ok &&
         out.vst3(vst3, withModuleInfo(linuxVst3(u"Surge XT"_s, 48 * megabyte), Place::resources,
                                       u"Surge Synth Team"_s, u"1.3.1"_s,
                                       {audioClass(u"Surge XT"_s, u"Instrument|Synth"_s),
                                        controllerClass(u"Surge XT"_s)})) &&
         out.vst3(vst3, linuxVst3(u"Surge XT Effects"_s, 31 * megabyte)) &&
         out.vst3(vst3, withModuleInfo(linuxVst3(u"lsp-plugins"_s, 24 * megabyte), Place::contents,
                                       u"LSP (Linux Studio Plugins)"_s, u"1.2.14"_s,
                                       {audioClass(u"LSP Compressor Stereo"_s, u"Fx|Dynamics"_s),
                                        audioClass(u"LSP Parametric Equalizer x16 Stereo"_s, u"Fx|EQ"_s),
                                        audioClass(u"LSP Limiter Stereo"_s, u"Fx|Dynamics"_s),
                                        audioClass(u"LSP Impulse Reverb Stereo"_s, u"Fx|Reverb"_s),
                                        audioClass(u"LSP Spectrum Analyzer x2"_s, u"Fx|Analyzer"_s),
                                        audioClass(u"LSP Trigger Stereo"_s, u"Fx|Drums"_s),
                                        controllerClass(u"LSP Plugins"_s)},
                                       false)) &&
         out.vst3(localLib + u"/vst3"_s, linuxVst3(u"Dexed"_s, 9 * megabyte));

    ok = ok && out.elfFile(systemLib + u"/clap/Surge XT.clap"_s, clapElf({1, 1, 9}, 47 * megabyte)) &&
         out.elfFile(systemLib + u"/clap/Surge XT Effects.clap"_s, clapElf({1, 1, 9}, 30 * megabyte)) &&
         out.elfFile(systemLib + u"/clap/lsp-plugins.clap"_s, clapElf({1, 1, 8}, 23 * megabyte)) &&
         out.elfFile(localLib + u"/clap/Dexed.clap"_s, clapElf({1, 1, 7}, 9 * megabyte));

    // One large library does the work; the small stubs beside it are what hosts list.
    const QString lsp = systemLib + u"/vst/lsp-plugins/"_s;
    for (const char* stub : {"compressor-stereo", "para-equalizer-x16-stereo", "limiter-stereo"})
        ok = ok && out.elfFile(lsp + u"lsp-plugins-vst2-"_s + QLatin1StringView(stub) + u".so"_s,
                               elf({"VSTPluginMain"}, 60 * kilobyte));
    ok = ok && out.elfFile(lsp + u"lsp-plugins-vst2-core.so"_s, elf({"lsp_vst2_create_instance"}, 18 * megabyte), false);

    // Debian installs the folder once and links it under the second name hosts look in.
    const QString iem = systemLib + u"/vst/iem.at/"_s;
    for (const char* name : {"AllRADecoder", "BinauralDecoder", "StereoEncoder", "MultiBandCompressor"})
        ok = ok && out.elfFile(iem + QLatin1StringView(name) + u".so"_s, elf(vst2Exports, 3'400 * kilobyte));
    ok = ok && out.link(u"../vst/iem.at"_s, systemLib + u"/lxvst/iem.at"_s);

    for (const char* name : {"amp_1181.so", "plate_1423.so", "sc4_1882.so", "tap_reverb.so", "cmt.so"})
        ok = ok && out.elfFile(systemLib + u"/ladspa/"_s + QLatin1StringView(name), elf({"ladspa_descriptor"}, 90 * kilobyte));
    return ok && out.elfFile(multiarchLib + u"/ladspa/caps.so"_s, elf({"ladspa_descriptor"}, 700 * kilobyte));
}

bool writeHome(TreeWriter& out)
{
    using Place = Vst3BundleSpec::ModuleInfoPlace;
    bool ok = out.vst3(home + u"/.vst3"_s, linuxVst3(u"Vital"_s, 26 * megabyte)) &&
              out.vst3(home + u"/.vst3"_s,
                       withModuleInfo(linuxVst3(u"Cardinal"_s, 72 * megabyte), Place::resources, u"DISTRHO"_s,
                                      u"23.10.0"_s,
                                      {audioClass(u"Cardinal"_s, u"Fx|Generator"_s), controllerClass(u"Cardinal"_s),
                                       audioClass(u"Cardinal Synth"_s, u"Instrument|Synth"_s),
                                       audioClass(u"Cardinal FX"_s, u"Fx"_s)})) &&
              out.elfFile(home + u"/.clap/Vital.clap"_s, clapElf({1, 1, 8}, 25 * megabyte)) &&
              out.elfFile(home + u"/.clap/Diva.clap"_s, clapElf({1, 2, 0}, 19 * megabyte)) &&
              out.lv2(home + u"/.lv2"_s, dragonfly(u"Hall"_s)) && out.lv2(home + u"/.lv2"_s, dragonfly(u"Room"_s)) &&
              out.elfFile(home + u"/.ladspa/sawtooth_1641.so"_s, elf({"ladspa_descriptor"}, 40 * kilobyte));
    // Builds for other machines, copied over with the rest: Debian's name for an arm64 VST3 folder,
    // and a bundle from a 32-bit ARM pedalboard.
    Vst3BundleSpec odin = linuxVst3(u"Odin2"_s, 14 * megabyte);
    odin.architectureFolder = u"armv8l-linux"_s;
    odin.elf = elf(vst3LinuxExports, 14 * megabyte, BinaryMachine::aarch64);
    ok = ok && out.vst3(home + u"/.vst3"_s, odin) &&
         out.lv2(home + u"/.lv2"_s,
                 {.path = u"mod-pitchshifter.lv2"_s,
                  .plugins = {lv2Plugin(u"http://moddevices.com/plugins/mod-devel/Drop"_s, u"Drop"_s,
                                        u"PitchPlugin"_s, 0, 0, u"Drop.ttl"_s)},
                  .publisher = u"MOD Devices"_s,
                  .binary = u"Drop.so"_s,
                  .binaryImage = elf({}, 240 * kilobyte, BinaryMachine::arm)});
    Lv2BundleSpec presets{.path = u"alex-presets.lv2"_s, .kind = Lv2BundleSpec::Kind::presets,
                          .appliesTo = u"urn:dragonfly:hall"_s};
    presets.plugins = {lv2Plugin(u"urn:alex:presets:warm-hall"_s, u"Warm Hall"_s, {}, -1, -1, u"warm-hall.ttl"_s),
                       lv2Plugin(u"urn:alex:presets:vocal-plate"_s, u"Vocal Plate"_s, {}, -1, -1, u"vocal-plate.ttl"_s)};
    return ok && out.lv2(home + u"/.lv2"_s, presets);
}

bool writeWinePrefix(TreeWriter& out)
{
    using Place = Vst3BundleSpec::ModuleInfoPlace;
    const QString prefix = home + u"/.wine"_s;
    bool ok = out.link(u"../drive_c"_s, prefix + u"/dosdevices/c:"_s) && out.link(u"/"_s, prefix + u"/dosdevices/z:"_s);

    const QString vst3 = programs + u"/Common Files/VST3"_s;
    Vst3BundleSpec serum{.path = u"Serum2.vst3"_s, .architectureFolder = u"x86_64-win"_s,
                         .pe = pe(vst3WindowsExports, 38 * megabyte), .resourceFiles = 40,
                         .resourceBytes = 310 * megabyte};
    ok = ok &&
         out.vst3(vst3, withModuleInfo(serum, Place::resources, u"Xfer Records"_s, u"2.0.6"_s,
                                       {audioClass(u"Serum 2"_s, u"Instrument|Synth"_s), controllerClass(u"Serum 2"_s)})) &&
         out.vst3(vst3, {.path = u"FabFilter Pro-Q 3.vst3"_s, .architectureFolder = u"x86_64-win"_s,
                         .pe = pe(vst3WindowsExports, 29 * megabyte, u"FabFilter Pro-Q 3"_s, u"FabFilter"_s,
                                  u"3.21.0.0"_s)}) &&
         out.vst3(vst3, {.path = u"Disperser.vst3"_s, .architectureFolder = u"arm64ec-win"_s,
                         .pe = pe(vst3WindowsExports, 8 * megabyte, u"Disperser"_s, u"Kilohearts"_s, u"2.1.0.0"_s)}) &&
         out.peFile(vst3 + u"/OTT.vst3"_s,
                    pe(vst3WindowsExports, 6 * megabyte, u"OTT"_s, u"Xfer Records"_s, u"1.37.0.0"_s)) &&
         out.peFile(programs + u"/Common Files/CLAP/Phase Plant.clap"_s, [] {
             PeImageSpec shape = pe({}, 21 * megabyte, u"Phase Plant"_s, u"Kilohearts"_s, u"2.1.0.0"_s);
             shape.clapEntry = ClapVersion{1, 1, 7};
             return shape;
         }()) &&
         out.peFile(programs + u"/Steinberg/VstPlugins/TAL-U-NO-LX.dll"_s,
                    pe(vst2Exports, 14 * megabyte, u"TAL-U-NO-LX-V2"_s, u"TAL-Togu Audio Line"_s, u"5.0.4.0"_s)) &&
         out.peFile(programs + u"/VstPlugins/Sylenth1.dll"_s,
                    pe(vst2Exports, 11 * megabyte, u"Sylenth1"_s, u"LennarDigital"_s, u"3.0.71.0"_s)) &&
         out.peFile(programs + u"/VstPlugins/libfftw3f-3.dll"_s, pe({"fftwf_execute", "fftwf_plan_dft_1d"}, 2 * megabyte),
                    false) &&
         out.peFile(programs32 + u"/Steinberg/VSTPlugins/Classic Delay.dll"_s,
                    pe({"VSTPluginMain"}, 900 * kilobyte, {}, {}, {}, BinaryMachine::i386));
    return ok;
}

// yabridge's synced copies: one small chain-loading library per plug-in, linked to the original.
bool writeYabridge(TreeWriter& out)
{
    const QString serum = home + u"/.vst3/yabridge/Serum2.vst3/Contents"_s;
    const QString original = u"../../../../.wine/drive_c/Program Files/Common Files/VST3/Serum2.vst3/Contents"_s;
    ElfImageSpec clapLoader = clapElf({1, 1, 7}, 310 * kilobyte);
    return out.elfFile(serum + u"/x86_64-linux/Serum2.so"_s, elf(vst3LinuxExports, 360 * kilobyte), false) &&
           out.link(original + u"/x86_64-win"_s, serum + u"/x86_64-win"_s) &&
           out.link(original + u"/Resources"_s, serum + u"/Resources"_s) &&
           out.elfFile(home + u"/.clap/yabridge/Phase Plant.clap"_s, clapLoader, false) &&
           out.link(u"../../.wine/drive_c/Program Files/Common Files/CLAP/Phase Plant.clap"_s,
                    home + u"/.clap/yabridge/Phase Plant.clap-win"_s) &&
           out.elfFile(home + u"/.vst/yabridge/TAL-U-NO-LX.so"_s, elf(vst2Exports, 330 * kilobyte), false) &&
           out.link(u"../../.wine/drive_c/Program Files/Steinberg/VstPlugins/TAL-U-NO-LX.dll"_s,
                    home + u"/.vst/yabridge/TAL-U-NO-LX.dll"_s);
}

constexpr std::array<const char*, 10> generatedVendors{"x42", "ZamAudio", "LSP", "Calf Studio Gear", "Airwindows",
                                                       "ChowDSP", "DISTRHO", "Guitarix", "OpenAV", "Geonkick"};
constexpr std::array<const char*, 12> adjectives{"Deep", "Warm", "Spectral", "Tape", "Tube", "Vintage",
                                                 "Granular", "Modular", "Bright", "Dark", "Analog", "Glass"};
constexpr std::array<std::pair<const char*, const char*>, 12> nouns{{{"Verb", "ReverbPlugin"},
                                                                     {"Delay", "DelayPlugin"},
                                                                     {"Comp", "CompressorPlugin"},
                                                                     {"EQ", "ParaEQPlugin"},
                                                                     {"Drive", "DistortionPlugin"},
                                                                     {"Chorus", "ChorusPlugin"},
                                                                     {"Phaser", "PhaserPlugin"},
                                                                     {"Gate", "GatePlugin"},
                                                                     {"Limiter", "LimiterPlugin"},
                                                                     {"Synth", "InstrumentPlugin"},
                                                                     {"Filter", "FilterPlugin"},
                                                                     {"Scope", "AnalyserPlugin"}}};
constexpr std::array<const char*, 5> variants{"", " Stereo", " Mono", " Sidechain", " MS"};

template <typename T, std::size_t N> const T& pick(const std::array<T, N>& items, DemoRandom& random)
{
    return items[std::size_t(random.between(0, qint64(N) - 1))];
}

QString uniqueName(const QString& wanted, QSet<QString>& usedNames)
{
    QString name = wanted;
    for (int copy = 2; usedNames.contains(name); ++copy)
        name = u"%1 %2"_s.arg(wanted).arg(copy);
    usedNames.insert(name);
    return name;
}

// One in four of each: LV2 bundles, Linux VST3 bundles, Linux CLAP files, Windows VST3 bundles in Wine.
bool writeGenerated(TreeWriter& out, int count, quint64 seed)
{
    QSet<QString> usedNames;
    for (int index = 0; index < count; ++index) {
        DemoRandom random = DemoRandom::forItem(seed, generatedStream, quint64(index));
        const bool inSystem = random.percent(60);
        bool ok = false;
        switch (index % 4) {
        case 0: {
            const QString folder = inSystem ? systemLib + u"/lv2"_s : home + u"/.lv2"_s;
            ok = out.lv2(folder, LinuxDemoTree::generatedLv2Bundle(index, seed, usedNames));
            break;
        }
        case 1:
        case 3: {
            const QString name = uniqueName(
                u"%1 %2"_s.arg(QLatin1StringView(pick(adjectives, random)), QLatin1StringView(pick(nouns, random).first)),
                usedNames);
            const bool windows = index % 4 == 3;
            Vst3BundleSpec bundle = windows ? Vst3BundleSpec{.path = name + u".vst3"_s,
                                                             .architectureFolder = u"x86_64-win"_s,
                                                             .pe = pe(vst3WindowsExports, random.between(2, 60) * megabyte)}
                                            : linuxVst3(name, random.between(2, 60) * megabyte);
            if (random.percent(50))
                bundle = withModuleInfo(bundle, Vst3BundleSpec::ModuleInfoPlace::resources,
                                        QString::fromLatin1(pick(generatedVendors, random)),
                                        u"1.%1.%2"_s.arg(random.between(0, 9)).arg(random.between(0, 20)),
                                        {audioClass(name, u"Fx"_s), controllerClass(name)});
            // About a hundred files per bundle, as the macOS bundles of the large tree have.
            bundle.resourceFiles = int(random.between(50, 150));
            bundle.resourceBytes = random.between(3, 90) * megabyte;
            ok = out.vst3(windows ? programs + u"/Common Files/VST3"_s
                                  : inSystem ? systemLib + u"/vst3"_s : home + u"/.vst3"_s,
                          bundle);
            break;
        }
        default: {
            const QString name = uniqueName(
                u"%1 %2"_s.arg(QLatin1StringView(pick(adjectives, random)), QLatin1StringView(pick(nouns, random).first)),
                usedNames);
            ok = out.elfFile((inSystem ? systemLib + u"/clap/"_s : home + u"/.clap/"_s) + name + u".clap"_s,
                             clapElf({1, quint32(random.between(0, 2)), quint32(random.between(0, 9))},
                                     random.between(1, 40) * megabyte));
        }
        }
        if (!ok)
            return false;
    }
    return true;
}

} // namespace

LinuxDemoTree::Result LinuxDemoTree::write(const QString& root, int generated, quint64 seed, DemoStamps& stamps)
{
    TreeWriter fixed(root, stamps, seed, fixedStream);
    TreeWriter more(root, stamps, seed, generatedStream);
    Result result;
    result.ok = writeSystem(fixed) && writeHome(fixed) && writeWinePrefix(fixed) && writeYabridge(fixed) &&
                writeGenerated(more, generated, seed);
    result.bundles = fixed.bundles() + more.bundles();
    return result;
}

QStringList LinuxDemoTree::pluginFolders()
{
    return {systemLib + u"/vst3"_s,
            localLib + u"/vst3"_s,
            systemLib + u"/clap"_s,
            localLib + u"/clap"_s,
            systemLib + u"/lv2"_s,
            multiarchLib + u"/lv2"_s,
            systemLib + u"/vst"_s,
            systemLib + u"/lxvst"_s,
            systemLib + u"/ladspa"_s,
            multiarchLib + u"/ladspa"_s,
            home + u"/.vst3"_s,
            home + u"/.clap"_s,
            home + u"/.lv2"_s,
            home + u"/.vst"_s,
            home + u"/.ladspa"_s,
            programs + u"/Common Files/VST3"_s,
            programs + u"/Common Files/CLAP"_s,
            programs + u"/Steinberg/VstPlugins"_s,
            programs + u"/VstPlugins"_s,
            programs32 + u"/Steinberg/VSTPlugins"_s};
}

Lv2BundleSpec LinuxDemoTree::generatedLv2Bundle(int index, quint64 seed, QSet<QString>& usedNames)
{
    DemoRandom random = DemoRandom::forItem(seed, lv2Stream, quint64(index));
    const QString vendor = QString::fromLatin1(pick(generatedVendors, random));
    const auto& noun = pick(nouns, random);
    const QString title = uniqueName(
        u"%1 %2"_s.arg(QLatin1StringView(pick(adjectives, random)), QLatin1StringView(noun.first)), usedNames);
    const QString stem = QString(title).remove(u' ').toLower();
    const QString base = u"https://%1.example.org/lv2/%2"_s.arg(QString(vendor).remove(u' ').toLower(), stem);

    Lv2BundleSpec bundle;
    bundle.path = stem + u".lv2"_s;
    const int chance = int(random.between(0, 99));
    bundle.publisherForm = chance < 55   ? Lv2BundleSpec::Publisher::maintainer
                           : chance < 75 ? Lv2BundleSpec::Publisher::projectMaintainer
                           : chance < 90 ? Lv2BundleSpec::Publisher::developer
                                         : Lv2BundleSpec::Publisher::none;
    bundle.publisher = vendor;
    bundle.binary = stem + u"_dsp.so"_s;
    bundle.binaryImage = elf({}, random.between(300, 8'000) * kilobyte);
    if (random.percent(30))
        bundle.uiBinary = stem + u"_ui.so"_s;
    if (random.percent(25)) {
        bundle.extraFiles = int(random.between(5, 25));
        bundle.extraBytes = random.between(50, 900) * kilobyte;
    }
    const bool oneFile = random.percent(30);
    const int minor = random.percent(80) ? int(random.between(0, 12)) : -1;
    const int micro = minor >= 0 ? int(random.between(0, 30)) : -1;
    const int plugins = int(random.between(1, int(variants.size())));
    for (int i = 0; i < plugins; ++i) {
        const QString suffix = QString::fromLatin1(variants[std::size_t(i)]);
        const QString compact = QString(suffix).remove(u' ').toLower();
        bundle.plugins.append(lv2Plugin(base + u'#' + (compact.isEmpty() ? u"main"_s : compact), title + suffix,
                                        QString::fromLatin1(noun.second), minor, micro,
                                        oneFile ? stem + u".ttl"_s : stem + compact + u".ttl"_s));
    }
    return bundle;
}
