#include "cli/ScannedPluginText.h"

#include "cli/JsonText.h"
#include "cli/TextTable.h"
#include "model/ByteCountFormat.h"

namespace {

constexpr int sizeColumn = 5;

QString jsonDate(const QDateTime& date) {
    return date.isValid() ? JsonText::quoted(date.toUTC().toString(Qt::ISODateWithMs))
                          : QStringLiteral("null");
}

QString jsonObject(const ScannedPlugin& plugin) {
    using JsonText::quoted;
    return JsonText::object({
        {QStringLiteral("name"), quoted(plugin.name)},
        {QStringLiteral("publisher"), quoted(plugin.publisher)},
        {QStringLiteral("version"), quoted(plugin.version)},
        {QStringLiteral("format"), quoted(rawValue(plugin.format))},
        {QStringLiteral("architecture"), quoted(rawValue(plugin.architecture))},
        {QStringLiteral("filePath"), quoted(plugin.filePath)},
        {QStringLiteral("bundleID"), quoted(plugin.bundleID)},
        {QStringLiteral("fileSize"), QString::number(plugin.fileSize)},
        {QStringLiteral("dateModified"), jsonDate(plugin.dateModified)},
        {QStringLiteral("installDate"), jsonDate(plugin.installDate)},
        {QStringLiteral("category"), quoted(plugin.category)},
        {QStringLiteral("bundleDescription"), quoted(plugin.bundleDescription)},
        {QStringLiteral("auComponentType"), quoted(plugin.auComponentType)},
        {QStringLiteral("auComponentSubType"), quoted(plugin.auComponentSubType)},
        {QStringLiteral("auComponentManufacturer"), quoted(plugin.auComponentManufacturer)},
        {QStringLiteral("platform"), quoted(rawValue(plugin.platform))},
        {QStringLiteral("pluginIdentifier"), quoted(plugin.pluginIdentifier)},
        {QStringLiteral("isBridged"), plugin.isBridged ? QStringLiteral("true") : QStringLiteral("false")},
    });
}

} // namespace

namespace ScannedPluginText {

QString table(const QList<ScannedPlugin>& plugins) {
    if (plugins.isEmpty())
        return QStringLiteral("No plug-in bundles found.\n");
    TextTable table({QStringLiteral("Name"), QStringLiteral("Publisher"), QStringLiteral("Version"),
                     QStringLiteral("Format"), QStringLiteral("Architecture"), QStringLiteral("Size"),
                     QStringLiteral("Path")});
    table.setRightAligned(sizeColumn);
    qint64 total = 0;
    for (const ScannedPlugin& plugin : plugins) {
        table.addRow({plugin.name, plugin.publisher, plugin.version, rawValue(plugin.format),
                      rawValue(plugin.architecture), formatByteCount(plugin.fileSize), plugin.filePath});
        total += plugin.fileSize;
    }
    const QString count = plugins.size() == 1 ? QStringLiteral("1 plug-in bundle")
                                              : QStringLiteral("%1 plug-in bundles").arg(plugins.size());
    return table.toString() + QStringLiteral("\n%1, %2 in total\n").arg(count, formatByteCount(total));
}

QString json(const QList<ScannedPlugin>& plugins) {
    QStringList objects;
    objects.reserve(plugins.size());
    for (const ScannedPlugin& plugin : plugins)
        objects.append(jsonObject(plugin));
    return JsonText::array(objects);
}

} // namespace ScannedPluginText
