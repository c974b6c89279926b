#include "ScanFixture.h"
#include "TreeSnapshot.h"

#include "sample/ElfImageWriter.h"
#include "sample/PeImageWriter.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Linux and Wine plug-in folders as distributions, installers and bridges lay them out, built
// with generated ELF and PE headers; no real plug-in binary is involved.
class LinuxWindowsScanTest : public ScanFixture {
protected:
    void elf(const QString& path, BinaryMachine machine, QList<QByteArray> exports)
    {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        ElfImageSpec shape;
        shape.machine = machine;
        shape.is64Bit = machine != BinaryMachine::i386 && machine != BinaryMachine::arm;
        shape.exports = std::move(exports);
        if (shape.exports.contains("clap_entry")) {
            shape.exports.removeAll("clap_entry");
            shape.clapEntry = ClapVersion{1, 2, 0};
        }
        ASSERT_TRUE(ElfImageWriter::write(path, shape)) << path.toStdString();
    }
    void pe(const QString& path, BinaryMachine machine, QList<QByteArray> exports, const QString& product = {})
    {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        PeImageSpec shape;
        shape.machine = machine;
        shape.exports = std::move(exports);
        if (!product.isEmpty()) {
            shape.versionInfo = true;
            shape.productName = product;
            shape.companyName = u"Acme Audio"_s;
            shape.fileVersion = u"1.2.3"_s;
        }
        ASSERT_TRUE(PeImageWriter::write(path, shape)) << path.toStdString();
    }

    QString wine(const QString& relative) const { return home(u"/.wine/drive_c/"_s + relative); }

