#include "discovery/FolderBookmark.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(FolderBookmark, RoundTripsAbsolutePaths)
{
    for (const QString& path : {u"/Library/Audio/Plug-Ins"_s, u"/Volumes/Zürich Drive/VST3 ✓"_s, u"/"_s})
        EXPECT_EQ(FolderBookmark::resolve(FolderBookmark::create(path)), path);
}

TEST(FolderBookmark, UnusableDataDoesNotResolve)
{
    EXPECT_FALSE(FolderBookmark::resolve({}));
    EXPECT_FALSE(FolderBookmark::resolve(QByteArray("/Volumes/\xff\xfe")));
    EXPECT_FALSE(FolderBookmark::resolve(QByteArray("relative/path")));
    EXPECT_FALSE(FolderBookmark::resolve(QByteArray("/a\0b", 4)));
    EXPECT_FALSE(FolderBookmark::resolve(QByteArray("book\x00\x00\x00\x00mark", 12)));
}

} // namespace
