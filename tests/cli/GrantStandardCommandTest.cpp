#include "CatalogTree.h"
#include "CliRun.h"

#include "sample/ElfImageWriter.h"
#include "sample/PeImageWriter.h"

using namespace Qt::StringLiterals;

namespace {

// `grant --standard` as a user runs it: the built program, with the environment it is given.
class GrantStandardCommandTest : public CatalogTree {
protected:
    static QProcessEnvironment withoutPluginPaths()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"VST3_PATH", "CLAP_PATH", "LV2_PATH", "VST_PATH", "LADSPA_PATH", "WINEPREFIX"})
            environment.remove(QString::fromLatin1(name));
        return environment;
    }
};

TEST_F(GrantStandardCommandTest, GrantsEveryStandardFolderThatExistsAndNoOther)
{
    for (const char* folder : {"system/usr/lib/lv2", "system/usr/local/lib/vst3", "home/.clap", "custom/ladspa",
                               "wine/drive_c/Program Files/Common Files/CLAP"})
        ASSERT_TRUE(QDir().mkpath(path(QString::fromLatin1(folder))));
    QProcessEnvironment environment = withoutPluginPaths();
    environment.insert(u"LADSPA_PATH"_s, path(u"custom/ladspa"_s) + u"::"_s + path(u"missing"_s));
    environment.insert(u"WINEPREFIX"_s, path(u"wine"_s));

    const CliRun run = runProgramInTree({u"grant"_s, u"--standard"_s}, environment);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, u"Granted %1\nGranted %2\nGranted %3\nGranted %4\nGranted %5\n"_s.arg(
                           path(u"system/usr/local/lib/vst3"_s), path(u"system/usr/lib/lv2"_s), path(u"home/.clap"_s),
                           path(u"wine/drive_c/Program Files/Common Files/CLAP"_s), path(u"custom/ladspa"_s)));
}

TEST_F(GrantStandardCommandTest, NoStandardFolderIsAFailureThatGrantsNothing)
{
    ASSERT_TRUE(QDir().mkpath(path(u"system"_s)));
    ASSERT_TRUE(QDir().mkpath(path(u"home"_s)));
    const CliRun run = runProgramInTree({u"grant"_s, u"--standard"_s}, withoutPluginPaths());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, QString());
    EXPECT_TRUE(run.err.endsWith(u": no standard plug-in folder exists; nothing was granted.\n"_s)) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(store()));
}

TEST_F(GrantStandardCommandTest, PlatformFilterKeepsThePluginsBuiltForIt)
{
    ElfImageSpec elfSpec;
    elfSpec.clapEntry = ClapVersion{1, 2, 0};
    ASSERT_TRUE(QDir().mkpath(path(u"system/usr/lib/clap"_s)));
    ASSERT_TRUE(ElfImageWriter::write(path(u"system/usr/lib/clap/Penguin Synth.clap"_s), elfSpec));
    PeImageSpec peSpec;
    peSpec.exports = {"VSTPluginMain"};
    ASSERT_TRUE(QDir().mkpath(path(u"home/.wine/drive_c/Program Files/VstPlugins"_s)));
    ASSERT_TRUE(PeImageWriter::write(path(u"home/.wine/drive_c/Program Files/VstPlugins/Window Delay.dll"_s), peSpec));
    const QProcessEnvironment environment = withoutPluginPaths();
    ASSERT_EQ(runProgramInTree({u"grant"_s, u"--standard"_s}, environment).exitCode, 0);
    ASSERT_EQ(runProgramInTree({u"refresh"_s}, environment).exitCode, 0);

    const struct {
        const char* platform;
        const char* listed;
        const char* left;
    } cases[] = {{"Windows", "Window Delay", "Penguin Synth"}, {"linux", "Penguin Synth", "Window Delay"}};
    for (const auto& item : cases) {
        SCOPED_TRACE(item.platform);
        const CliRun listed =
            runProgramInTree({u"list"_s, u"--platform"_s, QString::fromLatin1(item.platform)}, environment);
        EXPECT_EQ(listed.exitCode, 0) << listed.err.toStdString();
        EXPECT_TRUE(listed.out.contains(QLatin1StringView(item.listed))) << listed.out.toStdString();
        EXPECT_FALSE(listed.out.contains(QLatin1StringView(item.left))) << listed.out.toStdString();
    }
    const CliRun wrong = runProgramInTree({u"list"_s, u"--platform"_s, u"Mac"_s}, environment);
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_TRUE(wrong.err.contains(u"--platform \"Mac\" is not one of macOS, Linux or Windows."_s)) << wrong.err.toStdString();
}

} // namespace
