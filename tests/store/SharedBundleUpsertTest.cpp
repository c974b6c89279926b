#include "UpsertFixture.h"

#include "model/PluginInstall.h"
#include "model/PluginRecord.h"
#include "store/RefreshSummary.h"

using namespace Qt::StringLiterals;

namespace {

// One LV2 bundle holding several plug-ins, each its own install at the bundle's path.
class SharedBundleUpsertTest : public UpsertFixture {
protected:
    static ScannedPlugin lv2(const QString& name, const QString& uri)
    {
        ScannedPlugin plugin = scanned(name, u"Pack Audio"_s, u"/usr/lib/lv2/pack.lv2"_s, PluginFormat::lv2);
        plugin.platform = PluginPlatform::linuxNative;
        plugin.pluginIdentifier = uri;
        plugin.fileSize = 5000;
        return plugin;
    }
};

TEST_F(SharedBundleUpsertTest, EachPluginKeepsItsRecordAcrossRescansAndTheBundleCountsOnce)
{
    const QList<ScannedPlugin> first{lv2(u"Aurora Verb"_s, u"urn:pack#verb"_s), lv2(u"Basalt Delay"_s, u"urn:pack#delay"_s),
                                     lv2(u"Cobalt Synth"_s, u"urn:pack#synth"_s)};
    ASSERT_TRUE(upsert(first));
    ASSERT_EQ(store().installs().size(), 3);
    recordNamed(u"Basalt Delay"_s)->setNotes(u"Tape mode on"_s);
    recordNamed(u"Cobalt Synth"_s)->setIsFavorite(true);
    ASSERT_TRUE(store().save());
    reopen();

    // Rescanned in another order, the delay gone and a chorus added.
    UpsertSummary summary;
    ASSERT_TRUE(upsert({lv2(u"Dune Chorus"_s, u"urn:pack#chorus"_s), lv2(u"Cobalt Synth"_s, u"urn:pack#synth"_s),
                        lv2(u"Aurora Verb"_s, u"urn:pack#verb"_s)},
                       &summary));
    EXPECT_EQ(summary.installsCreated, 1);
    EXPECT_EQ(summary.installsMarkedNotFound, 1);
    EXPECT_EQ(store().installs().size(), 4);
    EXPECT_EQ(recordNamed(u"Basalt Delay"_s)->notes(), u"Tape mode on"_s);
    EXPECT_TRUE(recordNamed(u"Basalt Delay"_s)->foundInstalls().isEmpty());
    EXPECT_TRUE(recordNamed(u"Cobalt Synth"_s)->isFavorite());
    for (const char* name : {"Dune Chorus", "Cobalt Synth", "Aurora Verb"}) {
        const PluginRecord* record = recordNamed(QString::fromLatin1(name));
        ASSERT_TRUE(record) << name;
        ASSERT_EQ(record->foundInstalls().size(), 1) << name;
        EXPECT_EQ(record->foundInstalls().first()->platform(), PluginPlatform::linuxNative);
    }
    EXPECT_EQ(recordNamed(u"Aurora Verb"_s)->foundInstalls().first()->pluginIdentifier(), u"urn:pack#verb"_s);

    // Three found plug-ins share one bundle of 5000 bytes; a macOS bundle adds its own 1000.
    ASSERT_TRUE(upsert({lv2(u"Dune Chorus"_s, u"urn:pack#chorus"_s), lv2(u"Cobalt Synth"_s, u"urn:pack#synth"_s),
                        lv2(u"Aurora Verb"_s, u"urn:pack#verb"_s),
                        scanned(u"Other"_s, u"Acme"_s, u"/Library/Audio/Plug-Ins/VST3/Other.vst3"_s)}));
    const RefreshSummary totals = RefreshSummary::totalsOf(store());
    EXPECT_EQ(totals.installs, 4);
    EXPECT_EQ(totals.pluginBytes, 6000);
}

} // namespace
