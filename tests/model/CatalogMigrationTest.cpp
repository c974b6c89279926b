#include "support/RawDatabase.h"
#include "StoreTesting.h"

#include "model/CatalogStore.h"
#include "model/PluginInstall.h"
#include "model/PluginRecord.h"
#include "model/Tag.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>


using namespace Qt::StringLiterals;

namespace {

// A catalogue written by the first released schema: the sample library's system folders
// granted and refreshed, then notes, tags and favourites set through the command line.
QString firstSchemaFile()
{
    // Ninja compiles from the build folder, whose bin/ holds the tests, and names sources from there.
    QString source = QString::fromUtf8(__FILE__);
    if (QFileInfo(source).isRelative())
        source = QCoreApplication::applicationDirPath() + u"/../"_s + source;
    return QFileInfo(source).absolutePath() + u"/data/catalog-1.0.0.sqlite"_s;
}

class CatalogMigrationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(QFile::copy(firstSchemaFile(), path()));
        ASSERT_TRUE(QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner));
    }
    QString path() const { return m_dir.filePath(u"catalog.sqlite"_s); }

    QTemporaryDir m_dir;
};

QStringList tagNames(const PluginRecord* record)
{
    QStringList names;
    for (const Tag* tag : record->tags())
        names.append(tag->name());
    names.sort();
    return names;
}

TEST_F(CatalogMigrationTest, FirstSchemaOpensUpgradedWithEveryUserEdit)
{
    {
        auto store = StoreTesting::openStore(path());
        ASSERT_TRUE(store);
        EXPECT_EQ(store->records().size(), 35);
        EXPECT_EQ(store->installs().size(), 46);
        // Records the user never touched carry nothing; the three edited ones carry every edit.
        QStringList edited;
        for (const PluginRecord* record : store->records())
            if (!record->notes().isEmpty() || record->isFavorite() || !record->tags().isEmpty())
                edited.append(QStringList{record->name(), record->notes(), record->isFavorite() ? u"favourite"_s : u""_s,
                                          tagNames(record).join(u',')}.join(u'|'));
        edited.sort();
        EXPECT_EQ(edited, (QStringList{u"Diva|Patches in ~/Diva|favourite|synth"_s,
                                       u"Kontakt 7|Main sampler — keep «the 7.10 update»||favourites-2024,sampler"_s,
                                       u"Pro-Q 3||favourite|eq,mixing"_s}));
        // Everything written before was a macOS bundle holding one plug-in.
        for (const PluginInstall* install : store->installs()) {
            EXPECT_EQ(install->platform(), PluginPlatform::macOS);
            EXPECT_TRUE(install->pluginIdentifier().isEmpty());
            EXPECT_FALSE(install->isBridged());
        }
        EXPECT_EQ(store->tags().size(), 5);
    }
    RawDatabase raw(path());
    EXPECT_EQ(raw.value(u"SELECT value FROM Metadata WHERE key = 'schemaVersion'"_s).toString(),
              CatalogStore::schemaVersion());
    // Opened again: already current, nothing to do.
    EXPECT_TRUE(StoreTesting::openStore(path()));
}

TEST_F(CatalogMigrationTest, FailedUpgradeLeavesTheFileAsItWas)
{
    {
        RawDatabase raw(path());
        // A step that cannot apply: the column it adds is there already.
        ASSERT_TRUE(raw.exec(u"ALTER TABLE PluginInstall ADD COLUMN isBridged INTEGER"_s)) << raw.lastError().toStdString();
    }
    const QByteArray before = StoreTesting::fileBytes(path());
    QString error;
    EXPECT_FALSE(CatalogStore::open(path(), &error));
    EXPECT_TRUE(error.startsWith(u"The catalogue \"%1\" cannot be opened: its upgrade from schema 1.0.0 to 1.1.0 failed, "
                                 u"and the file was left as it was"_s.arg(path())))
        << error.toStdString();
    EXPECT_EQ(StoreTesting::fileBytes(path()), before);
    RawDatabase raw(path());
    EXPECT_EQ(raw.value(u"SELECT value FROM Metadata WHERE key = 'schemaVersion'"_s).toString(), u"1.0.0"_s);
}

} // namespace
