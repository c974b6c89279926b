#include "presentation/MakeRawPlugin.h"

#include "model/PluginInstall.h"
#include "model/PluginRecord.h"
#include "model/RowDateFormat.h"
#include "presentation/RowLabels.h"

RawPlugin makeRawPlugin(const PluginInstall& install, const PluginRecord& record)
{
    RawPlugin row;
    row.name = record.name();
    row.publisher = record.publisher();
    row.version = install.version();
    row.type = formatLabel(install.format());
    row.archs = architectureLabel(install.architecture());
    row.dated = formatRowDate(install.dateModified());
    row.installed = formatRowDate(install.installDate());
    row.size = QString::number(install.fileSize());
    row.pluginID = install.bundleID();
    row.path = install.filePath();
    return row;
}

void appendRawPlugins(const PluginRecord& record, QList<RawPlugin>& rows)
{
    for (const PluginInstall* install : record.installs())
        if (install->isFound())
            rows.append(makeRawPlugin(*install, record));
}
