#include "RawDatabase.h"
#include "StoreTesting.h"

#include "model/CatalogStore.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>

namespace {

const QDateTime modified = QDateTime::fromMSecsSinceEpoch(1'704'067'200'123);   // 2024-01-01, .123 s
const QDateTime installed = QDateTime::fromMSecsSinceEpoch(-86'400'001);         // before 1970
const QDateTime scanned = QDateTime::fromMSecsSinceEpoch(4'102'444'800'999);     // 2100
constexpr qint64 maxBytes = std::numeric_limits<qint64>::max();
constexpr qint64 beyondDouble = (qint64(1) << 53) + 1;
const QByteArray bookmark("\x00\x01\xff bookmark \x00", 14);

class CatalogRoundTripTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    QString path() const { return m_dir.filePath(QStringLiteral("catalog.sqlite")); }

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

    QTemporaryDir m_dir;
};

template <typename T> T* only(const QList<T*>& list, const std::function<bool(T*)>& match)
{
    T* found = nullptr;
    for (T* object : list)
        if (match(object)) {
            EXPECT_EQ(found, nullptr);
            found = object;
        }
    EXPECT_NE(found, nullptr);
    return found;
}

TEST_F(CatalogRoundTripTest, ReopenGivesTheSameObjectsRelationshipsAndValues)
{
    QHash<QString, qint64> ids;
    {
        auto store = StoreTesting::openStore(path());
        ASSERT_TRUE(store);
        fill(*store);
        ASSERT_TRUE(store->save());
        for (const PluginRecord* r : store->records())
            ids.insert(QStringLiteral("record ") + r->name(), r->id());
        for (const PluginInstall* i : store->installs())
            ids.insert(i->filePath(), i->id());
    }
    auto store = StoreTesting::openStore(path());
    ASSERT_TRUE(store);
    ASSERT_EQ(store->records().size(), 2);
    ASSERT_EQ(store->installs().size(), 3);
    ASSERT_EQ(store->parameters().size(), 1);
    ASSERT_EQ(store->tags().size(), 3);
    ASSERT_EQ(store->scanBookmarks().size(), 2);
    ASSERT_EQ(store->contentFolders().size(), 2);
    ASSERT_EQ(store->contentItems().size(), 1);

    auto* echo = only<PluginRecord>(store->records(), [](auto* r) { return r->publisher() == "Acme"; });
    auto* verb = only<PluginRecord>(store->records(), [](auto* r) { return r->publisher().isEmpty(); });
    EXPECT_EQ(echo->name(), QStringLiteral("Echo Ünïcode ✓"));
    EXPECT_EQ(echo->displayVersion(), QStringLiteral("2.1"));
    EXPECT_EQ(echo->category(), QStringLiteral("Delay"));
    EXPECT_EQ(echo->bundleDescription(), QStringLiteral("A tape echo.\nTwo lines."));
    EXPECT_TRUE(echo->isFavorite());
    EXPECT_EQ(echo->notes(), QStringLiteral("quote ' and \" and ;"));
    EXPECT_FALSE(verb->isFavorite());
    EXPECT_EQ(echo->id(), ids.value(QStringLiteral("record ") + echo->name()));

    ASSERT_EQ(echo->installs().size(), 2);
    PluginInstall* au = echo->installs()[0];
    PluginInstall* vst3 = echo->installs()[1];
    EXPECT_EQ(au->filePath(), QStringLiteral("/Library/Echo.component"));
    EXPECT_EQ(vst3->filePath(), QStringLiteral("/Library/Echo.vst3"));
    EXPECT_EQ(vst3->id(), ids.value(vst3->filePath()));
    EXPECT_EQ(vst3->group(), echo);
    EXPECT_EQ(vst3->format(), PluginFormat::vst3);
    EXPECT_EQ(vst3->bundleID(), QStringLiteral("com.acme.echo"));
    EXPECT_EQ(vst3->version(), QStringLiteral("2.1.0"));
    EXPECT_EQ(vst3->architecture(), PluginArchitecture::x86_64);
    EXPECT_EQ(vst3->fileSize(), maxBytes);
    EXPECT_EQ(vst3->dateModified().toMSecsSinceEpoch(), modified.toMSecsSinceEpoch());
    EXPECT_EQ(vst3->installDate().toMSecsSinceEpoch(), installed.toMSecsSinceEpoch());
    EXPECT_EQ(vst3->status(), InstallStatus::notFound);
    EXPECT_EQ(vst3->auComponentType(), QStringLiteral("aufx"));
    EXPECT_EQ(vst3->auComponentSubType(), QStringLiteral("echo"));
    EXPECT_EQ(vst3->auComponentManufacturer(), QStringLiteral("Acme"));
    EXPECT_EQ(au->architecture(), PluginArchitecture::arm64);
    EXPECT_EQ(au->fileSize(), beyondDouble);
    ASSERT_EQ(verb->installs().size(), 1);
    EXPECT_EQ(verb->installs()[0]->format(), PluginFormat::clap);
    EXPECT_EQ(verb->installs()[0]->fileSize(), -1);

    ASSERT_EQ(vst3->parameters().size(), 1);
    const PluginParameter* gain = vst3->parameters()[0];
    EXPECT_EQ(gain->install(), vst3);
    EXPECT_EQ(gain->name(), QStringLiteral("Gain"));
    EXPECT_EQ(gain->identifier(), QStringLiteral("gain"));
    EXPECT_EQ(gain->minValue(), -96.5f);
    EXPECT_EQ(gain->maxValue(), 12.25f);
    EXPECT_EQ(gain->defaultValue(), 0.1f);
    EXPECT_EQ(gain->unit(), QStringLiteral("dB"));

    auto* drums = only<Tag>(store->tags(), [](auto* t) { return t->name() == "Drums"; });
    auto* favourites = only<Tag>(store->tags(), [](auto* t) { return t->name() == "Favourites"; });
    auto* unused = only<Tag>(store->tags(), [](auto* t) { return t->name() == "Unused"; });
    EXPECT_EQ(echo->tags(), (QList<Tag*>{favourites, drums}));
    EXPECT_EQ(verb->tags(), QList<Tag*>{drums});
    EXPECT_EQ(drums->groups(), (QList<PluginRecord*>{echo, verb}));
    EXPECT_TRUE(unused->groups().isEmpty());

    auto* granted = only<ScanBookmark>(store->scanBookmarks(), [](auto* b) { return b->path().startsWith("/Library"); });
    EXPECT_EQ(granted->bookmarkData(), bookmark);
    EXPECT_TRUE(store->scanBookmarksWithPath(QStringLiteral("/empty")).value(0)->bookmarkData().isEmpty());

    auto* folder = store->contentFoldersWithPath(QStringLiteral("/Samples")).value(0);
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->name(), QStringLiteral("Samples"));
    EXPECT_EQ(folder->publisher(), QStringLiteral("Various"));
    EXPECT_EQ(folder->bookmarkData(), bookmark);
    EXPECT_EQ(folder->totalBytes(), maxBytes);
    EXPECT_EQ(folder->lastScannedAt().toMSecsSinceEpoch(), scanned.toMSecsSinceEpoch());
    EXPECT_EQ(folder->status(), ContentLibraryStatus::notFound);
    auto* never = store->contentFoldersWithPath(QStringLiteral("/Never")).value(0);
    ASSERT_TRUE(never);
    EXPECT_FALSE(never->lastScannedAt().isValid());
    EXPECT_EQ(never->status(), ContentLibraryStatus::found);

    const ContentLibraryItem* item = store->contentItemsWithRootPath(QStringLiteral("/Samples")).value(0);
    ASSERT_TRUE(item);
    EXPECT_EQ(item->path(), QStringLiteral("/Samples/Acme/Kit"));
    EXPECT_EQ(item->name(), QStringLiteral("Kit"));
    EXPECT_EQ(item->publisher(), QStringLiteral("Acme"));
    EXPECT_EQ(item->totalBytes(), beyondDouble);
    EXPECT_EQ(item->lastScannedAt().toMSecsSinceEpoch(), modified.toMSecsSinceEpoch());
    EXPECT_EQ(item->status(), ContentLibraryStatus::notFound);
    EXPECT_FALSE(store->hasChanges());
}

