#include "ScanFixture.h"
#include "TreeSnapshot.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

class ReadOnlyScanTest : public ScanFixture {};

// Tests run as root, so read-only permissions would prove nothing: the tree itself is compared.
TEST_F(ReadOnlyScanTest, ScanningChangesNothingOnDisk)
{
    const ExecutableKind kinds[] = {ExecutableKind::thinArm64,
                                    ExecutableKind::thinX86_64,
                                    ExecutableKind::universalArmIntel,
                                    ExecutableKind::universalIntelI386,
                                    ExecutableKind::universal64ArmIntel,
                                    ExecutableKind::thin32,
                                    ExecutableKind::shellScript,
                                    ExecutableKind::truncated,
                                    ExecutableKind::missing};
    const QStringList folders{sys(plugIns) + u"/VST3"_s, sys(plugIns) + u"/Components"_s,
                              home(plugIns) + u"/CLAP"_s, other(u"Drive/Vendor"_s)};
    int index = 0;
    for (const QString& folder : folders) {
        for (ExecutableKind kind : kinds) {
            BundleSpec bundleSpec;
            bundleSpec.path = u"%1/Plugin %2.%3"_s.arg(folder).arg(index++).arg(
                folder.endsWith(u"Components"_s) ? u"component"_s
                : folder.endsWith(u"CLAP"_s)     ? u"clap"_s
                                                 : u"vst3"_s);
            bundleSpec.info = BundleTree::info(u"Plugin %1"_s.arg(index));
            bundleSpec.binaryPlist = index % 2 == 0;
            bundleSpec.executable = kind;
            bundleSpec.resourceFiles = 2;
            bundleSpec.resourceBytes = 40'000;
            ASSERT_TRUE(BundleWriter::write(bundleSpec));
        }
    }
    BundleTree::file(other(u"Drive/Vendor/Broken.vst3/Contents/Info.plist"_s), "<plist><dict>");
    BundleTree::file(other(u"Drive/.hidden/Secret.vst3/Contents/Info.plist"_s), "x");
    BundleTree::symlink(u".."_s, other(u"Drive/Vendor/up"_s));
    BundleTree::symlink(other(u"Drive/Vendor/Plugin 27.vst3"_s), other(u"Drive/Linked.vst3"_s));
    const QString fifoBundle = other(u"Drive/Fifo.vst3/Contents"_s);
    BundleTree::bundle(other(u"Drive/Fifo.vst3"_s), BundleTree::info(u"Fifo"_s), ExecutableKind::missing);
    ASSERT_TRUE(QDir().mkpath(fifoBundle + u"/MacOS"_s));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifoBundle + u"/MacOS/Fifo"_s).constData(), 0644), 0);
    ASSERT_TRUE(QDir().mkpath(other(u"Drive/FifoPlist.vst3/Contents"_s)));
    ASSERT_EQ(
        ::mkfifo(QFile::encodeName(other(u"Drive/FifoPlist.vst3/Contents/Info.plist"_s)).constData(), 0644),
        0);

    const auto before = treeSnapshot(m_dir.path());
    ASSERT_GT(before.size(), 200);
    const QList<ScannedPlugin> plugins = scan({sys(plugIns), home(plugIns), other(u"Drive"_s)});
    EXPECT_EQ(plugins.size(), 4 * 9 + 2); // every written bundle, the linked one and the FIFO-executable one
    EXPECT_EQ(treeSnapshot(m_dir.path()), before);
}

} // namespace
