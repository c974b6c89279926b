#include "CatalogFixture.h"

#include "presentation/LibraryJsonExporter.h"

#include "support/QtPrinters.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimeZone>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class LibraryJsonExporterTest : public CatalogFixture {
protected:
    static QJsonArray parsed(const QString& text)
    {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
        EXPECT_TRUE(document.isArray()) << text.toStdString();
        return document.array();
    }
};

TEST_F(LibraryJsonExporterTest, OneObjectPerInstallInTheCsvOrderWithNotFoundInstalls)
{
    PluginRecord* zeta = addRecord(QStringLiteral("zeta"), QStringLiteral("Example"));
    PluginRecord* proQ = addRecord(QStringLiteral("Pro-Q 3"), QStringLiteral("FabFilter"));
    InstallSpec vst3;
    vst3.format = PluginFormat::vst3;
    vst3.architecture = PluginArchitecture::universal;
    // Past 2^53: a size must stay an exact integer, not pass through a double.
    vst3.fileSize = 9'007'199'254'740'993;
    vst3.dateModified = QDateTime(QDate(2025, 1, 1), QTime(1, 30), QTimeZone(7200));
    vst3.installDate = QDateTime();
    vst3.status = InstallStatus::notFound;
    vst3.version = QStringLiteral("3.0");
    vst3.bundleID = QStringLiteral("com.fabfilter.Pro-Q.3");
    vst3.filePath = QStringLiteral("/Library/Audio/Plug-Ins/VST3/FabFilter Pro-Q 3.vst3");
    addInstall(proQ, vst3);
    addInstall(proQ, PluginFormat::au);
    addInstall(zeta, PluginFormat::clap);
    addRecord(QStringLiteral("Alpha"), QStringLiteral("No installs"));

    const QString text = LibraryJsonExporter::jsonText(records());
    EXPECT_TRUE(text.contains(QStringLiteral("\"fileSize\": 9007199254740993,"))) << text.toStdString();
    const QJsonArray rows = parsed(text);
    const QJsonObject expectedVst3{
        {QStringLiteral("name"), QStringLiteral("Pro-Q 3")},
        {QStringLiteral("publisher"), QStringLiteral("FabFilter")},
        {QStringLiteral("version"), QStringLiteral("3.0")},
        {QStringLiteral("format"), QStringLiteral("VST3")},
        {QStringLiteral("architecture"), QStringLiteral("Universal")},
        {QStringLiteral("dateModified"), QStringLiteral("2024-12-31T23:30:00.000Z")},
        {QStringLiteral("installDate"), QJsonValue::Null},
        {QStringLiteral("fileSize"), qint64(9'007'199'254'740'993)},
        {QStringLiteral("bundleID"), QStringLiteral("com.fabfilter.Pro-Q.3")},
        {QStringLiteral("filePath"), QStringLiteral("/Library/Audio/Plug-Ins/VST3/FabFilter Pro-Q 3.vst3")},
        {QStringLiteral("status"), QStringLiteral("notFound")},
    };
    QStringList order;
    for (const QJsonValue& row : rows)
        order.append(row[u"name"_s].toString() + u' ' + row[u"format"_s].toString() + u' ' + row[u"status"_s].toString());
    EXPECT_EQ(order, (QStringList{u"Pro-Q 3 AU found"_s, u"Pro-Q 3 VST3 notFound"_s, u"zeta CLAP found"_s}));
    EXPECT_EQ(rows[0][u"installDate"_s], u"2024-03-10T12:00:00.000Z"_s);
    EXPECT_EQ(rows[1].toObject(), expectedVst3);
}

TEST_F(LibraryJsonExporterTest, TextsComeBackExactlyWhateverTheyHold)
{
    const QStringList texts{
        QStringLiteral("Say \"Hi\", Now"),
        QStringLiteral("back\\slash and /slash"),
        QStringLiteral("line\nbreak\ttab\rreturn"),
        QString(QChar(0x01)) + QStringLiteral("control") + QChar(0x1F) + QChar(0x7F),
        QStringLiteral("Ünïcödé — 音 \U0001F3B9 \u202Eright-to-left"),
        QStringLiteral("</script><!-- ]]>"),
    };
    for (const QString& text : texts) {
        PluginRecord* record = addRecord(text, text);
        InstallSpec install;
        install.version = text;
        install.bundleID = text;
        install.filePath = QStringLiteral("/p/") + text;
        addInstall(record, install);
        const QJsonArray rows = parsed(LibraryJsonExporter::jsonText({record}));
        ASSERT_EQ(rows.size(), 1);
        const QJsonObject row = rows[0].toObject();
        for (const char* key : {"name", "publisher", "version", "bundleID"})
            EXPECT_EQ(row.value(QLatin1StringView(key)).toString(), text) << key;
        EXPECT_EQ(row.value(QStringLiteral("filePath")).toString(), QStringLiteral("/p/") + text);
    }
}

TEST_F(LibraryJsonExporterTest, AnEmptyListIsAnEmptyArray)
{
    EXPECT_TRUE(parsed(LibraryJsonExporter::jsonText({})).isEmpty());
    EXPECT_TRUE(parsed(LibraryJsonExporter::jsonText({addRecord(QStringLiteral("A"), QStringLiteral("B"))})).isEmpty());
}

} // namespace
