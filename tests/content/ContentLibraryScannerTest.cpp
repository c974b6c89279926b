#include "support/ContentTree.h"

#include "content/ContentLibraryScanner.h"
#include "model/FilePathBytes.h"

#include <QDateTime>
#include <QFile>
#include <QScopeGuard>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using Scanner = ContentLibraryScanner;

struct Library {
    QString name;
    QString publisher;
    qint64 totalBytes;

    bool operator==(const Library&) const = default;
};

void PrintTo(const Library& library, std::ostream* out)
{
    *out << library.name.toStdString() << " / " << library.publisher.toStdString() << " / " << library.totalBytes;
}

QList<Library> libraries(const ContentLibraryScanResult& result)
{
    QList<Library> list;
    for (const ContentLibraryItemInfo& item : result.items)
        list.append({item.name, item.publisher, item.totalBytes});
    return list;
}

QStringList names(const ContentLibraryScanResult& result)
{
    QStringList list;
    for (const ContentLibraryItemInfo& item : result.items)
        list.append(item.name);
    return list;
}

class ContentLibraryScannerTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_tree.isValid()); }

    QList<ContentLibraryScanResult> scan(const QList<ContentLibraryScanTarget>& targets)
    {
        QFuture<QList<ContentLibraryScanResult>> future = m_scanner.scan(targets);
        future.waitForFinished();
        return future.result();
    }

    ContentLibraryScanResult scanOne(const QString& relative)
    {
        const QList<ContentLibraryScanResult> results = scan({m_tree.target(relative)});
        EXPECT_EQ(results.size(), 1);
        return results.value(0);
    }

    ContentTree m_tree;
    ContentLibraryScanner m_scanner;
};

