#include "ScanFixture.h"
#include "support/HostilePlists.h"

namespace {

class HostileBundleScanTest : public ScanFixture {};

// One bundle the readers cannot survive used to crash every refresh; now it is a broken bundle.
TEST_F(HostileBundleScanTest, BundlesWithHostilePropertyListsAreSkippedAndTheRestFound)
{
    const QString folder = other(QStringLiteral("Drive"));
    BundleTree::plugin(folder + QStringLiteral("/Good.vst3"));
    const std::pair<const char*, QByteArray> hostile[] = {
        {"Deep.vst3", HostilePlists::deepArrays(100'000)},
        {"Shared.vst3", HostilePlists::sharedString(200, 4 * 1024 * 1024)},
        {"Keys.vst3", HostilePlists::manyKeys(1'000'000, 4 * 1024 * 1024)},
        {"Xml.vst3", QByteArray("<?xml version=\"1.0\"?><plist><dict><key>d</key>")
                         + QByteArray("<array>").repeated(100'000)},
    };
    for (const auto& [bundle, plist] : hostile)
        BundleTree::file(folder + u'/' + QLatin1StringView(bundle) + QStringLiteral("/Contents/Info.plist"), plist);

    const QMap<QString, PluginFormat> expected{{QStringLiteral("Drive/Good.vst3"), PluginFormat::vst3}};
    EXPECT_EQ(found(scan(QStringList{folder})), expected);
}

} // namespace
