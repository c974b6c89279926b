#include "discovery/Lv2BundleReader.h"

#include "BundleTree.h"
#include "support/QtPrinters.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

const QByteArray prefixes = R"(@prefix lv2: <http://lv2plug.in/ns/lv2core#> .
@prefix doap: <http://usefulinc.com/ns/doap#> .
@prefix foaf: <http://xmlns.com/foaf/0.1/> .
@prefix rdfs: <http://www.w3.org/2000/01/rdf-schema#> .
@prefix ui: <http://lv2plug.in/ns/extensions/ui#> .
)";

// A manifest declaring one plug-in whose data is in `plugin.ttl`.
QByteArray manifest(const char* uri, const char* binary = "plugin.so")
{
    return prefixes + QByteArray("<") + uri + "> a lv2:Plugin ; lv2:binary <" + binary + "> ; rdfs:seeAlso <plugin.ttl> .\n";
}

struct BundleCase {
    const char* label;
    QByteArray manifest;
    QByteArray data;                   // plugin.ttl
    QStringList plugins;               // "uri|name|publisher|version|category|binary file name"
};

QStringList describe(const Lv2Bundle& bundle)
{
    QStringList lines;
    for (const Lv2Plugin& p : bundle.plugins)
        lines.append(QStringList{p.uri, p.name, p.publisher, p.version, p.category, QFileInfo(p.binaryPath).fileName()}.join(u'|'));
    return lines;
}

Lv2Bundle readBundle(const QByteArray& manifestText, const QByteArray& data)
{
    QTemporaryDir dir;
    const QString bundle = dir.filePath(u"b.lv2"_s);
    BundleTree::file(bundle + u"/manifest.ttl"_s, manifestText);
    if (!data.isNull())
        BundleTree::file(bundle + u"/plugin.ttl"_s, data);
    return Lv2BundleReader::read(bundle);
}

TEST(Lv2BundleReader, ListsThePluginsAHostWouldList)
{
    const BundleCase cases[] = {
        BundleCase{"name maintainer version class", manifest("urn:a:verb"), prefixes + R"(
<urn:a:verb> a lv2:Plugin, lv2:ReverbPlugin ; doap:name "Hall Verb" ; lv2:minorVersion 4 ; lv2:microVersion 12 ;
    doap:maintainer [ foaf:name "Quiet Hall" ; foaf:homepage <http://q.example> ] .)",
                   {u"urn:a:verb|Hall Verb|Quiet Hall|4.12|Reverb|plugin.so"_s}},
        BundleCase{"project maintainer, minor version only", manifest("urn:a:eq"), prefixes + R"(
<urn:a:eq> a lv2:Plugin, lv2:EQPlugin, lv2:ParaEQPlugin, lv2:FilterPlugin ; doap:name "Para" ; lv2:minorVersion 2 ;
    lv2:project <urn:a:project> .
<urn:a:project> doap:maintainer <urn:a:person> ; doap:developer [ foaf:name "Not This One" ] .
<urn:a:person> foaf:name "Project Keeper" .)",
                   {u"urn:a:eq|Para|Project Keeper|2.0|Parametric EQ|plugin.so"_s}},
        BundleCase{"developer when there is no maintainer", manifest("urn:a:synth"), prefixes + R"(
<urn:a:synth> a lv2:InstrumentPlugin, lv2:Plugin ; doap:name "Synth" ; doap:developer [ foaf:name "Dev One" ] .)",
                   {u"urn:a:synth|Synth|Dev One||Instrument|plugin.so"_s}},
        BundleCase{"empty prefix, several plug-ins sorted by URI",
                   prefixes + R"(@prefix : <urn:b:> .
:z a lv2:Plugin ; lv2:binary <z.so> ; rdfs:seeAlso <plugin.ttl> .
:a a lv2:Plugin ; lv2:binary <a.so> ; rdfs:seeAlso <plugin.ttl> .)",
                   prefixes + R"(@prefix : <urn:b:> .
:z doap:name "Zed" ; a lv2:AmplifierPlugin .
:a doap:name "Ay" ; a lv2:DynamicsPlugin, lv2:LimiterPlugin, <http://example.org/OwnClass> .)",
                   {u"urn:b:a|Ay|||Limiter|a.so"_s, u"urn:b:z|Zed|||Amplifier|z.so"_s}},
        BundleCase{"data from a prototype", prefixes + R"(<urn:a:p> a lv2:Plugin ; lv2:binary <p.so> ;
    lv2:prototype <urn:a:proto> . <urn:a:proto> rdfs:seeAlso <plugin.ttl> .)",
                   prefixes + "<urn:a:proto> doap:name \"From Prototype\" ; a lv2:ReverbPlugin .",
                   {u"urn:a:p|From Prototype|||Reverb|p.so"_s}},
        BundleCase{"no name, no class", manifest("urn:a:bare"), prefixes + "<urn:a:bare> a lv2:Plugin .",
                   {u"urn:a:bare|||||plugin.so"_s}},
        BundleCase{"data for a plug-in whose binary is elsewhere",
                   prefixes + "<urn:a:other> a lv2:Plugin ; rdfs:seeAlso <plugin.ttl> .",
                   prefixes + "<urn:a:other> doap:name \"Extension\" .", {}},
        BundleCase{"user interface only", prefixes + R"(<urn:a:verb#ui> a ui:X11UI ; ui:binary <ui.so> ;
    rdfs:seeAlso <plugin.ttl> .)",
                   prefixes + "<urn:a:verb#ui> lv2:requiredFeature <urn:x> .", {}},
        BundleCase{"malformed data file", manifest("urn:a:broken"), prefixes + "<urn:a:broken> doap:name \"x ;; [[ .", {}},
        BundleCase{"malformed manifest", "@prefix lv2 <oops> . <a> a lv2:Plugin", QByteArray(), {}},
        // Its plug-ins come only from running its code: none may show up, the static one beside it does.
        BundleCase{"dynamic manifest", prefixes + R"(@prefix dman: <http://lv2plug.in/ns/ext/dynmanifest#> .
<urn:a:dyn> a dman:DynManifest ; lv2:binary <dyn.so> .
<urn:a:static> a lv2:Plugin ; lv2:binary <static.so> .)", QByteArray(), {u"urn:a:static|||||static.so"_s}},
        BundleCase{"binary given as an http URI", manifest("urn:a:remote", "http://example.org/p.so"),
                   prefixes + "<urn:a:remote> doap:name \"Remote\" .", {}}};
    for (const BundleCase& c : cases)
        EXPECT_EQ(describe(readBundle(c.manifest, c.data)), c.plugins) << c.label;
}