// Which folders of a root are its libraries, under which publisher, and the root's total: the
// libraries' sum, or everything under it when it holds none. Rows share one tree, each its own root.
TEST_F(ContentLibraryScannerTest, RootsSplitIntoTheirLibraries)
{
    struct Case {
        const char* about;
        QList<std::pair<const char*, qint64>> files;
        const char* root;
        QList<Library> libraries;
        qint64 totalBytes;
    };
    const Case cases[] = {
        {"a vendor root: every sub-folder is a library, under the vendor its name or path tells",
         {{"Native Instruments/Kontakt Factory/Instruments/piano.nki", 100}, {"Native Instruments/Massive Expansion/presets.bin", 200},
          {"Native Instruments/Spitfire Strings/samples.ncw", 50}, {"Native Instruments/readme.txt", 999}},
         "Native Instruments",
         {{"Kontakt Factory", "Native Instruments", 100}, {"Massive Expansion", "Native Instruments", 200},
          {"Spitfire Strings", "Spitfire Audio", 50}},
         350},
        // Below a vendor's folder, unrecognised folders are not searched for other vendors.
        {"a root inside a vendor's folder is one library",
         {{"Toontrack/My Grooves/Rock/a.mid", 10}, {"Toontrack/My Grooves/Jazz/a.mid", 20},
          {"Toontrack/My Grooves/Extras/Spitfire Audio/Lib/a.wav", 5}},
         "Toontrack/My Grooves", {{"My Grooves", "Toontrack", 35}}, 35},
        {"even an empty one", {}, "Toontrack/Empty Kit", {{"Empty Kit", "Toontrack", 0}}, 0},
        {"a vendor's name that is no vendor folder name is one library, not split up",
         {{"Drive/Spitfire Audio/Solo Strings/a.wav", 10}, {"Drive/Spitfire Audio/Albion One/a.wav", 20},
          {"Drive/Spitfire Audio/Originals/a.wav", 30}, {"Drive/Heavyocity/Damage/a.wav", 40},
          {"Drive/Heavyocity/Vento/a.wav", 50}, {"Drive/Holiday Photos/a.jpg", 1000}},
         "Drive",
         {{"Heavyocity", "Heavyocity", 90}, {"Albion One", "Spitfire Audio", 20}, {"Originals", "Spitfire Audio", 30},
          {"Solo Strings", "Spitfire Audio", 10}},
         150},
        {"\"kontakt\" gives the vendor; a generic name without a vendor is no container",
         {{"Generic/Stuff/Kontakt Libraries/Strings Vol 10/a.nki", 1}, {"Generic/Stuff/Kontakt Libraries/Strings Vol 2/a.nki", 2},
          {"Generic/Stuff/Kontakt Libraries/Spitfire Chamber/a.nki", 4}, {"Generic/Sample Library/Grand Piano/a.wav", 8}},
         "Generic",
         {{"Strings Vol 2", "Native Instruments", 2}, {"Strings Vol 10", "Native Instruments", 1},
          {"Spitfire Chamber", "Spitfire Audio", 4}},
         7},
        {"only unrecognised folders: the root is measured whole",
         {{"Projects/Song A/take.wav", 100}, {"Projects/Song B/Bounces/mix.wav", 200}, {"Projects/notes.txt", 50}},
         "Projects", {}, 350},
        {"a spaced dash is never a vendor folder",
         {{"Dashed/Native Instruments - Backup/Kontakt Factory/a.nki", 10}, {"Dashed/Native Instruments - Backup/Massive/a.nmsv", 20}},
         "Dashed", {{"Native Instruments - Backup", "Native Instruments", 30}}, 30},
        // Depth 1 and 2 are walked whatever their names, well-known and vendor folder names down to
        // depth 4, an unrecognised folder at depth 3 and anything at depth 5 not.
        {"depth limits",
         {{"Deep/a/b/Spitfire Audio/Found At Three/x.wav", 1}, {"Deep/a/b/c/Spitfire Audio/Hidden By C/x.wav", 1},
          {"Deep/a/b/Music/Spitfire Audio/Under Music/x.wav", 1}, {"Deep/a/b/Samples/Shared/Spitfire Audio/Under Shared/x.wav", 1},
          {"Deep/a/b/MUSIC/Application Support/Heavyocity/x.wav", 1},
          {"Deep/a/b/Music/Shared/Music/Spitfire Audio/Too Deep/x.wav", 1},
          {"Deep/a/b/Music/Shared/Samples/Spitfire Audio/Too Deep Too/x.wav", 1}},
         "Deep",
         {{"Heavyocity", "Heavyocity", 1}, {"Found At Three", "Spitfire Audio", 1}, {"Under Music", "Spitfire Audio", 1},
          {"Under Shared", "Spitfire Audio", 1}},
         4},
        {"plug-in folders are never walked",
         {{"LIBRARY/audio/Plug-Ins/Spitfire Audio/Lib/x.wav", 1}, {"LIBRARY/audio/Sounds/Heavyocity/x.wav", 1}},
         "LIBRARY", {{"Heavyocity", "Heavyocity", 1}}, 1},
        {"a plug-in folder given as the root is never a library, even named as a vendor",
         {{"Library/Audio/Plug-Ins/Spitfire Audio/Labs/x.vst3", 7}, {"Library/Audio/Plug-Ins/Components/Spitfire Audio/x.bin", 8}},
         "Library/Audio/Plug-Ins/Spitfire Audio", {}, 7},
        {"nor is the plug-in folder itself", {}, "Library/Audio/Plug-Ins", {}, 15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.about);
        for (const auto& [file, bytes] : c.files)
            m_tree.file(QString::fromUtf8(file), bytes);
        m_tree.folder(QString::fromUtf8(c.root));
        const QDateTime before = QDateTime::currentDateTimeUtc();
        const ContentLibraryScanResult result = scanOne(QString::fromUtf8(c.root));
        EXPECT_EQ(libraries(result), c.libraries);
        EXPECT_EQ(result.path, m_tree.path(QString::fromUtf8(c.root)));
        EXPECT_EQ(result.status, ContentLibraryStatus::found);
        EXPECT_EQ(result.totalBytes, c.totalBytes);
        EXPECT_EQ(result.scannedAt.timeSpec(), Qt::UTC);
        EXPECT_LE(before, result.scannedAt);
        for (const ContentLibraryItemInfo& item : result.items) {
            EXPECT_EQ(item.rootPath, result.path);
            EXPECT_EQ(item.path.section(u'/', -1), item.name);
            EXPECT_TRUE(item.path == result.path || item.path.startsWith(result.path + u'/'));
            EXPECT_EQ(item.status, ContentLibraryStatus::found);
            EXPECT_EQ(item.scannedAt, result.scannedAt);
        }
    }
}

