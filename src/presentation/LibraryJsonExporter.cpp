#include "presentation/LibraryJsonExporter.h"

#include "model/PluginInstall.h"
#include "model/PluginRecord.h"
#include "presentation/ExportInstallRows.h"
#include "presentation/RowLabels.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonValue dateValue(const QDateTime& date)
{
    return date.isValid() ? QJsonValue(date.toUTC().toString(Qt::ISODateWithMs)) : QJsonValue(QJsonValue::Null);
}

} // namespace

namespace LibraryJsonExporter {

QString jsonText(const QList<PluginRecord*>& records)
{
    QJsonArray rows;
    for (const auto& [record, install] : ExportInstallRows::rows(records)) {
        rows.append(QJsonObject{
            {QStringLiteral("name"), record->name()},
            {QStringLiteral("publisher"), record->publisher()},
            {QStringLiteral("version"), install->version()},
            {QStringLiteral("format"), formatLabel(install->format())},
            {QStringLiteral("architecture"), rawValue(install->architecture())},
            {QStringLiteral("dateModified"), dateValue(install->dateModified())},
            {QStringLiteral("installDate"), dateValue(install->installDate())},
            {QStringLiteral("fileSize"), install->fileSize()},
            {QStringLiteral("bundleID"), install->bundleID()},
            {QStringLiteral("filePath"), install->filePath()},
            {QStringLiteral("status"), rawValue(install->status())},
        });
    }
    return QString::fromUtf8(QJsonDocument(rows).toJson(QJsonDocument::Indented));
}

} // namespace LibraryJsonExporter
