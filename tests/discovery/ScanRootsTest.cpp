#include "discovery/ScanRoots.h"

#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

TEST(ScanRoots, MapsMacPathsUnderTheRoots)
{
    const ScanRoots real{u"/"_s, u"/home/ana"_s};
    EXPECT_EQ(real.underSystem(u"/Library/Audio/Plug-Ins"_s), u"/Library/Audio/Plug-Ins"_s);
    EXPECT_EQ(real.underHome(u"/Library/Audio/Plug-Ins"_s), u"/home/ana/Library/Audio/Plug-Ins"_s);
    EXPECT_EQ(real.underHome(u"Library/Audio/Plug-Ins"_s), u"/home/ana/Library/Audio/Plug-Ins"_s);

    const ScanRoots mounted{u"/mnt/mac/"_s, u"/mnt/mac/Users/ana/"_s};
    EXPECT_EQ(mounted.underSystem(u"/Library/Audio/Plug-Ins"_s), u"/mnt/mac/Library/Audio/Plug-Ins"_s);
    EXPECT_EQ(mounted.underHome(u"/Library"_s), u"/mnt/mac/Users/ana/Library"_s);
}

TEST(ScanRoots, StandardRootsAreTheSystemAndThePasswordEntryHome)
{
    const passwd* entry = ::getpwuid(::getuid());
    ASSERT_NE(entry, nullptr);
    const ScanRoots roots = ScanRoots::standard();
    EXPECT_EQ(roots.systemRoot, u"/"_s);
    EXPECT_EQ(roots.home, QString::fromLocal8Bit(entry->pw_dir));
    EXPECT_EQ(ScanRoots::accountHome(), roots.home);
}

} // namespace