// Inside a container they are no libraries; anywhere they are never walked.
TEST_F(ContentLibraryScannerTest, SkippedFolders)
{
    m_tree.file("Native Instruments/Kontakt Factory/a.nki", 5);
    for (const char* name : {"installed_products", "Installed_Products", "NI Resources", "service center",
                             "DIST_DATABASE", "image", ".Hidden", "Synth.app", "Synth.component", "Synth.VST3",
                             "Synth.clap", "Synth.aaxplugin", "Synth.vst", "Helper.bundle", "Kit.framework"})
        m_tree.file(QStringLiteral("Native Instruments/") + QString::fromUtf8(name) + QStringLiteral("/a.bin"), 1000);
    m_tree.file("Native Instruments/Loose File.nki", 1000);
    EXPECT_EQ(libraries(scanOne(QStringLiteral("Native Instruments"))),
              (QList<Library>{{"Kontakt Factory", "Native Instruments", 5}}));

    m_tree.file("Root/Other/Spitfire Audio/Walked/x.wav", 1);
    for (const char* name : {"Caches", "cache", ".hidden", "Backups.backupdb", "Synth.app", "Synth.component",
                             "installed_products", "NI Resources", "Thing.bundle"})
        m_tree.file(QStringLiteral("Root/") + QString::fromUtf8(name) + QStringLiteral("/Spitfire Audio/Lib/x.wav"), 1);
    EXPECT_EQ(names(scanOne(QStringLiteral("Root"))), (QStringList{"Walked"}));
}

TEST_F(ContentLibraryScannerTest, ChildFoldersInFileBrowserOrder)
{
    for (const char* name : {"Vol 10", "vol 2", "Vol 1", "alpha", "Beta", "Café"})
        m_tree.folder(QStringLiteral("List/") + QString::fromUtf8(name));
    m_tree.file("List/File Not Folder", 1);
    m_tree.link(QStringLiteral("List/Link To Folder"), m_tree.path(QStringLiteral("List/alpha")));

    QStringList listed;
    for (const QString& path : Scanner::listChildFolders(m_tree.path(QStringLiteral("List"))))
        listed.append(path.section(QLatin1Char('/'), -1));
    EXPECT_EQ(listed, (QStringList{"alpha", "Beta", "Café", "Vol 1", "vol 2", "Vol 10"}));
    EXPECT_TRUE(Scanner::listChildFolders(m_tree.path(QStringLiteral("Missing"))).isEmpty());
    EXPECT_TRUE(Scanner::listChildFolders(m_tree.path(QStringLiteral("List/File Not Folder"))).isEmpty());
}

TEST_F(ContentLibraryScannerTest, LinksAreNotFollowedAndLoopsEnd)
{
    m_tree.file("Elsewhere/Spitfire Audio/Linked Library/x.wav", 100);
    m_tree.file("Root/Native Instruments/Real/x.nki", 3);
    m_tree.link(QStringLiteral("Root/Spitfire Audio"), m_tree.path(QStringLiteral("Elsewhere/Spitfire Audio")));
    m_tree.link(QStringLiteral("Root/Native Instruments/Loop"), m_tree.path(QStringLiteral("Root")));
    m_tree.link(QStringLiteral("Root/a/up"), QStringLiteral(".."));
    m_tree.link(QStringLiteral("Root/a/b/self"), QStringLiteral("."));

    const ContentLibraryScanResult result = scanOne(QStringLiteral("Root"));

    EXPECT_EQ(names(result), (QStringList{"Real"}));
    EXPECT_EQ(result.items.value(0).totalBytes, 3);
}

// In the order given, each under its path as stored (a trailing slash kept); a root that is gone or
// whose grant cannot be resolved is not found.
TEST_F(ContentLibraryScannerTest, ResultsComeInTargetOrderUnderTheirStoredPaths)
{
    m_tree.file("B/Spitfire Audio/Lib/x.wav", 2);
    m_tree.file("A/x.wav", 1);
    m_tree.link(QStringLiteral("Dangling"), m_tree.path(QStringLiteral("Nowhere")));
    const QString stored = m_tree.path(QStringLiteral("B/"));
    const QList<ContentLibraryScanTarget> targets{m_tree.target(QStringLiteral("A")), m_tree.target(QStringLiteral("Gone")),
                                                  {m_tree.path(QStringLiteral("A")), {}}, {QStringLiteral("A"), QByteArray("A")},
                                                  m_tree.target(QStringLiteral("Dangling")), {stored, FolderBookmark::create(stored)}};

    const QDateTime before = QDateTime::currentDateTimeUtc();
    const QList<ContentLibraryScanResult> results = scan(targets);
    const QDateTime after = QDateTime::currentDateTimeUtc();

    QStringList told;
    for (const ContentLibraryScanResult& result : results) {
        told.append(QStringLiteral("%1 %2 %3").arg(result.path, rawValue(result.status)).arg(result.totalBytes));
        for (const ContentLibraryItemInfo& item : result.items)
            told.append(QStringLiteral("  %1 in %2").arg(item.path, item.rootPath));
        EXPECT_LE(before, result.scannedAt);
        EXPECT_LE(result.scannedAt, after);
    }
    const QString t = m_tree.path() + u'/';
    EXPECT_EQ(told, (QStringList{t + "A found 1", t + "Gone notFound 0", t + "A notFound 0", "A notFound 0",
                                 t + "Dangling notFound 0", t + "B/ found 2", "  " + t + "B/Spitfire Audio/Lib in " + t + "B/"}));
    EXPECT_TRUE(scan({}).isEmpty());
}

