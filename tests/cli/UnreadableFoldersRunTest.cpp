// Folders the program may not list, met by the built program run as a child process. Root reads
// every folder whatever its mode, so as root the child runs without those capabilities.
#include "CatalogTree.h"
#include "CliRun.h"

#include <QCoreApplication>
#include <QScopeGuard>

#include <sys/stat.h>
#include <unistd.h>

namespace {

class UnreadableFoldersRunTest : public CatalogTree {
protected:
    CliRun runWithoutReadOverride(const QStringList& arguments) const {
        QProcessEnvironment environment = environmentWithoutDisplay();
        environment.insert(QStringLiteral("HOME"), path(QStringLiteral("home")));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), path(QStringLiteral("home/data")));
        const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/zuzuze-vizozod");
        if (::geteuid() != 0)
            return runProgram(arguments, environment);
        return runProgram(QStringLiteral("setpriv"),
                          QStringList{QStringLiteral("--inh-caps=-all"),
                                      QStringLiteral("--bounding-set=-dac_override,-dac_read_search"),
                                      QStringLiteral("--"), program} +
                              arguments,
                          environment);
    }
};

// A word, not a failure: each folder once on standard error, the rest catalogued, exit status 0.
TEST_F(UnreadableFoldersRunTest, RefreshTellsEachUnreadableFolderAndCataloguesTheRest) {
    writeTree();
    writeBundle(QStringLiteral("Plugins/Locked/Delta.vst3"), QStringLiteral("Delta"));
    writeBundle(QStringLiteral("Sealed/Epsilon.vst3"), QStringLiteral("Epsilon"));
    writeFile(QStringLiteral("Content/Native Instruments/Library One/Samples/a.wav"), 50);
    for (const QStringList& arguments :
         {QStringList{QStringLiteral("grant"), path(QStringLiteral("Plugins")), path(QStringLiteral("Sealed"))},
          // A locked folder both granted and measured as content is told once.
          QStringList{QStringLiteral("add-content"), path(QStringLiteral("Content")), path(QStringLiteral("Sealed"))}})
        ASSERT_EQ(run(arguments).exitCode, 0);
    // Folders inside a bundle or a library are entered only by the measuring walk.
    const QStringList locked{path(QStringLiteral("Plugins/Locked")), path(QStringLiteral("Plugins/Beta.vst3/Contents/Resources")),
                             path(QStringLiteral("Sealed")),
                             path(QStringLiteral("Content/Native Instruments/Library One/Samples")),
                             path(QStringLiteral("Content/Native Instruments/Library Two"))};
    for (const QString& folder : locked)
        ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0), 0);
    const auto unlock = qScopeGuard([&locked] {
        for (const QString& folder : locked)
            ::chmod(QFile::encodeName(folder).constData(), 0755);
    });
    QString told;
    for (const QString& folder : locked)
        told += QStringLiteral("[PluginScanner] Failed to enumerate %1: Permission denied\n").arg(folder);

    for (const bool json : {false, true}) {
        QStringList arguments{QStringLiteral("--store"), store(), QStringLiteral("refresh")};
        if (json)
            arguments.append(QStringLiteral("--json"));
        const CliRun run = runWithoutReadOverride(arguments);
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(run.err, told);
        EXPECT_FALSE(run.out.contains(QStringLiteral("[PluginScanner]"))) << run.out.toStdString();
        if (!json)
            continue;
        const QJsonObject summary = jsonObject(run.out);
        EXPECT_EQ(summary.value(QStringLiteral("plugins")).toInt(), 3);
        EXPECT_EQ(summary.value(QStringLiteral("contentLibraries")).toInt(), 2);
        EXPECT_EQ(summary.value(QStringLiteral("contentBytes")).toInteger(), 100);
    }
}

} // namespace
