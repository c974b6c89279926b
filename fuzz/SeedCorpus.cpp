// Writes the fuzz targets' starting inputs into OUTPUT/<TargetName>/: the files the sample
// library's bundle builders produce, sorted by the reader that takes them. A target without a
// rule here starts from an empty corpus.
#include "../tests/support/HostilePlists.h"

#include "model/FilePathBytes.h"
#include "sample/BundleWriter.h"
#include "sample/DemoLibrary.h"
#include "sample/ElfImageWriter.h"
#include "sample/PeImageWriter.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

struct Rule {
    const char* target;
    std::function<bool(const QString& path)> takes;
    qint64 maximumBytes; // executables: only the header matters
};

bool write(const QString& folder, const QByteArray& bytes)
{
    const QString name = QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex());
    QFile file(folder + u'/' + name);
    return QDir().mkpath(folder) && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()
        && file.flush();
}


// The Linux and Windows readers start from the image writers' output and small text files.
bool writeLinuxAndWindowsSeeds(const QString& output)
{
    bool ok = true;
    for (bool wide : {false, true})
        for (bool bigEndian : {false, true})
            ok = ok && write(output + QStringLiteral("/ElfImageFuzz"),
                             ElfImageWriter::image({wide ? BinaryMachine::x86_64 : BinaryMachine::i386, wide, bigEndian, true,
                                                    {"VSTPluginMain", "main"}, {"free"}, ClapVersion{1, 2, 0}, 0}));
    for (BinaryMachine machine : {BinaryMachine::i386, BinaryMachine::x86_64}) {
        PeImageSpec shape;
        shape.machine = machine;
        shape.exports = {"VSTPluginMain", "GetPluginFactory"};
        shape.clapEntry = ClapVersion{1, 2, 0};
        shape.versionInfo = true;
        shape.productName = QStringLiteral("Seed");
        shape.companyName = QStringLiteral("Seed Audio");
        shape.fileVersion = QStringLiteral("1.0.0");
        ok = ok && write(output + QStringLiteral("/PeImageFuzz"), PeImageWriter::image(shape));
    }
    ok = ok && write(output + QStringLiteral("/ModuleInfoFuzz"), R"({
  // comment
  "Name": "Seed", "Version": "1.0", "Factory Info": {"Vendor": "Seed Audio", "URL": "", "Flags": {"Unicode": true,},},
  "Classes": [{"CID": "0123456789ABCDEF0123456789ABCDEF", "Category": "Audio Module Class", "Name": "Seed",
               "Sub Categories": ["Fx", "Reverb",], "SDKVersion": "VST 3.7.9", /* more */ },
              {"Category": "Component Controller Class"},],
})");
    const QByteArray prefixes = "@prefix lv2: <http://lv2plug.in/ns/lv2core#> .\n"
                                "@prefix doap: <http://usefulinc.com/ns/doap#> .\n"
                                "@prefix foaf: <http://xmlns.com/foaf/0.1/> .\n"
                                "@prefix rdfs: <http://www.w3.org/2000/01/rdf-schema#> .\n";
    ok = ok && write(output + QStringLiteral("/Lv2BundleFuzz"),
                     prefixes + "<urn:seed:a> a lv2:Plugin ; lv2:binary <a.so> ; rdfs:seeAlso <plugin.ttl> .\n"
                         + QByteArray(1, '\0') + prefixes
                         + "<urn:seed:a> a lv2:ReverbPlugin ; doap:name \"Seed\" ; lv2:minorVersion 1 ; "
                           "lv2:microVersion 2 ; lv2:project [ doap:maintainer [ foaf:name \"Seed Audio\" ] ] .\n");
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: SeedCorpus OUTPUT\n");
        return 2;
    }
    const QString output = FilePathBytes::decode(argv[1]);
    QTemporaryDir library;
    if (!library.isValid() || !DemoLibrary::write(library.filePath(QStringLiteral("lib"))).ok) {
        std::fprintf(stderr, "SeedCorpus: the sample library could not be written\n");
        return 1;
    }
    const auto isInfoPlist = [](const QString& path) { return path.endsWith(QStringLiteral("/Contents/Info.plist")); };
    const auto isExecutable = [](const QString& path) { return path.contains(QStringLiteral("/Contents/MacOS/")); };
    const Rule rules[] = {
        {"PropertyListFuzz", isInfoPlist, 8 * 1024 * 1024},
        {"BundleMetadataFuzz", isInfoPlist, 8 * 1024 * 1024},
        {"MachOHeaderFuzz", isExecutable, 8 + 8 * 32},
    };

    int written = 0;
    QDirIterator files(library.path(), QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        for (const Rule& rule : rules) {
            if (!rule.takes(path))
                continue;
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                continue;
            if (!write(output + u'/' + QLatin1StringView(rule.target), file.read(rule.maximumBytes)))
                return 1;
            ++written;
        }
    }
    for (int kind = 0; kind <= int(ExecutableKind::missing); ++kind) {
        const QByteArray header = BundleWriter::executableHeader(ExecutableKind(kind));
        if (!header.isEmpty() && !write(output + QStringLiteral("/MachOHeaderFuzz"), header))
            return 1;
    }
    if (!writeLinuxAndWindowsSeeds(output))
        return 1;
    // The shapes the property list guard exists for, small enough to mutate quickly.
    const QByteArray hostile[] = {HostilePlists::deepArrays(1000), HostilePlists::sharedString(20, 64 * 1024),
                                  HostilePlists::manyKeys(1000, 1000), HostilePlists::doublingChain(30),
                                  HostilePlists::cycle()};
    for (const QByteArray& plist : hostile) {
        for (const char* target : {"PropertyListFuzz", "BundleMetadataFuzz"})
            if (!write(output + u'/' + QLatin1StringView(target), plist))
                return 1;
    }
    std::printf("SeedCorpus: %d seeds from the sample library in %s\n", written, argv[1]);
    return 0;
}