    void buildTree()
    {
        const QList<QByteArray> vst3Entry{"GetPluginFactory"};
        // VST3 for Linux without moduleinfo (most of them), and one for arm64 with two audio classes.
        elf(sys(u"/usr/lib/vst3/Surge XT.vst3/Contents/x86_64-linux/Surge XT.so"_s), BinaryMachine::x86_64, vst3Entry);
        elf(home(u"/.vst3/Duo.vst3/Contents/armv8l-linux/Duo.so"_s), BinaryMachine::aarch64, vst3Entry);
        BundleTree::file(home(u"/.vst3/Duo.vst3/Contents/Resources/moduleinfo.json"_s),
                         R"({ "Name": "Duo", "Version": "2.0", "Factory Info": { "Vendor": "Duo Labs", "Flags": { "Unicode": true, }, },
                              // The SDK writes comments and trailing commas.
                              "Classes": [
                                { "CID": "AAAA0000000000000000000000000001", "Category": "Audio Module Class", "Name": "Duo Verb",
                                  "Sub Categories": ["Fx", "Reverb"], "Version": "2.0.1", "Snapshots": [], },
                                { "CID": "AAAA0000000000000000000000000002", "Category": "Component Controller Class", "Name": "Duo Verb UI" },
                                { "CID": "AAAA0000000000000000000000000003", "Category": "Audio Module Class", "Name": "Duo Synth",
                                  "Sub Categories": ["Instrument"], "Vendr": "misspelt" },
                              ], })");
        // Windows VST3 in a Wine prefix: the single-DLL form, and a bundle whose folder says ARM64EC.
        pe(wine(u"Program Files/Common Files/VST3/Legacy.vst3"_s), BinaryMachine::x86_64, vst3Entry, u"Legacy Verb"_s);
        pe(wine(u"Program Files/Common Files/VST3/Edge.vst3/Contents/arm64ec-win/Edge.vst3"_s), BinaryMachine::x86_64,
           vst3Entry);
        // CLAP files; a folder named like one is walked.
        elf(sys(u"/usr/lib/clap/Synth.clap"_s), BinaryMachine::x86_64, {"clap_entry"});
        elf(home(u"/.clap/Vendor.clap/Inner.clap"_s), BinaryMachine::x86_64, {"clap_entry"});
        elf(home(u"/.clap/NotOne.clap"_s), BinaryMachine::x86_64, {"main"});
        // LV2: a bundle of two plug-ins, one without a name; a preset bundle declares none.
        const QString pack = sys(u"/usr/lib/x86_64-linux-gnu/lv2/pack.lv2"_s);
        elf(pack + u"/pack.so"_s, BinaryMachine::i386, {"lv2_descriptor"});
        BundleTree::file(pack + u"/manifest.ttl"_s, R"(@prefix lv2: <http://lv2plug.in/ns/lv2core#> .
@prefix doap: <http://usefulinc.com/ns/doap#> .
@prefix foaf: <http://xmlns.com/foaf/0.1/> .
<urn:test:pack#verb> a lv2:Plugin, lv2:ReverbPlugin ; lv2:binary <pack.so> ; doap:name "Pack Verb" ;
    doap:maintainer [ foaf:name "Pack Audio" ] ; lv2:minorVersion 2 ; lv2:microVersion 4 .
<urn:test:pack#synth> a lv2:Plugin, lv2:InstrumentPlugin ; lv2:binary <pack.so> .
)");
        BundleTree::file(sys(u"/usr/lib/lv2/presets.lv2/manifest.ttl"_s),
                         "@prefix pset: <http://lv2plug.in/ns/ext/presets#> .\n<urn:test:preset> a pset:Preset .\n");
        // VST 2 stubs beside a core library exporting no entry point; `main` counts in a VST folder.
        elf(sys(u"/usr/lib/lxvst/Stub.so"_s), BinaryMachine::x86_64, {"main"});
        elf(sys(u"/usr/lib/lxvst/core.so"_s), BinaryMachine::x86_64, {"helper"});
        elf(sys(u"/usr/lib/ladspa/cmt.so"_s), BinaryMachine::x86_64, {"ladspa_descriptor"});
        // One folder linked under two names.
        elf(sys(u"/usr/lib/x86_64-linux-gnu/iem/Iem.so"_s), BinaryMachine::x86_64, {"VSTPluginMain"});
        ASSERT_TRUE(QDir().mkpath(sys(u"/usr/lib/vst"_s)));
        BundleTree::symlink(u"../x86_64-linux-gnu/iem"_s, sys(u"/usr/lib/vst/iem"_s));
        BundleTree::symlink(u"../x86_64-linux-gnu/iem"_s, sys(u"/usr/lib/lxvst/iem"_s));
        // A Windows VST 2 and its bridge copy (a Linux stub beside a link to it).
        pe(wine(u"Program Files/Steinberg/VSTPlugins/Old.dll"_s), BinaryMachine::i386, {"VSTPluginMain"}, u"Old Delay"_s);
        elf(home(u"/.vst/yabridge/Old.so"_s), BinaryMachine::x86_64, {"VSTPluginMain"});
        BundleTree::symlink(wine(u"Program Files/Steinberg/VSTPlugins/Old.dll"_s), home(u"/.vst/yabridge/Old.dll"_s));
        // Hostile files are skipped and the scan goes on; a VST3 whose moduleinfo is broken is still listed.
        for (const auto& [name, bytes] : {std::pair<const char*, QByteArray>{"empty.so", {}},
                                          {"truncated.so", QByteArray("\x7f" "ELF\x02\x01\x01", 7)},
                                          {"text.dll", "MZ but nothing else"},
                                          {"offsets.dll", QByteArray("MZ") + QByteArray(58, '\0') + QByteArray("\xff\xff\xff\x7f", 4)}})
            BundleTree::file(home(u"/.vst/"_s) + QLatin1StringView(name), bytes);
        BundleTree::file(home(u"/.lv2/broken.lv2/manifest.ttl"_s), "@prefix lv2: <http://lv2plug.in/ns/lv2core#> .\n<urn:x> a lv2:Plugin ; ;; \"");
        BundleTree::file(home(u"/.vst3/Bad.vst3/Contents/Resources/moduleinfo.json"_s), "{ \"Classes\": [ { \"CID\": 5, ");
        elf(home(u"/.vst3/Bad.vst3/Contents/x86_64-linux/Bad.so"_s), BinaryMachine::x86_64, {"GetPluginFactory"});
        // Wine's drive link leads to the whole disk: never followed.
        ASSERT_TRUE(QDir().mkpath(home(u"/.wine/dosdevices"_s)));
        BundleTree::symlink(u"/"_s, home(u"/.wine/dosdevices/z:"_s));
    }

    // One line per plug-in: where, what, for which machine, as whom.
    QStringList described(const QList<ScannedPlugin>& plugins) const
    {
        QStringList lines;
        for (const ScannedPlugin& p : plugins)
            lines.append(QStringList{QDir(m_dir.path()).relativeFilePath(p.filePath), rawValue(p.format),
                                     rawValue(p.platform), rawValue(p.architecture), p.name, p.publisher, p.version,
                                     p.category, p.pluginIdentifier, p.isBridged ? u"bridged"_s : QString()}
                             .join(u'|'));
        lines.sort();
        return lines;
    }
};

