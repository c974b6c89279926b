#include "discovery/LinuxWindowsPluginReader.h"

#include "discovery/BinaryImageReader.h"
#include "discovery/BundleExtension.h"
#include "discovery/DirectoryReader.h"
#include "discovery/Lv2BundleReader.h"
#include "discovery/ModuleInfoReader.h"
#include "model/FilePathBytes.h"

#include <sys/stat.h>

#include <climits>
#include <cstdlib>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

enum class Entry { missing, file, folder, link };

Entry lentryAt(const QString& path)
{
    struct stat info {};
    if (::lstat(FilePathBytes::encode(path).constData(), &info) != 0)
        return Entry::missing;
    if (S_ISLNK(info.st_mode))
        return Entry::link;
    return S_ISDIR(info.st_mode) ? Entry::folder : Entry::file;
}

bool isRegularFile(const QString& path)
{
    struct stat info {};
    return ::stat(FilePathBytes::encode(path).constData(), &info) == 0 && S_ISREG(info.st_mode);
}

// The path through every symbolic link, so one file reached under two names has one identity;
// the path as given when it cannot be resolved.
QString resolved(const QString& path)
{
    char buffer[PATH_MAX];
    if (::realpath(FilePathBytes::encode(path).constData(), buffer))
        return FilePathBytes::decode(QByteArray(buffer));
    return path;
}

