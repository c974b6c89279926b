#include "CatalogTree.h"
#include "CliRun.h"
#include "discovery/BundleTree.h"
#include "discovery/TreeSnapshot.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

const QString manifestPrefixes = uR"(@prefix lv2: <http://lv2plug.in/ns/lv2core#> .
@prefix rdfs: <http://www.w3.org/2000/01/rdf-schema#> .
@prefix ui: <http://lv2plug.in/ns/extensions/ui#> .
@prefix doap: <http://usefulinc.com/ns/doap#> .
@prefix dman: <http://lv2plug.in/ns/ext/dynmanifest#> .
)"_s;

// Copies of a real shared object, exporting every format's entry symbols, in every format folder
// of a Linux system, and an LV2 bundle whose dynamic manifest names one: a loader would run them.
class NoPluginCodeRunsTest : public CatalogTree {
protected:
    void SetUp() override
    {
        CatalogTree::SetUp();
        for (const QString& relative : objectPlaces)
            place(relative);
        text(u"system/usr/lib/lv2/sentinel.lv2/manifest.ttl"_s,
             manifestPrefixes + uR"(<urn:zv:sentinel> a lv2:Plugin ; lv2:binary <sentinel.so> ; rdfs:seeAlso <sentinel.ttl> .
<urn:zv:sentinel#ui> a ui:X11UI ; ui:binary <sentinel_ui.so> .
)"_s);
        text(u"system/usr/lib/lv2/sentinel.lv2/sentinel.ttl"_s,
             manifestPrefixes + uR"(<urn:zv:sentinel> a lv2:Plugin, lv2:ReverbPlugin ; doap:name "Sentinel" ;
    lv2:port [ a lv2:AudioPort, lv2:InputPort ; lv2:index 0 ; lv2:symbol "in" ; lv2:name "In" ] .
)"_s);
        text(u"system/usr/lib/lv2/dynamic.lv2/manifest.ttl"_s,
             manifestPrefixes + u"<urn:zv:dynamic> a dman:DynManifest ; lv2:binary <dynamic.so> .\n"_s);
    }

    void place(const QString& relative) const
    {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path(relative)).path()));
        ASSERT_TRUE(QFile::copy(QStringLiteral(ZV_LOAD_SENTINEL), path(relative))) << relative.toStdString();
    }

    void text(const QString& relative, const QString& content) const { BundleTree::file(path(relative), content.toUtf8()); }

    QString marker() const { return path(u"marker"_s); }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"ZV_LOAD_MARKER"_s, marker());
        const QString lib = path(u"system/usr/lib"_s);
        environment.insert(u"VST3_PATH"_s, lib + u"/vst3"_s);
        environment.insert(u"CLAP_PATH"_s, lib + u"/clap"_s);
        environment.insert(u"LV2_PATH"_s, lib + u"/lv2"_s);
        environment.insert(u"VST_PATH"_s, lib + u"/vst"_s);
        environment.insert(u"LADSPA_PATH"_s, lib + u"/ladspa"_s);
        return environment;
    }

    const QStringList objectPlaces{u"system/usr/lib/vst3/Sentinel.vst3/Contents/x86_64-linux/Sentinel.so"_s,
                                   u"system/usr/lib/clap/Sentinel.clap"_s,
                                   u"system/usr/lib/lv2/sentinel.lv2/sentinel.so"_s,
                                   u"system/usr/lib/lv2/sentinel.lv2/sentinel_ui.so"_s,
                                   u"system/usr/lib/lv2/dynamic.lv2/dynamic.so"_s,
                                   u"system/usr/lib/vst/Sentinel.so"_s,
                                   u"system/usr/lib/ladspa/sentinel.so"_s};
    const QStringList formatFolders{u"vst3"_s, u"clap"_s, u"lv2"_s, u"vst"_s, u"ladspa"_s};
};

// The stand-in really marks a load: without this, a missing mark below would prove nothing.
TEST_F(NoPluginCodeRunsTest, TheStandInMarksEveryLoad)
{
    const QString trueProgram = QStandardPaths::findExecutable(u"true"_s);
    ASSERT_FALSE(trueProgram.isEmpty());
    QProcessEnvironment preloaded = environment();
    preloaded.insert(u"LD_PRELOAD"_s, path(objectPlaces.last()));
    const CliRun run = runProgram(trueProgram, {}, preloaded);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();

    QFile mark(marker());
    ASSERT_TRUE(mark.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(mark.readAll()), path(objectPlaces.last()));
    EXPECT_TRUE(QFileInfo::exists(path(objectPlaces.last()) + u".loaded"_s));
}

TEST_F(NoPluginCodeRunsTest, RefreshAndScanReadEveryFormatFolderWithoutRunningAnything)
{
    const auto before = treeSnapshot(path(u"system"_s));
    QStringList folders;
    for (const QString& format : formatFolders)
        folders.append(path(u"system/usr/lib/"_s + format));

    const CliRun granted = runProgramInTree({u"grant"_s, u"--standard"_s}, environment());
    ASSERT_EQ(granted.exitCode, 0) << granted.err.toStdString();
    for (const QString& folder : folders)
        EXPECT_TRUE(granted.out.contains(u"Granted "_s + folder + u'\n')) << granted.out.toStdString();
    const CliRun refreshed = runProgramInTree({u"refresh"_s, u"--json"_s}, environment());
    EXPECT_EQ(refreshed.exitCode, 0) << refreshed.err.toStdString();
    const CliRun scanned = runProgramInTree(QStringList{u"scan"_s, u"--json"_s} + folders, environment());
    EXPECT_EQ(scanned.exitCode, 0) << scanned.err.toStdString();

    EXPECT_FALSE(QFileInfo::exists(marker()));
    EXPECT_EQ(treeSnapshot(path(u"system"_s)), before);

    // Each format's stand-in was reached and read as a plug-in, so the scan did look at them.
    QStringList found;
    for (const QJsonValue& plugin : QJsonDocument::fromJson(scanned.out.toUtf8()).array())
        found.append(plugin.toObject().value(u"filePath"_s).toString());
    for (const QString& expected :
         {u"vst3/Sentinel.vst3"_s, u"clap/Sentinel.clap"_s, u"lv2/sentinel.lv2"_s, u"vst/Sentinel.so"_s,
          u"ladspa/sentinel.so"_s})
        EXPECT_TRUE(found.contains(path(u"system/usr/lib/"_s + expected))) << expected.toStdString();
    EXPECT_EQ(found.size(), 5) << scanned.out.toStdString();
    EXPECT_EQ(jsonObject(refreshed.out).value(u"installs"_s).toInt(), 5) << refreshed.out.toStdString();
}

} // namespace
