#include "UiCatalog.h"

#include "content/ContentLibraryScanner.h"
#include "ui/FolderAccessController.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class FolderAccessControllerTest : public TemporaryCatalogue {
protected:
    void SetUp() override
    {
        TemporaryCatalogue::SetUp();
        if (HasFatalFailure())
            return;
        m_root = m_dir.filePath(QStringLiteral("system"));
        m_home = m_dir.filePath(QStringLiteral("home"));
        QDir().mkpath(m_root + QStringLiteral("/Library/Audio/Plug-Ins"));
        QDir().mkpath(m_home);
        m_controller.setStore(m_store.get());
        m_controller.setRoots(ScanRoots{m_root, m_home});
    }

    QString folder(const QString& name) const
    {
        const QString path = m_dir.filePath(name);
        QDir().mkpath(path);
        return path;
    }

    QString m_root;
    QString m_home;
    FolderAccessController m_controller;
};

TEST_F(FolderAccessControllerTest, AddsEveryChosenFolderThatCanBeBookmarked)
{
    const QString one = folder(QStringLiteral("one"));
    const QString two = folder(QStringLiteral("two"));
    m_controller.addScanFolders({QUrl::fromLocalFile(one), QUrl(QStringLiteral("https://example.com/drive")),
                                 QUrl::fromLocalFile(two)});
    EXPECT_EQ(UiCatalog::propertyTexts(m_store->scanBookmarks(), "path"), (QStringList{one, two}));
    EXPECT_EQ(m_store->scanBookmarksWithPath(two).first()->bookmarkData(), two.toUtf8());
    EXPECT_FALSE(m_store->hasChanges());
}

TEST_F(FolderAccessControllerTest, RemovingAGrantDeletesIt)
{
    UiCatalog::addBookmark(*m_store, QStringLiteral("/media/a"));
    UiCatalog::addBookmark(*m_store, QStringLiteral("/media/b"));
    m_controller.loadGrants();
    m_controller.removeGrant(QStringLiteral("/media/a"));
    EXPECT_EQ(UiCatalog::propertyTexts(m_store->scanBookmarks(), "path"), QStringList{QStringLiteral("/media/b")});
    EXPECT_EQ(m_controller.grantedPaths(), QStringList{QStringLiteral("/media/b")});
    // A path without a grant only leaves the list.
    m_controller.removeGrant(QStringLiteral("/media/none"));
    EXPECT_EQ(UiCatalog::propertyTexts(m_store->scanBookmarks(), "path"), QStringList{QStringLiteral("/media/b")});
}

TEST_F(FolderAccessControllerTest, AddingAContentFolderAgainRenewsIt)
{
    const QString samples = folder(QStringLiteral("Drive/Spectrasonics"));
    m_controller.addContentFolders({QUrl::fromLocalFile(samples)});
    ASSERT_EQ(m_store->contentFolders().size(), 1);
    ContentLibraryFolder* added = m_store->contentFolders().first();
    EXPECT_EQ(added->name(), QStringLiteral("Spectrasonics"));
    EXPECT_EQ(added->publisher(), ContentLibraryScanner::contentFolderDisplayName(samples));
    added->setStatus(ContentLibraryStatus::notFound);
    added->setName(QStringLiteral("old"));

    m_controller.addSuggestedRoot(QUrl::fromLocalFile(samples));
    ASSERT_EQ(m_store->contentFolders().size(), 1);
    EXPECT_EQ(added->name(), QStringLiteral("Spectrasonics"));
    EXPECT_EQ(added->status(), ContentLibraryStatus::found);
    EXPECT_EQ(m_controller.contentLibraries().size(), 1);
}

TEST_F(FolderAccessControllerTest, SuggestsTheRootsThatExistAndAreNotAddedYet)
{
    EXPECT_TRUE(m_controller.suggestedRoots().isEmpty());
    const QString shared = m_root + QStringLiteral("/Users/Shared");
    const QString music = m_home + QStringLiteral("/Music");
    QDir().mkpath(shared);
    QDir().mkpath(music);
    const auto paths = [this] {
        QStringList result;
        for (const QVariant& root : m_controller.suggestedRoots())
            result.append(root.toMap().value(QStringLiteral("path")).toString());
        return result;
    };
    EXPECT_EQ(paths(), (QStringList{shared, music}));
    m_controller.addSuggestedRoot(QUrl::fromLocalFile(shared));
    EXPECT_EQ(paths(), QStringList{music});
    m_controller.addSuggestedRoot(QUrl::fromLocalFile(music));
    EXPECT_TRUE(paths().isEmpty());
}

} // namespace