TEST_F(LinuxWindowsScanTest, EveryFormOfEveryStandardFolderIsOnePluginEach)
{
    buildTree();
    const QMap<QByteArray, QByteArray> before = treeSnapshot(m_dir.path());
    const QStringList expected{
        u"mac/Users/tester/.clap/Vendor.clap/Inner.clap|CLAP|Linux|Intel 64|Inner|||||"_s,
        u"mac/Users/tester/.vst3/Bad.vst3|VST3|Linux|Intel 64|Bad|||||"_s,
        u"mac/Users/tester/.vst3/Duo.vst3|VST3|Linux|ARM 64|Duo Synth|Duo Labs|2.0|Instrument|AAAA0000000000000000000000000003|"_s,
        u"mac/Users/tester/.vst3/Duo.vst3|VST3|Linux|ARM 64|Duo Verb|Duo Labs|2.0.1|Fx|Reverb|AAAA0000000000000000000000000001|"_s,
        u"mac/Users/tester/.wine/drive_c/Program Files/Common Files/VST3/Edge.vst3|VST3|Windows|ARM64EC|Edge|||||"_s,
        u"mac/Users/tester/.wine/drive_c/Program Files/Common Files/VST3/Legacy.vst3|VST3|Windows|Intel 64|Legacy Verb|Acme Audio|1.2.3|||"_s,
        u"mac/Users/tester/.wine/drive_c/Program Files/Steinberg/VSTPlugins/Old.dll|VST|Windows|Intel 32|Old Delay|Acme Audio|1.2.3|||bridged"_s,
        u"mac/usr/lib/clap/Synth.clap|CLAP|Linux|Intel 64|Synth|||||"_s,
        u"mac/usr/lib/ladspa/cmt.so|LADSPA|Linux|Intel 64|cmt|||||"_s,
        u"mac/usr/lib/lxvst/Stub.so|VST|Linux|Intel 64|Stub|||||"_s,
        u"mac/usr/lib/vst3/Surge XT.vst3|VST3|Linux|Intel 64|Surge XT|||||"_s,
        u"mac/usr/lib/x86_64-linux-gnu/iem/Iem.so|VST|Linux|Intel 64|Iem|||||"_s,
        u"mac/usr/lib/x86_64-linux-gnu/lv2/pack.lv2|LV2|Linux|Intel 32|Pack Verb|Pack Audio|2.4|Reverb|urn:test:pack#verb|"_s,
        u"mac/usr/lib/x86_64-linux-gnu/lv2/pack.lv2|LV2|Linux|Intel 32|pack|||Instrument|urn:test:pack#synth|"_s,
    };
    QStringList standardFolders;
    for (const StandardLocation& location : PluginScanner(m_roots).standardLocations())
        standardFolders.append(location.path);
    const QList<ScannedPlugin> plugins = scan(standardFolders);
    EXPECT_EQ(described(plugins), expected);
    for (const ScannedPlugin& plugin : plugins)
        EXPECT_GT(plugin.fileSize, 0) << plugin.filePath.toStdString();
    EXPECT_EQ(treeSnapshot(m_dir.path()), before);
}

} // namespace
