#include "discovery/BundleMetadataReader.h"

#include "BundleTree.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <tuple>

using BundleMetadataReader::Metadata;
using namespace Qt::StringLiterals;

namespace {

QVariantMap component(const QVariantMap& fields)
{
    return {{u"AudioComponents"_s, QVariantList{fields}}};
}

class BundleMetadataReaderTest : public ::testing::Test {
protected:
    Metadata describe(const QString& fileName, const QVariantMap& info)
    {
        const QString path = m_dir.filePath(fileName);
        BundleTree::bundle(path, info, ExecutableKind::thinArm64);
        const std::optional<Metadata> metadata = BundleMetadataReader::readMetadata(path);
        EXPECT_TRUE(metadata) << fileName.toStdString();
        return metadata.value_or(Metadata{});
    }

    QTemporaryDir m_dir;
};

TEST_F(BundleMetadataReaderTest, NamePrefersTheSpacedSpelling)
{
    const std::tuple<const char*, QVariant, const char*> cases[] = {
        {"FabFilter Pro-Q 3.vst3", u"ProQ3"_s, "FabFilter Pro-Q 3"}, {"Serum2.vst3", u"Serum 2"_s, "Serum 2"},
        {"Massive.vst3", QVariant(), "Massive"}, {"Massive.vst3", u""_s, "Massive"},
        {"Diva.vst3", u"DivaSynth"_s, "DivaSynth"}, {"Big Verb.component", u"Big Verb AU"_s, "Big Verb AU"},
        {"Ozone 11 Equalizer.component", u"Ozone11EQ"_s, "Ozone 11 Equalizer"},
        {"Tal.Chorus.clap", QVariant(), "Tal.Chorus"}, {"Counted.vst", QVariant(7), "Counted"}};
    for (const auto& [fileName, bundleName, expected] : cases) {
        QVariantMap info;
        if (bundleName.isValid())
            info.insert(u"CFBundleName"_s, bundleName);
        EXPECT_EQ(describe(QString::fromUtf8(fileName), info).name, QString::fromUtf8(expected)) << fileName;
        QDir(m_dir.filePath(QString::fromUtf8(fileName))).removeRecursively();
    }
}

// The short version, else the bundle version; a stated empty one counts. The Get Info string,
// else the copyright. Texts only.
TEST_F(BundleMetadataReaderTest, VersionAndDescriptionFallBack)
{
    const QString shortVersion = u"CFBundleShortVersionString"_s, version = u"CFBundleVersion"_s;
    const QString info = u"CFBundleGetInfoString"_s, copyright = u"NSHumanReadableCopyright"_s;
    const struct {
        QVariantMap plist;
        QString version, description;
    } cases[] = {
        {{{shortVersion, u"3.21"_s}, {version, u"3210"_s}}, u"3.21"_s, {}},
        {{{version, u"3210"_s}}, u"3210"_s, {}},
        {{}, {}, {}},
        {{{shortVersion, 3}, {version, u"3.0"_s}}, u"3.0"_s, {}},
        {{{shortVersion, u""_s}, {version, u"3.0"_s}}, {}, {}},
        {{{info, u"Verb 1.0"_s}, {copyright, u"© Acme"_s}}, {}, u"Verb 1.0"_s},
        {{{copyright, u"© Acme"_s}}, {}, u"© Acme"_s},
        {{{info, false}, {copyright, u"© Acme"_s}}, {}, u"© Acme"_s},
    };
    int index = 0;
    for (const auto& c : cases) {
        const Metadata metadata = describe(u"%1.vst3"_s.arg(index++), c.plist);
        EXPECT_EQ(metadata.version, c.version) << index;
        EXPECT_EQ(metadata.bundleDescription, c.description) << index;
    }
}

TEST_F(BundleMetadataReaderTest, PublisherFromTheIdentifierFallsBackToTheDisplayName)
{
    const std::pair<const char*, const char*> cases[] = {
        {"com.fabfilter.Pro-Q.3", "FabFilter"}, {"COM.FabFilter.Pro-Q", "FabFilter"},
        {"io.pa.bx_digital", "Plugin Alliance"}, {"com.sonic-charge.Synplant", "Sonic Charge"},
        {"eu.acmeAudio.Verb", "AcmeAudio"}, {"com.émile-zola.x", "Émile Zola"}, {"com.3rd-party.x", "3rd Party"},
        {"com.a--b.x", "A  B"}, {"com.-x.y", " X"}, {"Massive X.component", "Native Instruments"},
        {"Kontakt.VST3", "Native Instruments"}, {"local.test", "Big Verb"}, {"Serum", "Big Verb"}, {"", "Big Verb"}};
    for (const auto& [identifier, expected] : cases) {
        QVariantMap info = component({{u"name"_s, u"Big Verb"_s}});
        info.insert(u"CFBundleName"_s, u"Big Verb"_s);
        info.insert(u"CFBundleIdentifier"_s, QString::fromUtf8(identifier));
        EXPECT_EQ(describe(u"BigVerb.component"_s, info).publisher, QString::fromUtf8(expected)) << identifier;
    }
}

TEST(BundleMetadataReader, PublisherFromAudioComponentsNeedsVendorColonSpace)
{
    const auto from = [](const QVariant& name) {
        return BundleMetadataReader::publisherFromAudioComponents(component({{u"name"_s, name}}));
    };
    EXPECT_EQ(from(u"Acme Audio: Big Verb"_s), u"Acme Audio"_s);
    EXPECT_EQ(from(u" \tAcme\u00A0: Big: Verb"_s), u"Acme"_s);
    EXPECT_EQ(from(u"\nAcme: Verb"_s), u"\nAcme"_s); // line breaks are not trimmed
    EXPECT_FALSE(from(u"Big Verb"_s));
    EXPECT_FALSE(from(u"Acme:Verb"_s));
    EXPECT_FALSE(from(u" : Verb"_s));
    EXPECT_FALSE(from(42));
    EXPECT_FALSE(BundleMetadataReader::publisherFromAudioComponents({}));
    EXPECT_FALSE(
        BundleMetadataReader::publisherFromAudioComponents({{u"AudioComponents"_s, QVariantList{}}}));
}

TEST(BundleMetadataReader, AudioComponentsMustBeAnArrayOfDictionaries)
{
    const QVariantMap good{{u"type"_s, u"aufx"_s},
                           {u"subtype"_s, u"bvrb"_s},
                           {u"manufacturer"_s, u"Acme"_s},
                           {u"name"_s, u"Acme: Verb"_s}};
    const QVariantMap mixed{{u"AudioComponents"_s, QVariantList{good, u"stray"_s}}};
    const QVariantMap notArray{{u"AudioComponents"_s, good}};
    for (const QVariantMap& plist : {mixed, notArray}) {
        EXPECT_FALSE(BundleMetadataReader::publisherFromAudioComponents(plist));
        EXPECT_EQ(BundleMetadataReader::categoryFromAudioComponents(plist), QString());
        EXPECT_EQ(BundleMetadataReader::audioComponentCodes(plist),
                  BundleMetadataReader::AudioComponentCodes{});
    }
    const QVariantMap twoComponents{
        {u"AudioComponents"_s, QVariantList{good, QVariantMap{{u"type"_s, u"aumu"_s}}}}};
    EXPECT_EQ(BundleMetadataReader::categoryFromAudioComponents(twoComponents), u"Effect"_s);
    EXPECT_EQ(BundleMetadataReader::audioComponentCodes(twoComponents),
              (BundleMetadataReader::AudioComponentCodes{u"aufx"_s, u"bvrb"_s, u"Acme"_s}));
}

TEST(BundleMetadataReader, CategoryFromTheComponentType)
{
    // Two kinds share a category; codes are case-sensitive; any other type is an Audio Unit.
    const std::pair<const char*, const char*> table[] = {
        {"aumu", "Instrument"}, {"aumz", "Instrument"}, {"aumf", "MIDI Effect"},
        {"AUFX", "Audio Unit"}, {"zzzz", "Audio Unit"}, {"", "Audio Unit"},
    };
    for (const auto& [type, category] : table)
        EXPECT_EQ(BundleMetadataReader::categoryFromAudioComponents(
                      component({{u"type"_s, QString::fromLatin1(type)}})),
                  QString::fromLatin1(category))
            << type;
    EXPECT_EQ(BundleMetadataReader::categoryFromAudioComponents({}), QString());
    EXPECT_EQ(BundleMetadataReader::categoryFromAudioComponents(component({{u"subtype"_s, u"x"_s}})),
              QString());
    EXPECT_EQ(BundleMetadataReader::categoryFromAudioComponents(component({{u"type"_s, 1}})), QString());
}

// A missing property list is the walker's concern (BundleWalker's tests); a cut one reads as none.
TEST_F(BundleMetadataReaderTest, AMalformedPropertyListIsNoMetadata)
{
    const QString malformed = m_dir.filePath(u"Malformed.vst3"_s);
    BundleTree::file(malformed + u"/Contents/Info.plist"_s,
                     "<?xml version=\"1.0\"?><plist><dict><key>CFBundleName");
    EXPECT_FALSE(BundleMetadataReader::readMetadata(malformed));
}

TEST(BundleMetadataReader, ExecutablePathComesFromBundleExecutable)
{
    EXPECT_EQ(
        BundleMetadataReader::executablePath({{u"CFBundleExecutable"_s, u"Pro-Q 3"_s}}, u"/x/Pro-Q 3.vst3"_s),
        u"/x/Pro-Q 3.vst3/Contents/MacOS/Pro-Q 3"_s);
    EXPECT_FALSE(BundleMetadataReader::executablePath({}, u"/x/a.vst3"_s));
    EXPECT_FALSE(BundleMetadataReader::executablePath({{u"CFBundleExecutable"_s, 5}}, u"/x/a.vst3"_s));
    EXPECT_FALSE(
        BundleMetadataReader::executablePath({{u"CFBundleExecutable"_s, u"../../etc"_s}}, u"/x/a.vst3"_s));
}

} // namespace