QString fileName(const QString& path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

QString parentOf(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash <= 0 ? u"/"_s : path.left(slash);
}

QString stem(const QString& path)
{
    return BundleExtension::removingExtension(fileName(path)).toString();
}

PluginArchitecture architectureOf(BinaryMachine machine)
{
    switch (machine) {
    case BinaryMachine::i386: return PluginArchitecture::x86;
    case BinaryMachine::x86_64: return PluginArchitecture::x86_64;
    case BinaryMachine::arm: return PluginArchitecture::arm32;
    case BinaryMachine::aarch64: return PluginArchitecture::arm64Generic;
    default: return PluginArchitecture::unknown;
    }
}

ScannedPlugin pluginAt(const QString& path, PluginFormat format, const QString& name)
{
    ScannedPlugin plugin;
    plugin.filePath = resolved(path);
    plugin.format = format;
    plugin.name = name;
    plugin.platform = PluginPlatform::linuxNative;
    return plugin;
}

void takeImage(ScannedPlugin& plugin, const BinaryImageInfo& image)
{
    plugin.architecture = architectureOf(image.machine);
    if (image.kind == BinaryImageKind::pe)
        plugin.platform = PluginPlatform::windows;
}

// VERSIONINFO where a Windows file carries it.
void takeVersionInfo(ScannedPlugin& plugin, const BinaryImageInfo& image)
{
    if (!image.productName.trimmed().isEmpty())
        plugin.name = image.productName.trimmed();
    plugin.publisher = image.companyName.trimmed();
    plugin.version = image.fileVersion.trimmed();
}

// A bundle's Contents holds a handful of entries; a hostile one with millions is cut short.
constexpr qsizetype maxFolderNames = 1024;

QStringList folderNames(const QString& folder)
{
    QStringList names;
    DirectoryReader reader(FilePathBytes::encode(folder), true);
    DirectoryReader::Entry entry;
    while (reader.isOpen() && names.size() < maxFolderNames && reader.next(entry))
        names.append(FilePathBytes::decode(entry.name));
    names.sort();
    return names;
}

// The binary folder of a VST3 bundle for one platform: the build for this kind of machine
// first, then the others in a fixed order.
QString binaryFolder(const QStringList& contents, const char* suffix, const QStringList& preferred)
{
    for (const QString& name : preferred)
        if (contents.contains(name))
            return name;
    for (const QString& name : contents)
        if (name.endsWith(QLatin1StringView(suffix)))
            return name;
    return {};
}

const QStringList windowsFolders{u"x86_64-win"_s, u"arm64ec-win"_s, u"arm64x-win"_s, u"arm64-win"_s, u"x86-win"_s, u"arm-win"_s};

QList<ScannedPlugin> vst3Plugins(const QString& bundle, const QString& binary, bool windows, const QString& binaryFolderName)
{
    ScannedPlugin base = pluginAt(bundle, PluginFormat::vst3, stem(bundle));
    const BinaryImageInfo image = BinaryImageReader::read(binary);
    takeImage(base, image);
    if (windows)
        base.platform = PluginPlatform::windows;
    // An ARM64EC image says x86-64 in its header; only its folder tells.
    if (binaryFolderName == u"arm64ec-win"_s)
        base.architecture = PluginArchitecture::arm64ec;
    const std::optional<ModuleInfo> info = ModuleInfoReader::read(base.filePath);
    if (!info || info->audioClasses.isEmpty()) {
        if (windows)
            takeVersionInfo(base, image);
        return {base};
    }
    QList<ScannedPlugin> plugins;
    for (const ModuleInfoClass& audioClass : info->audioClasses) {
        ScannedPlugin plugin = base;
        if (!audioClass.name.trimmed().isEmpty())
            plugin.name = audioClass.name.trimmed();
        plugin.publisher = audioClass.vendor.trimmed();
        plugin.version = audioClass.version.trimmed();
        plugin.category = audioClass.subCategories.join(u'|');
        plugin.pluginIdentifier = audioClass.cid;
        plugins.append(plugin);
    }
    return plugins;
}

LinuxWindowsPluginReader::Result vst3Folder(const QString& bundle)
{
    using LinuxWindowsPluginReader::Claim;
    const QString contents = bundle + u"/Contents"_s;
    const QStringList names = folderNames(contents);
    const QString linuxFolder = binaryFolder(names, "-linux", {u"x86_64-linux"_s});
    const QString windowsFolder = binaryFolder(names, "-win", windowsFolders);
    if (linuxFolder.isEmpty() && windowsFolder.isEmpty())
        return {};
    const QString name = stem(bundle);
    // A bridge's synced copy: a Linux stub beside a link to the Windows original's binaries.
    if (!linuxFolder.isEmpty() && !windowsFolder.isEmpty() && lentryAt(contents + u'/' + windowsFolder) == Entry::link) {
        const QString original = parentOf(parentOf(resolved(contents + u'/' + windowsFolder)));
        QList<ScannedPlugin> plugins =
            vst3Plugins(original, original + u"/Contents/"_s + windowsFolder + u'/' + stem(original) + u".vst3"_s, true,
                        windowsFolder);
        for (ScannedPlugin& plugin : plugins)
            plugin.isBridged = true;
        return {Claim::plugins, plugins};
    }
    if (!linuxFolder.isEmpty()) {
        const QString folder = contents + u'/' + linuxFolder;
        QString binary = folder + u'/' + name + u".so"_s;
        // Some builds name the binary differently from the bundle: any shared object will do.
        if (!isRegularFile(binary)) {
            for (const QString& other : folderNames(folder)) {
                if (other.endsWith(u".so"_s)) {
                    binary = folder + u'/' + other;
                    break;
                }
            }
        }
        return {Claim::plugins, vst3Plugins(bundle, binary, false, linuxFolder)};
    }
    const QString binary = contents + u'/' + windowsFolder + u'/' + name + u".vst3"_s;
    return {Claim::plugins, vst3Plugins(bundle, binary, true, windowsFolder)};
}

QList<ScannedPlugin> lv2Plugins(const QString& bundle)
{
    QList<ScannedPlugin> plugins;
    const QString path = resolved(bundle);
    for (const Lv2Plugin& lv2 : Lv2BundleReader::read(path).plugins) {
        ScannedPlugin plugin = pluginAt(path, PluginFormat::lv2, lv2.name.trimmed().isEmpty() ? stem(bundle) : lv2.name.trimmed());
        plugin.publisher = lv2.publisher.trimmed();
        plugin.version = lv2.version;
        plugin.category = lv2.category;
        plugin.pluginIdentifier = lv2.uri;
        if (!lv2.binaryPath.isEmpty())
            takeImage(plugin, BinaryImageReader::read(lv2.binaryPath));
        plugins.append(plugin);
    }
    return plugins;
}

QList<ScannedPlugin> clapFile(const QString& path, bool bridged)
{
    const BinaryImageInfo image = BinaryImageReader::read(path);
    if ((image.kind != BinaryImageKind::elf && image.kind != BinaryImageKind::pe) || !image.exports("clap_entry"))
        return {};
    ScannedPlugin plugin = pluginAt(path, PluginFormat::clap, stem(path));
    takeImage(plugin, image);
    if (image.kind == BinaryImageKind::pe) {
        plugin.publisher = image.companyName.trimmed();
        plugin.version = image.fileVersion.trimmed();
    }
    plugin.isBridged = bridged;
    return {plugin};
}

// A shared object is a plug-in only when it exports a format's entry point; the folder's
// convention decides between formats, and `main` alone counts only in a VST 2 folder.
QList<ScannedPlugin> sharedObject(const QString& path, std::optional<PluginFormat> folderFormat, bool windows)
{
    const BinaryImageInfo image = BinaryImageReader::read(path);
    const BinaryImageKind expected = windows ? BinaryImageKind::pe : BinaryImageKind::elf;
    if (image.kind != expected)
        return {};
    const bool vst = image.exports("VSTPluginMain") || (image.exports("main") && folderFormat == PluginFormat::vst);
    const bool ladspa = !windows && image.exports("ladspa_descriptor");
    std::optional<PluginFormat> format;
    if (folderFormat == PluginFormat::ladspa && ladspa)
        format = PluginFormat::ladspa;
    else if (vst)
        format = PluginFormat::vst;
    else if (ladspa)
        format = PluginFormat::ladspa;
    if (!format)
        return {};
    ScannedPlugin plugin = pluginAt(path, *format, stem(path));
    takeImage(plugin, image);
    if (windows) {
        takeVersionInfo(plugin, image);
        // Inline bridging: the bridge's Linux stub sits beside the DLL.
        plugin.isBridged = lentryAt(parentOf(path) + u'/' + stem(path) + u".so"_s) != Entry::missing;
    }
    return {plugin};
}

bool hasSuffix(const char* name, const char* suffix)
{
    const std::size_t length = std::strlen(name);
    const std::size_t suffixLength = std::strlen(suffix);
    return length > suffixLength && ::strcasecmp(name + length - suffixLength, suffix) == 0;
}

} // namespace

