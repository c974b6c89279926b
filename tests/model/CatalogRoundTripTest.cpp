#include "support/RawDatabase.h"
#include "support/TemporaryCatalogue.h"

#include "model/CatalogStore.h"

#include <QMetaProperty>
#include <QSequentialIterable>

#include <gtest/gtest.h>

#include <limits>

namespace {

const QDateTime modified = QDateTime::fromMSecsSinceEpoch(1'704'067'200'123);   // 2024-01-01, .123 s
const QDateTime installed = QDateTime::fromMSecsSinceEpoch(-86'400'001);         // before 1970
const QDateTime scanned = QDateTime::fromMSecsSinceEpoch(4'102'444'800'999);     // 2100
constexpr qint64 maxBytes = std::numeric_limits<qint64>::max();
constexpr qint64 beyondDouble = (qint64(1) << 53) + 1;
const QByteArray bookmark("\x00\x01\xff bookmark \x00", 14);

class CatalogRoundTripTest : public TemporaryCatalogue {
protected:
    // One object of every type with every field away from its default.
    void fill(CatalogStore& store)
    {
        auto* echo = store.insert(new PluginRecord(QStringLiteral("Echo Ünïcode ✓"), QStringLiteral("Acme")));
        echo->setDisplayVersion(QStringLiteral("2.1"));
        echo->setCategory(QStringLiteral("Delay"));
        echo->setBundleDescription(QStringLiteral("A tape echo.\nTwo lines."));
        echo->setIsFavorite(true);
        echo->setNotes(QStringLiteral("quote ' and \" and ;"));
        auto* verb = store.insert(new PluginRecord(QStringLiteral("Verb"), QString()));

        auto* vst3 = store.insert(new PluginInstall(QStringLiteral("/Library/Echo.vst3"), PluginFormat::vst3));
        vst3->setBundleID(QStringLiteral("com.acme.echo"));
        vst3->setVersion(QStringLiteral("2.1.0"));
        vst3->setArchitecture(PluginArchitecture::x86_64);
        vst3->setFileSize(maxBytes);
        vst3->setDateModified(modified);
        vst3->setInstallDate(installed);
        vst3->setStatus(InstallStatus::notFound);
        vst3->setAuComponentType(QStringLiteral("aufx"));
        vst3->setAuComponentSubType(QStringLiteral("echo"));
        vst3->setAuComponentManufacturer(QStringLiteral("Acme"));
        auto* au = store.insert(new PluginInstall(QStringLiteral("/Library/Echo.component"), PluginFormat::au));
        au->setArchitecture(PluginArchitecture::arm64);
        au->setFileSize(beyondDouble);
        auto* clap = store.insert(new PluginInstall(QStringLiteral("/Library/Verb.clap"), PluginFormat::clap));
        clap->setFileSize(-1);
        // Relationship order is joining order, not id order.
        au->setGroup(echo);
        vst3->setGroup(echo);
        clap->setGroup(echo);
        clap->setGroup(verb);

        auto* gain = store.insert(new PluginParameter);
        gain->setName(QStringLiteral("Gain"));
        gain->setIdentifier(QStringLiteral("gain"));
        gain->setMinValue(-96.5f);
        gain->setMaxValue(12.25f);
        gain->setDefaultValue(0.1f);
        gain->setUnit(QStringLiteral("dB"));
        gain->setInstall(vst3);

        auto* drums = store.insert(new Tag(QStringLiteral("Drums")));
        auto* favourites = store.insert(new Tag(QStringLiteral("Favourites")));
        store.insert(new Tag(QStringLiteral("Unused")));
        echo->addTag(favourites);
        echo->addTag(drums);
        verb->addTag(drums);

        store.insert(new ScanBookmark(QStringLiteral("/Library/Audio/Plug-Ins"), bookmark));
        store.insert(new ScanBookmark(QStringLiteral("/empty"), QByteArray()));

        auto* folder = store.insert(new ContentLibraryFolder(QStringLiteral("/Samples"), QStringLiteral("Samples"),
                                                             QStringLiteral("Various"), bookmark));
        folder->setTotalBytes(maxBytes);
        folder->setLastScannedAt(scanned);
        folder->setStatus(ContentLibraryStatus::notFound);
        store.insert(new ContentLibraryFolder(QStringLiteral("/Never"), QStringLiteral("Never")));

        auto* item = store.insert(new ContentLibraryItem);
        item->setRootPath(QStringLiteral("/Samples"));
        item->setPath(QStringLiteral("/Samples/Acme/Kit"));
        item->setName(QStringLiteral("Kit"));
        item->setPublisher(QStringLiteral("Acme"));
        item->setTotalBytes(beyondDouble);
        item->setLastScannedAt(modified);
        item->setStatus(ContentLibraryStatus::notFound);
    }
};

// Every property of every object, keyed by type, id and name; related objects stand as their ids.
QMap<QString, QVariant> snapshot(const CatalogStore& store)
{
    QMap<QString, QVariant> values;
    const auto idOf = [](const QVariant& value) {
        const auto* object = qobject_cast<const CatalogObject*>(value.value<QObject*>());
        return object ? object->id() : qint64(-1);
    };
    const auto add = [&](const auto& objects) {
        for (const QObject* object : objects) {
            const QMetaObject* meta = object->metaObject();
            const QString prefix = QStringLiteral("%1#%2.").arg(QLatin1StringView(meta->className()))
                                       .arg(qobject_cast<const CatalogObject*>(object)->id());
            for (int i = 0; i < meta->propertyCount(); ++i) {
                const QMetaProperty property = meta->property(i);
                QVariant value = property.read(object);
                if (value.metaType().flags() & QMetaType::PointerToQObject)
                    value = idOf(value);
                else if (QByteArray(property.typeName()).endsWith("*>")) {
                    QList<qint64> ids;
                    for (const QVariant& element : value.value<QSequentialIterable>())
                        ids.append(idOf(element));
                    value = QVariant::fromValue(ids);
                }
                values.insert(prefix + QLatin1StringView(property.name()), value);
            }
        }
    };
    add(store.records());
    add(store.installs());
    add(store.parameters());
    add(store.tags());
    add(store.scanBookmarks());
    add(store.contentFolders());
    add(store.contentItems());
    return values;
}

void expectSame(const QMap<QString, QVariant>& reopened, const QMap<QString, QVariant>& saved)
{
    ASSERT_EQ(reopened.keys(), saved.keys());
    for (auto it = saved.cbegin(); it != saved.cend(); ++it)
        EXPECT_TRUE(reopened.value(it.key()) == it.value())
            << it.key().toStdString() << ": " << it.value().toString().toStdString() << " became "
            << reopened.value(it.key()).toString().toStdString();
}

TEST_F(CatalogRoundTripTest, ReopenGivesTheSameObjectsRelationshipsAndValuesAfterInsertsAndUpdates)
{
    fill(*m_store);
    ASSERT_TRUE(m_store->save());
    QMap<QString, QVariant> saved = snapshot(*m_store);
    reopen();
    EXPECT_FALSE(m_store->hasChanges());
    expectSame(snapshot(*m_store), saved);
    // The snapshot holds what fill() wrote, an object of every type.
    EXPECT_EQ((QList<qsizetype>{m_store->records().size(), m_store->installs().size(), m_store->parameters().size(),
                                m_store->tags().size(), m_store->scanBookmarks().size(),
                                m_store->contentFolders().size(), m_store->contentItems().size()}),
              (QList<qsizetype>{2, 3, 1, 3, 2, 2, 1}));

    // Updates of stored objects, links and their order included, persist the same way.
    PluginRecord* echo = m_store->fetch<PluginRecord>("publisher", QStringLiteral("Acme")).value(0);
    PluginRecord* verb = m_store->fetch<PluginRecord>("name", QStringLiteral("Verb")).value(0);
    ASSERT_TRUE(echo && verb);
    echo->setNotes(QStringLiteral("changed"));
    echo->installs()[0]->setGroup(verb);
    echo->removeTag(echo->tags()[0]);
    verb->addTag(m_store->insert(new Tag(QStringLiteral("New"))));
    ASSERT_TRUE(m_store->save());
    ASSERT_EQ(verb->installs().size(), 2);
    saved = snapshot(*m_store);
    reopen();
    expectSame(snapshot(*m_store), saved);
}

TEST_F(CatalogRoundTripTest, FileHoldsNamedTablesRawEnumTextsAndSecondDates)
{
    fill(*m_store);
    ASSERT_TRUE(m_store->save());
    RawDatabase raw(path());
    EXPECT_EQ(raw.value(QStringLiteral("SELECT value FROM Metadata WHERE key = 'schemaVersion'")).toString(),
              QStringLiteral("1.1.0"));

    const auto columns = [&](const QString& table) {
        QStringList names;
        for (const QVariantList& row : raw.rows(QStringLiteral("PRAGMA table_info(\"%1\")").arg(table)))
            names.append(row[1].toString());
        return names;
    };
    EXPECT_EQ(columns(QStringLiteral("PluginRecord")),
              (QStringList{"id", "name", "publisher", "displayVersion", "category", "bundleDescription", "isFavorite",
                           "notes"}));
    EXPECT_EQ(columns(QStringLiteral("PluginInstall")),
              (QStringList{"id", "filePath", "format", "bundleID", "version", "architecture", "fileSize",
                           "dateModified", "installDate", "status", "group", "groupOrder", "auComponentType",
                           "auComponentSubType", "auComponentManufacturer", "platform", "pluginIdentifier",
                           "isBridged"}));
    EXPECT_EQ(columns(QStringLiteral("PluginParameter")),
              (QStringList{"id", "name", "identifier", "minValue", "maxValue", "defaultValue", "unit", "install",
                           "installOrder"}));
    EXPECT_EQ(columns(QStringLiteral("Tag")), (QStringList{"id", "name"}));
    EXPECT_EQ(columns(QStringLiteral("ScanBookmark")), (QStringList{"id", "path", "bookmarkData"}));
    EXPECT_EQ(columns(QStringLiteral("ContentLibraryFolder")),
              (QStringList{"id", "path", "name", "publisher", "bookmarkData", "totalBytes", "lastScannedAt", "status"}));
    EXPECT_EQ(columns(QStringLiteral("ContentLibraryItem")),
              (QStringList{"id", "rootPath", "path", "name", "publisher", "totalBytes", "lastScannedAt", "status"}));

    EXPECT_EQ(raw.rows(QStringLiteral("SELECT format, architecture, status FROM PluginInstall ORDER BY filePath")),
              (QList<QVariantList>{{"AU", "Apple Silicon", "found"},
                                   {"VST3", "Intel 64", "notFound"},
                                   {"CLAP", "Unknown", "found"}}));
    EXPECT_EQ(raw.rows(QStringLiteral("SELECT typeof(dateModified), dateModified, typeof(installDate), installDate, "
                                      "typeof(fileSize), fileSize FROM PluginInstall WHERE format = 'VST3'")),
              (QList<QVariantList>{{"real", 1'704'067'200.123, "real", -86'400.001, "integer", maxBytes}}));
    EXPECT_EQ(raw.rows(QStringLiteral("SELECT typeof(lastScannedAt), status FROM ContentLibraryFolder ORDER BY path")),
              (QList<QVariantList>{{"null", "found"}, {"real", "notFound"}}));
    EXPECT_EQ(raw.rows(QStringLiteral("SELECT typeof(bookmarkData), length(bookmarkData) FROM ScanBookmark ORDER BY "
                                      "path")),
              (QList<QVariantList>{{"blob", 14}, {"blob", 0}}));
    EXPECT_EQ(raw.value(QStringLiteral("SELECT count(*) FROM PluginRecord_tags")).toInt(), 3);
    EXPECT_EQ(raw.value(QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("wal"));
}

TEST_F(CatalogRoundTripTest, IdsAreNeverReusedAfterTheNewestObjectIsDeleted)
{
    m_store->insert(new Tag(QStringLiteral("a")));
    Tag* last = m_store->insert(new Tag(QStringLiteral("b")));
    const qint64 deletedId = last->id();
    ASSERT_TRUE(m_store->save());
    m_store->remove(last);
    ASSERT_TRUE(m_store->save());
    reopen();
    EXPECT_GT(m_store->insert(new Tag(QStringLiteral("c")))->id(), deletedId);
}

} // namespace