TEST_F(CatalogRoundTripTest, FileHoldsNamedTablesRawEnumTextsAndSecondDates)
{
    {
        auto store = StoreTesting::openStore(path());
        ASSERT_TRUE(store);
        fill(*store);
        ASSERT_TRUE(store->save());
    }
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

TEST_F(CatalogRoundTripTest, UpdatesOfStoredObjectsArePersisted)
{
    {
        auto store = StoreTesting::openStore(path());
        ASSERT_TRUE(store);
        fill(*store);
        ASSERT_TRUE(store->save());
    }
    {
        auto store = StoreTesting::openStore(path());
        ASSERT_TRUE(store);
        PluginRecord* echo = store->fetch<PluginRecord>("publisher", QStringLiteral("Acme")).value(0);
        PluginRecord* verb = store->fetch<PluginRecord>("name", QStringLiteral("Verb")).value(0);
        ASSERT_TRUE(echo && verb);
        echo->setNotes(QStringLiteral("changed"));
        echo->installs()[0]->setGroup(verb);
        echo->removeTag(echo->tags()[0]);
        verb->addTag(store->insert(new Tag(QStringLiteral("New"))));
        ASSERT_TRUE(store->save());
    }
    auto store = StoreTesting::openStore(path());
    ASSERT_TRUE(store);
    PluginRecord* echo = store->fetch<PluginRecord>("publisher", QStringLiteral("Acme")).value(0);
    PluginRecord* verb = store->fetch<PluginRecord>("name", QStringLiteral("Verb")).value(0);
    ASSERT_TRUE(echo && verb);
    EXPECT_EQ(echo->notes(), QStringLiteral("changed"));
    ASSERT_EQ(echo->installs().size(), 1);
    EXPECT_EQ(echo->installs()[0]->format(), PluginFormat::vst3);
    ASSERT_EQ(verb->installs().size(), 2);
    EXPECT_EQ(verb->installs()[0]->format(), PluginFormat::clap);
    EXPECT_EQ(verb->installs()[1]->format(), PluginFormat::au);
    ASSERT_EQ(echo->tags().size(), 1);
    EXPECT_EQ(echo->tags()[0]->name(), QStringLiteral("Drums"));
    ASSERT_EQ(verb->tags().size(), 2);
    EXPECT_EQ(verb->tags()[1]->name(), QStringLiteral("New"));
}

TEST_F(CatalogRoundTripTest, IdsAreNeverReusedAfterTheNewestObjectIsDeleted)
{
    qint64 deletedId = 0;
    {
        auto store = StoreTesting::openStore(path());
        ASSERT_TRUE(store);
        store->insert(new Tag(QStringLiteral("a")));
        Tag* last = store->insert(new Tag(QStringLiteral("b")));
        deletedId = last->id();
        ASSERT_TRUE(store->save());
        store->remove(last);
        ASSERT_TRUE(store->save());
    }
    auto store = StoreTesting::openStore(path());
    ASSERT_TRUE(store);
    EXPECT_GT(store->insert(new Tag(QStringLiteral("c")))->id(), deletedId);
}

} // namespace