TEST(Lv2BundleReader, DataFilesThatAreNotSmallRegularFilesMakeTheBundleUnreadable)
{
    QTemporaryDir dir;
    const auto bundleWith = [&](const QString& name, const QByteArray& seeAlso) {
        const QString bundle = dir.filePath(name);
        BundleTree::file(bundle + u"/manifest.ttl"_s,
                         prefixes + "<urn:a:p> a lv2:Plugin ; lv2:binary <p.so> ; rdfs:seeAlso <" + seeAlso + "> .");
        return bundle;
    };
    const QString fifoBundle = bundleWith(u"fifo.lv2"_s, "data.ttl");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifoBundle + u"/data.ttl"_s).constData(), 0644), 0);
    const QString largeBundle = bundleWith(u"large.lv2"_s, "data.ttl");
    BundleTree::file(largeBundle + u"/data.ttl"_s, prefixes + QByteArray(9 * 1024 * 1024, ' '));
    const QString deviceBundle = bundleWith(u"device.lv2"_s, "file:///dev/zero");
    const QString missingBundle = bundleWith(u"missing.lv2"_s, "gone.ttl");
    // Escapes cut short at the end of the URI once made the URI parser read past it.
    const QString cutEscapeBundle = bundleWith(u"cut-escape.lv2"_s, "data.ttl%");
    const QString halfEscapeBundle = bundleWith(u"half-escape.lv2"_s, "data.ttl%4");
    BundleTree::file(halfEscapeBundle + u"/data.ttl"_s, prefixes);

    // A prototype's files are read with the plug-in; one plug-in's data may name them for the next.
    const QString prototypeBundle = dir.filePath(u"prototype.lv2"_s);
    BundleTree::file(prototypeBundle + u"/manifest.ttl"_s, prefixes + R"(
<urn:a:a> a lv2:Plugin ; lv2:binary <a.so> ; rdfs:seeAlso <a.ttl> .
<urn:a:b> a lv2:Plugin ; lv2:binary <b.so> .)");
    BundleTree::file(prototypeBundle + u"/a.ttl"_s, prefixes + "<urn:a:b> lv2:prototype <urn:a:proto> .\n"
                                                                 "<urn:a:proto> rdfs:seeAlso <fifo.ttl> .");
    ASSERT_EQ(::mkfifo(QFile::encodeName(prototypeBundle + u"/fifo.ttl"_s).constData(), 0644), 0);

    for (const QString& bundle : {fifoBundle, largeBundle, deviceBundle, missingBundle, cutEscapeBundle, halfEscapeBundle,
                                  prototypeBundle}) {
        const Lv2Bundle read = Lv2BundleReader::read(bundle);
        EXPECT_FALSE(read.readable) << bundle.toStdString();
        EXPECT_TRUE(read.plugins.isEmpty()) << bundle.toStdString();
    }
    EXPECT_FALSE(Lv2BundleReader::read(dir.filePath(u"none.lv2"_s)).readable);

    const QString fifoManifest = dir.filePath(u"fifo-manifest.lv2"_s);
    ASSERT_TRUE(QDir().mkpath(fifoManifest));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifoManifest + u"/manifest.ttl"_s).constData(), 0644), 0);
    EXPECT_FALSE(Lv2BundleReader::read(fifoManifest).readable);
}

TEST(Lv2BundleReader, HostileTurtleIsUnreadableAndSilent)
{
    const QByteArray hostile[] = {
        "<urn:a:p> a lv2:Plugin ; doap:name \"unterminated",
        "<urn:a:p> a undefined:Plugin .",
        "@prefix bad: <h(tp://example.org/> . <urn:a:p> a lv2:Plugin ; bad:name \"x\" .",
        "<urn:a:p> doap:name \"\xC3\x28\xFF\" .",
        QByteArray(100000, '[') + QByteArray(100000, ']') + " .",
        "<urn:a:p> lv2:port " + QByteArray(50000, '(') + ".",
        QByteArray::fromHex("00ff7f454c46020101") + QByteArray(300, '\xAB'),
    };
    for (const QByteArray& text : hostile) {
        for (bool inManifest : {true, false}) {
            ::testing::internal::CaptureStderr();
            const Lv2Bundle read =
                inManifest ? readBundle(prefixes + text, QByteArray()) : readBundle(manifest("urn:a:p"), prefixes + text);
            EXPECT_EQ(::testing::internal::GetCapturedStderr(), "") << text.left(40).toStdString();
            EXPECT_FALSE(read.readable) << text.left(40).toStdString();
        }
    }
}

} // namespace