TEST_F(ContentLibraryScannerTest, ProgressCountsLibrariesAcrossTargets)
{
    m_tree.file("One/Spitfire Audio/A/x.wav", 1);
    m_tree.file("One/Spitfire Audio/B/x.wav", 1);
    m_tree.file("Two/Heavyocity/x.wav", 1);
    m_tree.file("Three/x.wav", 1);
    QList<int> counts;
    QObject::connect(&m_scanner, &ContentLibraryScanner::progress, &m_scanner, [&counts](int n) { counts.append(n); },
            Qt::DirectConnection);

    scan({m_tree.target(QStringLiteral("One")), m_tree.target(QStringLiteral("Three")),
          m_tree.target(QStringLiteral("Two"))});

    EXPECT_EQ(counts, (QList<int>{1, 2, 3}));
}

TEST_F(ContentLibraryScannerTest, CancelEndsTheRunningScanOnly)
{
    m_tree.file("One/Spitfire Audio/A/x.wav", 1);
    m_tree.file("One/Spitfire Audio/B/x.wav", 1);
    m_tree.file("Two/x.wav", 1);
    const QList<ContentLibraryScanTarget> targets{m_tree.target(QStringLiteral("Two")),
                                                  m_tree.target(QStringLiteral("One"))};
    const auto connection = QObject::connect(
        &m_scanner, &ContentLibraryScanner::progress, &m_scanner, [this](int) { m_scanner.cancel(); },
        Qt::DirectConnection);

    // Cancelled after the first library of the second target: that target is dropped, not half-reported.
    const QList<ContentLibraryScanResult> cancelled = scan(targets);
    ASSERT_EQ(cancelled.size(), 1);
    EXPECT_EQ(cancelled[0].path, targets[0].path);

    QObject::disconnect(connection);
    const QList<ContentLibraryScanResult> later = scan(targets);
    ASSERT_EQ(later.size(), 2);
    EXPECT_EQ(later[1].items.size(), 2);
}

TEST_F(ContentLibraryScannerTest, OddNamesDoNotBreakTheScan)
{
    m_tree.file("Native Instruments/Lib\nWith Newline/x.nki", 2);
    m_tree.file("Native Instruments/ Leading Space/x.nki", 3);
    const QByteArray invalidUtf8 = FilePathBytes::encode(m_tree.path(QStringLiteral("Native Instruments/"))) + "bad\xff\xfe";
    ASSERT_EQ(::mkdir(invalidUtf8.constData(), 0755), 0);
    const QByteArray inside = invalidUtf8 + "/x.nki";
    const int fd = ::open(inside.constData(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, "abcd", 4), 4);
    ::close(fd);
    // The temporary folder's own clean-up cannot name it either.
    const auto removeInvalid = qScopeGuard([&] {
        ::unlink(inside.constData());
        ::rmdir(invalidUtf8.constData());
    });
    m_tree.file("Root File", 1);

    const ContentLibraryScanResult result = scanOne(QStringLiteral("Native Instruments"));
    // A name that is not UTF-8 is measured under its exact bytes.
    EXPECT_EQ(libraries(result), (QList<Library>{{" Leading Space", "Native Instruments", 3},
                                                 {FilePathBytes::decode("bad\xff\xfe"), "Native Instruments", 4},
                                                 {"Lib\nWith Newline", "Native Instruments", 2}}));

    // A file given as a root is not a folder of libraries.
    const ContentLibraryScanResult fileRoot = scanOne(QStringLiteral("Root File"));
    EXPECT_EQ(fileRoot.status, ContentLibraryStatus::found);
    EXPECT_TRUE(fileRoot.items.isEmpty());
}

} // namespace
