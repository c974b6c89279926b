#include "RawDatabase.h"
#include "StoreTesting.h"

#include "model/CatalogSchema.h"
#include "model/CatalogStore.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Files that are not catalogues this program can read are refused before anything is written:
// same bytes, and no journal files beside them.
TEST(CatalogRefusalTest, ForeignAndUnreadableFilesAreRefusedUntouched)
{
    const QString current = QLatin1StringView(CatalogSchema::version);
    const QString metadata =
        QStringLiteral("CREATE TABLE Metadata (\"key\" TEXT PRIMARY KEY, \"value\" TEXT); "
                       "INSERT INTO Metadata VALUES ('schemaVersion', '%1')");
    struct Case {
        const char* name;
        QStringList statements;
        QString reason;
    };
    const QString notOurs = QStringLiteral("the file is not a plug-in catalogue.");
    const Case cases[] = {
        {"a foreign file with a metadata table of the current version",
         metadata.arg(current).split(QStringLiteral("; ")) + QStringList{QStringLiteral("CREATE TABLE Notes (t TEXT)")},
         notOurs},
        {"a version that is no version", metadata.arg(QStringLiteral("banana")).split(QStringLiteral("; ")),
         QStringLiteral("it is not a catalogue this program can read (its schema version is \"banana\").")},
        {"a version with a control character", metadata.arg(QStringLiteral("1.0\x1b")).split(QStringLiteral("; ")),
         QStringLiteral("it is not a catalogue this program can read (its schema version is \"1.0\x1b\").")},
        {"a newer version", metadata.arg(QStringLiteral("99.0.0")).split(QStringLiteral("; ")),
         QStringLiteral("it was written by a newer version of the application (schema 99.0.0; this version reads %1).")
             .arg(current)},
    };
    for (const Case& test : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("foreign.sqlite"));
        {
            RawDatabase raw(path);
            for (const QString& statement : test.statements)
                ASSERT_TRUE(raw.exec(statement)) << test.name << raw.lastError().toStdString();
        }
        const QByteArray before = StoreTesting::fileBytes(path);
        QString error;
        EXPECT_FALSE(CatalogStore::open(path, &error)) << test.name;
        EXPECT_EQ(error, QStringLiteral("The catalogue \"%1\" cannot be opened: %2").arg(path, test.reason)) << test.name;
        EXPECT_EQ(StoreTesting::fileBytes(path), before) << test.name;
        EXPECT_FALSE(QFile::exists(path + QStringLiteral("-wal"))) << test.name;
        EXPECT_FALSE(QFile::exists(path + QStringLiteral("-shm"))) << test.name;
    }
}

TEST(CatalogRefusalTest, AnEmptyPathIsNoCatalogue)
{
    QString error;
    EXPECT_FALSE(CatalogStore::open(QString(), &error));
    EXPECT_EQ(error, QStringLiteral("No catalogue file was given."));
}

} // namespace
