#include "cli/PluginDetailText.h"

#include "cli/TextTable.h"
#include "model/AbbreviatedDate.h"
#include "model/ByteCountFormat.h"
#include "model/PluginInstall.h"
#include "model/PluginRecord.h"
#include "presentation/CardTexts.h"
#include "presentation/PluginGroup.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString emDash = QStringLiteral("\u2014");
constexpr int installIndent = 4;

QString orDash(const QString& text) {
    return text.isEmpty() ? emDash : text;
}

// Every line of a possibly multi-line text, indented by two blanks.
QString indented(const QString& text) {
    QString out;
    for (const QString& line : text.split(u'\n'))
        out += QStringLiteral("  ") + line + u'\n';
    return out;
}

QString platformText(const PluginInstall& install) {
    const QString platform = rawValue(install.platform());
    return install.isBridged() ? platform + QStringLiteral(", bridged into Linux hosts") : platform;
}

QString installText(const PluginInstall& install) {
    QStringList heading{rawValue(install.format()), rawValue(install.architecture())};
    if (!install.isFound())
        heading.append(QStringLiteral("Not Found"));
    heading.append(formatByteCount(install.fileSize()));

    TextTable rows({QString(), QString()});
    rows.setHeaderShown(false);
    rows.setIndent(installIndent);
    rows.addRow({QStringLiteral("Platform:"), platformText(install)});
    rows.addRow({QStringLiteral("Path:"), orDash(install.filePath())});
    if (!install.pluginIdentifier().isEmpty())
        rows.addRow({QStringLiteral("Plug-in ID:"), install.pluginIdentifier()});
    rows.addRow({QStringLiteral("Bundle ID:"), orDash(install.bundleID())});
    rows.addRow({QStringLiteral("Version:"), orDash(install.version())});
    rows.addRow({QStringLiteral("Installed:"), orDash(formatAbbreviatedDate(install.installDate()))});
    rows.addRow({QStringLiteral("Modified:"), orDash(formatAbbreviatedDate(install.dateModified()))});
    return QStringLiteral("  ") + heading.join(QStringLiteral("  ")) + u'\n' + rows.toString();
}

QJsonValue isoDate(const QDateTime& date) {
    return date.isValid() ? QJsonValue(date.toUTC().toString(Qt::ISODateWithMs)) : QJsonValue();
}

QJsonObject installJson(const PluginInstall& install) {
    return {{QStringLiteral("format"), rawValue(install.format())},
            {QStringLiteral("architecture"), rawValue(install.architecture())},
            {QStringLiteral("platform"), rawValue(install.platform())},
            {QStringLiteral("isBridged"), install.isBridged()},
            {QStringLiteral("pluginIdentifier"), install.pluginIdentifier()},
            {QStringLiteral("status"), rawValue(install.status())},
            {QStringLiteral("fileSize"), install.fileSize()},
            {QStringLiteral("filePath"), install.filePath()},
            {QStringLiteral("bundleID"), install.bundleID()},
            {QStringLiteral("version"), install.version()},
            {QStringLiteral("installDate"), isoDate(install.installDate())},
            {QStringLiteral("dateModified"), isoDate(install.dateModified())}};
}

} // namespace

namespace PluginDetailText {

QString text(const PluginGroup& group, const PluginRecord& record) {
    QString out = group.name + u'\n' +
                  CardTexts::categoryText(group.name, group.publisher, record.category()) +
                  QStringLiteral(" \u00B7 ") + group.publisher + u'\n';
    const QString about = CardTexts::aboutText(record.name(), record.publisher(), record.bundleDescription());
    if (!about.isEmpty())
        out += QStringLiteral("\nAbout\n") + indented(about);

    TextTable facts({QString(), QString()});
    facts.setHeaderShown(false);
    facts.addRow({QStringLiteral("Publisher"), orDash(record.publisher())});
    facts.addRow({QStringLiteral("Version"), orDash(record.displayVersion())});
    facts.addRow({QStringLiteral("Updated"), orDash(record.lastModifiedText())});
    facts.addRow({QStringLiteral("Size"), orDash(record.totalSizeText())});
    facts.addRow(
        {QStringLiteral("Favorite"), record.isFavorite() ? QStringLiteral("yes") : QStringLiteral("no")});
    out += u'\n' + facts.toString();

    out += QStringLiteral("\nInstalled Formats\n");
    for (const PluginInstall* install : CardTexts::orderedInstalls(&record))
        out += installText(*install);

    out += QStringLiteral("\nNotes\n") + indented(orDash(record.notes()));
    const QStringList tags = CardTexts::sortedTagNames(&record);
    out += QStringLiteral("\nTags\n") + indented(tags.isEmpty() ? emDash : tags.join(QStringLiteral(", ")));
    return out;
}

QString json(const PluginGroup& group, const PluginRecord& record) {
    QJsonArray installs;
    for (const PluginInstall* install : CardTexts::orderedInstalls(&record))
        installs.append(installJson(*install));
    const QJsonObject object{
        {QStringLiteral("name"), group.name},
        {QStringLiteral("category"), CardTexts::categoryText(group.name, group.publisher, record.category())},
        {QStringLiteral("about"),
         CardTexts::aboutText(record.name(), record.publisher(), record.bundleDescription())},
        {QStringLiteral("publisher"), record.publisher()},
        {QStringLiteral("version"), record.displayVersion()},
        {QStringLiteral("updated"), record.lastModifiedText()},
        {QStringLiteral("size"), record.totalSizeText()},
        {QStringLiteral("isFavorite"), record.isFavorite()},
        {QStringLiteral("installs"), installs},
        {QStringLiteral("notes"), record.notes()},
        {QStringLiteral("tags"), QJsonArray::fromStringList(CardTexts::sortedTagNames(&record))}};
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented));
}

} // namespace PluginDetailText
