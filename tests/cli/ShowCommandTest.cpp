#include "LibraryCatalog.h"
#include "support/QtPrinters.h"

#include <QJsonArray>

namespace {

class ShowCommandTest : public LibraryCatalog {};

TEST_F(ShowCommandTest, ShowsTheDetailWithFoundInstallsFirst) {
    InstallSpec gone = installOf(PluginFormat::au, PluginArchitecture::x86_64, 1'200'000);
    gone.status = InstallStatus::notFound;
    gone.filePath = QStringLiteral("/Old/Pro-Q 3.component");
    gone.bundleID = QStringLiteral("com.fabfilter.ProQ3.old");
    gone.version = QString();
    gone.installDate = at(2022, 5, 1);
    addInstall(proQ, gone);
    proQ->setNotes(QStringLiteral("Main bus EQ.\nUse linear phase."));
    addTag(proQ, QStringLiteral("mixing"));
    addTag(proQ, QStringLiteral("eq"));
    proQ->setIsFavorite(true);

    const CliRun shown = run({QStringLiteral("show"), QStringLiteral("pro-q 3")});
    EXPECT_EQ(shown.exitCode, 0) << shown.err.toStdString();
    EXPECT_EQ(shown.err, QString());
    const QString about = PluginDescriptionService::shared().lookup(QStringLiteral("Pro-Q 3"))->description;
    EXPECT_EQ(shown.out, QStringLiteral("Pro-Q 3\n"
                                        "Equalizer \u00B7 FabFilter\n"
                                        "\n"
                                        "About\n"
                                        "  %1\n"
                                        "\n"
                                        "Publisher  FabFilter\n"
                                        "Version    3.2\n"
                                        "Updated    Mar 10, 2024\n"
                                        "Size       5 MB\n"
                                        "Favorite   yes\n"
                                        "\n"
                                        "Installed Formats\n"
                                        "  AU  Apple Silicon  2 MB\n"
                                        "    Platform:   macOS\n"
                                        "    Path:       /Library/Audio/Plug-Ins/AU/Pro-Q 3.au\n"
                                        "    Bundle ID:  com.example.pro-q 3\n"
                                        "    Version:    1.0\n"
                                        "    Installed:  Mar 10, 2024\n"
                                        "    Modified:   Mar 10, 2024\n"
                                        "  VST3  Apple Silicon  3 MB\n"
                                        "    Platform:   macOS\n"
                                        "    Path:       /Library/Audio/Plug-Ins/VST3/Pro-Q 3.vst3\n"
                                        "    Bundle ID:  com.example.pro-q 3\n"
                                        "    Version:    1.0\n"
                                        "    Installed:  Mar 10, 2024\n"
                                        "    Modified:   Mar 10, 2024\n"
                                        "  AU  Intel 64  Not Found  1.2 MB\n"
                                        "    Platform:   macOS\n"
                                        "    Path:       /Old/Pro-Q 3.component\n"
                                        "    Bundle ID:  com.fabfilter.ProQ3.old\n"
                                        "    Version:    \u2014\n"
                                        "    Installed:  May 1, 2022\n"
                                        "    Modified:   Mar 10, 2024\n"
                                        "\n"
                                        "Notes\n"
                                        "  Main bus EQ.\n"
                                        "  Use linear phase.\n"
                                        "\n"
                                        "Tags\n"
                                        "  eq, mixing\n")
                             .arg(about));
}

TEST_F(ShowCommandTest, NoDescriptionMeansNoAboutAndEmptyValuesShowDashes) {
    const CliRun shown = run({QStringLiteral("show"), QStringLiteral("808 drums")});
    EXPECT_EQ(shown.exitCode, 0);
    EXPECT_TRUE(shown.out.startsWith(QStringLiteral("808 Drums\nEffect \u00B7 Beat Co\n\nPublisher  Beat Co\n"
                                                    "Version    \u2014\n")))
        << shown.out.toStdString();
    EXPECT_TRUE(shown.out.endsWith(QStringLiteral("\nNotes\n  \u2014\n\nTags\n  \u2014\n")));
}

TEST_F(ShowCommandTest, JsonListsTheInstallsWithTheirStatus) {
    InstallSpec gone = installOf(PluginFormat::aax, PluginArchitecture::x86_64, 10);
    gone.status = InstallStatus::notFound;
    addInstall(tape, gone);
    const CliRun shown =
        run({QStringLiteral("show"), QStringLiteral("Vintage Tape"), QStringLiteral("--json")});
    EXPECT_EQ(shown.exitCode, 0);
    const QJsonObject object = jsonObject(shown.out);
    EXPECT_EQ(object.value(QStringLiteral("category")).toString(), QStringLiteral("Saturation"));
    EXPECT_EQ(object.value(QStringLiteral("about")).toString(), QString());
    const QJsonArray installs = object.value(QStringLiteral("installs")).toArray();
    ASSERT_EQ(installs.size(), 2);
    const QJsonObject missing = installs[1].toObject();
    EXPECT_EQ((QStringList{installs[0].toObject().value(QStringLiteral("status")).toString(), missing["status"].toString(),
                           missing["format"].toString(), missing["platform"].toString(),
                           missing["installDate"].toString()}),
              (QStringList{"found", "notFound", "AAX", "macOS", "2024-03-10T12:00:00.000Z"}));
}

} // namespace
