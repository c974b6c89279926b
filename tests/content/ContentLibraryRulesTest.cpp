#include "content/ContentLibraryScanner.h"

#include <gtest/gtest.h>

namespace {

using Scanner = ContentLibraryScanner;

TEST(ContentLibraryRulesTest, IsVolumeRoot)
{
    const std::pair<const char*, bool> cases[] = {
        {"/", true},
        {"//", true},
        {"/Volumes/Sample Drive", true},
        {"/Volumes/Sample Drive/", true},
        {"/Volumes/Sample Drive/Samples", false},
        {"/Volumes", false},
        // Mount points of removable and other drives.
        {"/media/alice/Sample Drive", true},
        {"/run/media/alice/Sample Drive", true},
        {"/mnt/samples", true},
        {"/media/Sample Drive", false},
        {"/run/media/alice/Drive/Samples", false},
        {"/home/alice/Volumes/Drive", false},
    };
    for (const auto& [path, expected] : cases)
        EXPECT_EQ(Scanner::isVolumeRoot(QString::fromUtf8(path)), expected) << path;
}

TEST(ContentLibraryRulesTest, IsPluginFolderPath)
{
    const std::pair<const char*, bool> cases[] = {
        {"/Library/Audio/Plug-Ins/Components", true},
        {"/Drive/LIBRARY/AUDIO/PLUG-INS/VST3/Thing", true},
        {"/Library/Application Support/Avid/Audio/Plug-Ins", true},
        {"/Library/Audio/Plugins", false},
        {"Library/Audio/Plug-Ins", false},
    };
    for (const auto& [path, expected] : cases)
        EXPECT_EQ(Scanner::isPluginFolderPath(QString::fromUtf8(path)), expected) << path;
}

TEST(ContentLibraryRulesTest, IsLibraryContainer)
{
    const QStringList children{QStringLiteral("/x/Native Instruments/Kontakt Factory")};
    EXPECT_TRUE(Scanner::isLibraryContainer(QStringLiteral("/x/Native Instruments"), children));
    EXPECT_TRUE(Scanner::isLibraryContainer(QStringLiteral("/x/Kontakt Libraries"), children));
    EXPECT_FALSE(Scanner::isLibraryContainer(QStringLiteral("/x/Native Instruments"), {}));
    EXPECT_FALSE(Scanner::isLibraryContainer(QStringLiteral("/x/Heavyocity"), children));
    EXPECT_FALSE(Scanner::isLibraryContainer(QStringLiteral("/x/Native Instruments - Old"), children));
    // A drive named like a vendor is still a drive.
    EXPECT_FALSE(Scanner::isLibraryContainer(QStringLiteral("/Volumes/Native Instruments"), children));
    EXPECT_FALSE(Scanner::isLibraryContainer(QStringLiteral("/media/alice/Samples"), children));
    EXPECT_TRUE(Scanner::isLibraryContainer(QStringLiteral("/Volumes/Drive/Samples"), children));
}

ContentLibraryItemInfo item(const char* path, const char* publisher)
{
    ContentLibraryItemInfo info;
    info.path = QString::fromUtf8(path);
    info.name = ContentLibraryScanner::folderName(info.path);
    info.publisher = QString::fromUtf8(publisher);
    return info;
}

QStringList paths(const QList<ContentLibraryItemInfo>& items)
{
    QStringList list;
    for (const ContentLibraryItemInfo& info : items)
        list.append(info.path);
    return list;
}

// Equal names keep their given order; of one path only the first item is kept.
TEST(ContentLibraryRulesTest, DedupesAndSortsByPublisherThenNameNaturally)
{
    const QList<ContentLibraryItemInfo> sorted = Scanner::dedupeAndSort({
        item("/d/Vol 10", "Spitfire Audio"),
        item("/e/zebra", "Native Instruments"),
        item("/d/Vol 2", "Spitfire Audio"),
        item("/d/Vol 2", "Native Instruments"),
        item("/e/Alpha", "Native Instruments"),
        item("/e/Alpha", "Output"),
        item("/f/Damage", "Heavyocity"),
        item("/b/Strings", "Output"),
        item("/d/vol 1", "Spitfire Audio"),
        item("/a/Strings", "Output"),
        item("/e/Beta", "Native Instruments"),
        item("/c/Strings", "Output"),
    });
    EXPECT_EQ(paths(sorted), (QStringList{"/f/Damage", "/e/Alpha", "/e/Beta", "/e/zebra", "/b/Strings", "/a/Strings",
                                          "/c/Strings", "/d/vol 1", "/d/Vol 2", "/d/Vol 10"}));
}

} // namespace
