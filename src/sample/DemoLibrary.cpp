#include "sample/DemoLibrary.h"

#include "model/FilePathBytes.h"

#include "sample/BundleWriter.h"
#include "sample/DemoCatalog.h"
#include "sample/DemoContent.h"
#include "sample/DemoLayout.h"
#include "sample/DemoStamps.h"
#include "sample/LinuxDemoTree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace {

constexpr int maximumBundles = 100'000;
constexpr qint64 day = 24 * 60 * 60;
// Folders that hold bundles were last touched a little before the reference time.
constexpr qint64 folderAge = 6 * 60 * 60;

QString absolute(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

QString under(const QString& root, const QString& relative) {
    return root + u'/' + relative;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool writeBundle(const QString& root, const BundleSpec& relativeSpec) {
    BundleSpec bundleSpec = relativeSpec;
    bundleSpec.path = under(root, relativeSpec.path);
    return QDir().mkpath(QFileInfo(bundleSpec.path).path()) && BundleWriter::write(bundleSpec) &&
           writeFile(bundleSpec.path + QStringLiteral("/Contents/PkgInfo"), "BNDL????");
}

bool makeSymlink(const QString& target, const QString& linkPath) {
    return QDir().mkpath(QFileInfo(linkPath).path()) &&
           ::symlink(FilePathBytes::encode(target).constData(), FilePathBytes::encode(linkPath).constData()) == 0;
}

// Finder's folder settings, in the folders people open; hidden, so never counted.
QByteArray finderSettings() {
    QByteArray bytes(6148, '\0');
    bytes.replace(0, 8, QByteArray("\0\0\0\1Bud1", 8));
    return bytes;
}

// The parts that are not plug-ins of their own: a host application carrying a plug-in, a bundle
// nested in another, a bundle in the drive's hidden trash, an alias, a link loop, and clutter.
bool writeSurroundings(const QString& root, DemoStamps& stamps) {
    const QString drive = DemoLayout::drive;
    BundleSpec host;
    host.path = drive + QStringLiteral("/Applications/Plugin Host.app");
    host.info = {{QStringLiteral("CFBundleName"), QStringLiteral("Plugin Host")},
                 {QStringLiteral("CFBundleExecutable"), QStringLiteral("Plugin Host")},
                 {QStringLiteral("CFBundleIdentifier"), QStringLiteral("com.tracktion.PluginHost")},
                 {QStringLiteral("CFBundlePackageType"), QStringLiteral("APPL")},
                 {QStringLiteral("CFBundleShortVersionString"), QStringLiteral("1.0.0")}};
    host.executable = ExecutableKind::universalArmIntel;
    host.resourceFiles = 12;
    host.resourceBytes = 140'000'000;
    if (!writeBundle(root, host))
        return false;
    stamps.set(host.path, 200 * day);

    const QString outer = drive + QStringLiteral("/Plug-Ins/Arturia/Tape Echo.vst3");
    if (QFileInfo::exists(under(root, outer))) {
        BundleSpec nested;
        nested.path = outer + QStringLiteral("/Contents/Resources/Tape Echo Legacy.vst3");
        nested.info = {{QStringLiteral("CFBundleName"), QStringLiteral("Tape Echo Legacy")},
                       {QStringLiteral("CFBundleExecutable"), QStringLiteral("Tape Echo Legacy")},
                       {QStringLiteral("CFBundleIdentifier"), QStringLiteral("com.arturia.TapeEchoLegacy")},
                       {QStringLiteral("CFBundleShortVersionString"), QStringLiteral("1.0.0")}};
        nested.executable = ExecutableKind::thinX86_64;
        nested.resourceFiles = 4;
        nested.resourceBytes = 6'000'000;
        if (!writeBundle(root, nested))
            return false;
    }

    BundleSpec trashed;
    trashed.path = drive + QStringLiteral("/.Trashes/501/Deleted Synth.vst3");
    trashed.info = {{QStringLiteral("CFBundleName"), QStringLiteral("Deleted Synth")},
                    {QStringLiteral("CFBundleExecutable"), QStringLiteral("Deleted Synth")},
                    {QStringLiteral("CFBundleIdentifier"), QStringLiteral("com.korg.DeletedSynth")}};
    trashed.resourceFiles = 3;
    trashed.resourceBytes = 20'000'000;
    if (!writeBundle(root, trashed))
        return false;

    const QString aliasTarget = DemoLayout::systemPlugIns + QStringLiteral("/VST3/FabFilter Pro-Q 3.vst3");
    if (QFileInfo::exists(under(root, aliasTarget)) &&
        !makeSymlink(QStringLiteral("../../../../") + aliasTarget,
                     under(root, drive + QStringLiteral("/Plug-Ins/Aliases/Pro-Q 3.vst3"))))
        return false;
    if (!makeSymlink(QStringLiteral(".."), under(root, drive + QStringLiteral("/Backups/Latest"))))
        return false;

    const QByteArray settings = finderSettings();
    for (const QString& folder : {DemoLayout::systemPlugIns + QStringLiteral("/Components"),
                                  DemoLayout::systemPlugIns + QStringLiteral("/VST3"),
                                  DemoLayout::userPlugIns, drive, DemoLayout::samples}) {
        if (!writeFile(under(root, folder) + QStringLiteral("/.DS_Store"), settings))
            return false;
    }
    return writeFile(under(root, DemoLayout::systemPlugIns + QStringLiteral("/Components/Read Me.txt")),
                     "Audio Units installed for every account on this computer.\n");
}

QStringList skeleton() {
    QStringList folders;
    for (const QString& base : {DemoLayout::systemPlugIns, DemoLayout::userPlugIns}) {
        for (const char* format : {"Components", "VST", "VST3", "CLAP"})
            folders.append(base + u'/' + QLatin1StringView(format));
    }
    folders << DemoLayout::systemAvid << DemoLayout::drive << DemoLayout::samples;
    return folders;
}

DemoLibrary::Result failure(const QString& error) {
    DemoLibrary::Result result;
    result.error = error;
    return result;
}

} // namespace

DemoLibrary::Result DemoLibrary::write(const QString& rootPath, const Options& options) {
    if (options.bundles < 0 || options.bundles > maximumBundles)
        return failure(QStringLiteral("The number of bundles must be between 0 and %1.").arg(maximumBundles));
    const QString root = absolute(rootPath);
    const QFileInfo rootInfo(root);
    if (rootInfo.exists() && !rootInfo.isDir())
        return failure(QStringLiteral("%1 is a file, not a folder.").arg(root));
    if (rootInfo.isDir() &&
        !QDir(root).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
        return failure(QStringLiteral("The folder %1 is not empty; choose a new or empty folder.").arg(root));
    const auto cannotWrite = [&] {
        return failure(QStringLiteral("Could not write the sample library under %1.").arg(root));
    };

    for (const QString& folder : skeleton()) {
        if (!QDir().mkpath(under(root, folder)))
            return cannotWrite();
    }

    Result result;
    DemoStamps stamps;
    stamps.set(QString(), folderAge);
    // Past the hand-picked ones, one generated bundle in five is a Linux or Windows plug-in.
    const int linuxGenerated = qMax(0, options.bundles - defaultBundleCount) / 5;
    for (const DemoBundle& bundle : DemoCatalog::bundles(options.bundles - linuxGenerated, options.seed)) {
        if (!writeBundle(root, bundle.bundleSpec))
            return cannotWrite();
        stamps.set(bundle.bundleSpec.path, bundle.ageSeconds);
        ++result.bundles;
        result.brokenBundles += bundle.broken ? 1 : 0;
    }
    if (!writeSurroundings(root, stamps))
        return cannotWrite();
    const LinuxDemoTree::Result linuxTree = LinuxDemoTree::write(root, linuxGenerated, options.seed, stamps);
    if (!linuxTree.ok)
        return cannotWrite();
    result.bundles += linuxTree.bundles;
    result.linuxBundles = linuxTree.bundles;
    result.contentLibraries = DemoContent::write(root, options.seed, stamps);
    if (result.contentLibraries < 0)
        return cannotWrite();

    const QDateTime reference = options.reference.isValid()
                                    ? options.reference
                                    : QDateTime(QDateTime::currentDateTimeUtc().date(), QTime(0, 0), Qt::UTC);
    if (!stamps.apply(root, reference))
        return cannotWrite();
    result.files = stamps.files();
    result.logicalBytes = stamps.bytes();
    result.ok = true;
    return result;
}

DemoLibrary::Result DemoLibrary::write(const QString& root) {
    return write(root, Options{});
}

QString DemoLibrary::userName() {
    return DemoLayout::userName;
}

QString DemoLibrary::homeFolder(const QString& root) {
    return under(absolute(root), DemoLayout::home);
}

QString DemoLibrary::driveFolder(const QString& root) {
    return under(absolute(root), DemoLayout::drive);
}

QString DemoLibrary::contentFolder(const QString& root) {
    return under(absolute(root), DemoLayout::samples);
}

QStringList DemoLibrary::pluginFolders(const QString& root) {
    const QString base = absolute(root);
    QStringList folders{under(base, DemoLayout::systemPlugIns), under(base, DemoLayout::userPlugIns),
                        under(base, DemoLayout::systemAvid), under(base, DemoLayout::drive)};
    for (const QString& folder : LinuxDemoTree::pluginFolders())
        folders.append(under(base, folder));
    return folders;
}
