#include "discovery/LinuxPluginFolders.h"

#include "discovery/DirectoryReader.h"
#include "model/FilePathBytes.h"

#include <QSet>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

bool isFolder(const QString& path)
{
    struct stat info {};
    return ::stat(FilePathBytes::encode(path).constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

QString joined(const QString& base, const QString& relative)
{
    return base.endsWith(u'/') ? base + relative : base + u'/' + relative;
}

// The children of `folder` for which `accept` holds, in name order.
template <typename Accept> QStringList childFolders(const QString& folder, Accept accept)
{
    QStringList names;
    DirectoryReader reader(FilePathBytes::encode(folder), true);
    DirectoryReader::Entry entry;
    while (reader.isOpen() && reader.next(entry)) {
        const QString name = FilePathBytes::decode(entry.name);
        if (accept(name) && isFolder(joined(folder, name)))
            names.append(name);
    }
    names.sort();
    return names;
}

QString formatName(PluginFormat format)
{
    return format == PluginFormat::vst ? u"VST 2"_s : rawValue(format);
}

class Collector {
public:
    void add(const QString& path, PluginFormat format, const QString& explanation)
    {
        if (path.isEmpty() || m_paths.contains(path) || !isFolder(path))
            return;
        m_paths.insert(path);
        m_folders.append({path, format, explanation});
    }
    QList<PluginFolder> folders() const { return m_folders; }

private:
    QSet<QString> m_paths;
    QList<PluginFolder> m_folders;
};

void addWinePrefix(Collector& collector, const QString& prefix)
{
    for (const QString& programFiles : {u"Program Files"_s, u"Program Files (x86)"_s}) {
        const QString base = joined(prefix, u"drive_c/"_s + programFiles);
        const QString where = u" in the Wine prefix "_s + prefix;
        collector.add(joined(base, u"Common Files/VST3"_s), PluginFormat::vst3, u"Windows VST3 plug-ins"_s + where);
        collector.add(joined(base, u"Common Files/CLAP"_s), PluginFormat::clap, u"Windows CLAP plug-ins"_s + where);
        // Installers spell it VstPlugins, VSTPlugins or vstplugins.
        const auto isVstPlugins = [](const QString& name) { return name.compare(u"VstPlugins"_s, Qt::CaseInsensitive) == 0; };
        const auto isSteinberg = [](const QString& name) { return name.compare(u"Steinberg"_s, Qt::CaseInsensitive) == 0; };
        for (const QString& steinberg : childFolders(base, isSteinberg))
            for (const QString& name : childFolders(joined(base, steinberg), isVstPlugins))
                collector.add(joined(base, steinberg + u'/' + name), PluginFormat::vst, u"Windows VST 2 plug-ins"_s + where);
        for (const QString& name : childFolders(base, isVstPlugins))
            collector.add(joined(base, name), PluginFormat::vst, u"Windows VST 2 plug-ins"_s + where);
    }
}

} // namespace

namespace LinuxPluginFolders {

QList<PluginFolder> existing(const ScanRoots& roots)
{
    Collector collector;
    const QStringList triplets =
        childFolders(roots.underSystem(u"/usr/lib"_s), [](const QString& name) { return name.contains(u"-linux-"_s); });
    const std::pair<const char*, PluginFormat> kinds[] = {
        {"vst3", PluginFormat::vst3}, {"clap", PluginFormat::clap}, {"lv2", PluginFormat::lv2},
        {"vst", PluginFormat::vst},   {"lxvst", PluginFormat::vst}, {"ladspa", PluginFormat::ladspa},
    };
    for (const auto& [folder, format] : kinds) {
        const QString name = QLatin1StringView(folder);
        const QString what = formatName(format) + u" plug-ins"_s;
        collector.add(roots.underSystem(u"/usr/lib/"_s + name), format, u"System "_s + what);
        collector.add(roots.underSystem(u"/usr/local/lib/"_s + name), format, u"Locally installed "_s + what);
        if (format == PluginFormat::lv2 || format == PluginFormat::ladspa)
            for (const QString& triplet : triplets)
                collector.add(roots.underSystem(u"/usr/lib/"_s + triplet + u'/' + name), format,
                              u"System "_s + what + u" ("_s + triplet + u')');
    }
    for (const auto& [folder, format] : kinds)
        collector.add(roots.underHome(u"."_s + QLatin1StringView(folder)), format,
                      formatName(format) + u" plug-ins installed for your account"_s);
    addWinePrefix(collector, roots.underHome(u".wine"_s));
    if (!roots.winePrefix.isEmpty())
        addWinePrefix(collector, roots.winePrefix);
    for (auto it = roots.environmentFolders.cbegin(); it != roots.environmentFolders.cend(); ++it)
        for (const QString& path : it.value())
            collector.add(path, it.key(), formatName(it.key()) + u" plug-ins named by the environment"_s);
    return collector.folders();
}

std::optional<PluginFormat> formatOf(const QList<PluginFolder>& folders, const QString& path)
{
    std::optional<PluginFormat> format;
    qsizetype closest = -1;
    for (const PluginFolder& folder : folders) {
        const bool holds = path == folder.path || path.startsWith(joined(folder.path, QString()));
        if (holds && folder.path.size() > closest) {
            closest = folder.path.size();
            format = folder.format;
        }
    }
    return format;
}

} // namespace LinuxPluginFolders