namespace LinuxWindowsPluginReader {

bool mayClaim(const char* name)
{
    for (const char* suffix : {".vst3", ".clap", ".lv2", ".so", ".dll"})
        if (hasSuffix(name, suffix))
            return true;
    return false;
}

bool claimsFolder(const char* name)
{
    return hasSuffix(name, ".lv2");
}

Result read(const QString& path, bool isFolderEntry, std::optional<PluginFormat> folderFormat)
{
    const QString extension = BundleExtension::extensionOf(fileName(path)).toString().toLower();
    if (extension == u"lv2"_s)
        return isFolderEntry ? Result{Claim::plugins, lv2Plugins(path)} : Result{};
    if (extension == u"vst3"_s) {
        if (isFolderEntry)
            return vst3Folder(path);
        const BinaryImageInfo image = BinaryImageReader::read(path);
        if (image.kind != BinaryImageKind::pe)
            return {};
        return {Claim::plugins, vst3Plugins(path, path, true, {})};
    }
    if (extension == u"clap"_s) {
        if (isFolderEntry) {
            // A macOS bundle keeps its own rules; any other folder named *.clap is walked.
            if (isRegularFile(path + u"/Contents/Info.plist"_s))
                return {};
            return {Claim::walkInside, {}};
        }
        // A bridge's synced copy: the Linux stub beside a link to the Windows original.
        const QString original = path + u"-win"_s;
        if (lentryAt(original) != Entry::missing)
            return {Claim::plugins, clapFile(resolved(original), true)};
        return {Claim::plugins, clapFile(path, false)};
    }
    if (isFolderEntry)
        return {};
    if (extension == u"so"_s) {
        // A bridge's VST 2 stub stands for the DLL beside it, which is described on its own.
        if (lentryAt(parentOf(path) + u'/' + stem(path) + u".dll"_s) != Entry::missing)
            return {Claim::plugins, {}};
        return {Claim::plugins, sharedObject(path, folderFormat, false)};
    }
    if (extension == u"dll"_s)
        return {Claim::plugins, sharedObject(path, folderFormat, true)};
    return {};
}

} // namespace LinuxWindowsPluginReader
