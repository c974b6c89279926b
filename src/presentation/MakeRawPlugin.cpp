#include "presentation/MakeRawPlugin.h"

#include "model/PluginInstall.h"
#include "model/PluginRecord.h"
#include "model/RowDateFormat.h"
#include "presentation/InstantCache.h"
#include "presentation/RowLabels.h"

namespace {

RawPlugin rowWithoutDates(const PluginInstall& install, const PluginRecord& record)
{
    RawPlugin row;
    row.name = record.name();
    row.publisher = record.publisher();
    row.version = install.version();
    row.type = formatLabel(install.format());
    row.archs = architectureLabel(install.architecture());
    // Rosetta and the Apple Silicon sections are about Macs: a Linux or Windows build says where
    // it runs, so an x86-64 .so is never taken for an Intel-only Mac plug-in.
    if (install.platform() != PluginPlatform::macOS && !row.archs.isEmpty())
        row.archs = rawValue(install.architecture()) + QStringLiteral(" (") + rawValue(install.platform()) + u')';
    row.size = QString::number(install.fileSize());
    row.pluginID = install.bundleID();
    row.path = install.filePath();
    return row;
}

} // namespace

RawPlugin makeRawPlugin(const PluginInstall& install, const PluginRecord& record)
{
    RawPlugin row = rowWithoutDates(install, record);
    row.dated = formatRowDate(install.dateModified());
    row.installed = formatRowDate(install.installDate());
    return row;
}

RawPlugin makeRawPlugin(const PluginInstall& install, const PluginRecord& record, InstantCache& instants)
{
    RawPlugin row = rowWithoutDates(install, record);
    row.dated = instants.rowDateText(install.dateModified());
    row.installed = instants.rowDateText(install.installDate());
    return row;
}

void appendRawPlugins(const PluginRecord& record, QList<RawPlugin>& rows, InstantCache& instants)
{
    for (const PluginInstall* install : record.installs())
        if (install->isFound())
            rows.append(makeRawPlugin(*install, record, instants));
}
