// The built program as a user runs it: a child process without a display, one run per command.
#include "CatalogTree.h"
#include "CliRun.h"

#include "model/CatalogStore.h"
#include "model/FilePathBytes.h"
#include "model/InstallStatus.h"
#include "model/PluginInstall.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>

#include <cstdio>

#include <sys/stat.h>
#include <unistd.h>

namespace {

class ExecutableRunTest : public CatalogTree {
protected:
    void SetUp() override {
        CatalogTree::SetUp();
        m_environment = environmentWithoutDisplay();
        m_environment.insert(QStringLiteral("HOME"), path(QStringLiteral("home")));
        m_environment.insert(QStringLiteral("XDG_DATA_HOME"), path(QStringLiteral("home/data")));
    }

    CliRun run(const QStringList& arguments) const { return runProgram(arguments, m_environment); }

    // Root reads every folder whatever its mode, so as root the child runs without those capabilities.
    CliRun runWithoutReadOverride(const QStringList& arguments) const {
        if (::geteuid() != 0)
            return run(arguments);
        const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/zuzuze-vizozod");
        return runProgram(QStringLiteral("setpriv"),
                          QStringList{QStringLiteral("--inh-caps=-all"),
                                      QStringLiteral("--bounding-set=-dac_override,-dac_read_search"),
                                      QStringLiteral("--"), program} +
                              arguments,
                          m_environment);
    }

    QProcessEnvironment m_environment;
};

QSet<QString> commandsInHelp(const QString& help) {
    QSet<QString> names;
    const qsizetype start = help.indexOf(QStringLiteral("\nCommands:\n"));
    static const QRegularExpression line(QStringLiteral("^  ([a-z-]+)  "), QRegularExpression::MultilineOption);
    for (auto match = line.globalMatch(help.mid(start)); match.hasNext();)
        names.insert(match.next().captured(1));
    return names;
}

TEST_F(ExecutableRunTest, EveryCommandRunsInTheRealProgram) {
    writeTree();
    const QString store = QStringLiteral("--store=") + this->store();
    struct Step {
        QStringList arguments;
        int exitCode;
        const char* outContains;
    };
    const QList<Step> steps = {
        {{QStringLiteral("demo-library"), path(QStringLiteral("lib"))}, 0, ""},
        {{QStringLiteral("scan"), path(QStringLiteral("Plugins"))}, 0, "Alpha"},
        {{store, QStringLiteral("grant"), path(QStringLiteral("Plugins"))}, 0, "Plugins"},
        {{store, QStringLiteral("add-content"), path(QStringLiteral("Content"))}, 0, "Content"},
        {{store, QStringLiteral("folders")}, 0, "Plugins"},
        {{store, QStringLiteral("refresh")}, 0, "New plug-ins:               3"},
        {{store, QStringLiteral("list")}, 0, "Beta"},
        {{store, QStringLiteral("show"), QStringLiteral("alpha")}, 0, "Alpha"},
        {{store, QStringLiteral("favorite"), QStringLiteral("Alpha")}, 0, "Alpha"},
        {{store, QStringLiteral("note"), QStringLiteral("Alpha"), QStringLiteral("warm")}, 0, "Alpha"},
        {{store, QStringLiteral("tag"), QStringLiteral("Alpha"), QStringLiteral("Mixing")}, 0, "mixing"},
        {{store, QStringLiteral("untag"), QStringLiteral("Alpha"), QStringLiteral("mixing")}, 0, "Alpha has no tags."},
        {{store, QStringLiteral("dashboard")}, 0, "3"},
        {{store, QStringLiteral("export"), path(QStringLiteral("out.pdf"))}, 0, "Exported 3 plugins"},
        {{store, QStringLiteral("remove-content"), path(QStringLiteral("Content"))}, 0, "Content"},
        {{store, QStringLiteral("revoke"), path(QStringLiteral("Plugins"))}, 0, "Plugins"},
        // Without a display, the sample library's catalogue is printed instead of the window.
        {{QStringLiteral("demo")}, 0, "Plugins"},
    };
    QSet<QString> covered;
    for (const Step& step : steps) {
        const CliRun result = run(step.arguments);
        const QString shown = step.arguments.join(u' ');
        EXPECT_EQ(result.exitCode, step.exitCode) << shown.toStdString() << "\n" << result.err.toStdString();
        EXPECT_TRUE(result.out.contains(QLatin1StringView(step.outContains)))
            << shown.toStdString() << "\n" << result.out.toStdString();
        for (const QString& argument : step.arguments)
            if (!argument.startsWith(u'-')) {
                covered.insert(argument);
                break;
            }
    }
    const CliRun help = run({QStringLiteral("--help")});
    ASSERT_EQ(help.exitCode, 0);
    const QSet<QString> commands = commandsInHelp(help.out);
    EXPECT_GE(commands.size(), 17);
    for (const QString& command : commands)
        EXPECT_TRUE(covered.contains(command)) << "no run of " << command.toStdString();

    QFile pdf(path(QStringLiteral("out.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
}

TEST_F(ExecutableRunTest, FailuresAreToldAndExitWithOne) {
    writeTree();
    const QString store = QStringLiteral("--store=") + this->store();
    ASSERT_EQ(run({store, QStringLiteral("grant"), path(QStringLiteral("Plugins"))}).exitCode, 0);
    const QString empty = QStringLiteral("zuzuze-vizozod: the catalogue path given with --store is empty.\n");
    struct Case {
        QStringList arguments;
        QString err;
    };
    QList<Case> cases = {{{QStringLiteral("--store="), QStringLiteral("grant"), path(QStringLiteral("Plugins"))}, empty},
                         {{QStringLiteral("--store"), QString(), QStringLiteral("list")}, empty}};
    // A full disk and a folder that is not there, in every form: nothing is said to be exported.
    const std::pair<QString, QString> unwritable[] = {
        {QStringLiteral("/dev/full"), QStringLiteral("No space left on device")},
        {path(QStringLiteral("missing/list")), QStringLiteral("No such file or directory")}};
    for (const char* format : {"text", "markdown", "csv", "pdf", "json"})
        for (const auto& [target, reason] : unwritable)
            cases.append({{store, QStringLiteral("export"), target, QStringLiteral("--as"), QString::fromLatin1(format)},
                          QStringLiteral("Export failed: Cannot write “%1”: %2.\n").arg(target, reason)});
    for (const Case& test : cases) {
        const CliRun result = run(test.arguments);
        const QString shown = test.arguments.join(u' ');
        EXPECT_EQ(result.exitCode, 1) << shown.toStdString();
        EXPECT_EQ(result.err, test.err) << shown.toStdString();
        EXPECT_FALSE(result.out.contains(QStringLiteral("Exported"))) << shown.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("missing"))));
}

// A name is data: escape sequences in it must not reach the terminal.
TEST_F(ExecutableRunTest, ControlCharactersInNamesArePrintedVisibly) {
    writeBundle(QStringLiteral("Plugins/Evil.vst3"), QStringLiteral("Evil\x1b]0;owned\x07\x1b[2J"));
    const CliRun scanned = run({QStringLiteral("scan"), path(QStringLiteral("Plugins"))});
    EXPECT_EQ(scanned.exitCode, 0);
    EXPECT_FALSE(scanned.out.contains(u'\x1b'));
    EXPECT_FALSE(scanned.out.contains(u'\x07'));
    EXPECT_TRUE(scanned.out.contains(QStringLiteral("Evil␛]0;owned␇␛[2J"))) << scanned.out.toStdString();
}

// Folders the program may not list are a word, not a failure: each folder once on standard error,
// the rest catalogued, exit status 0.
TEST_F(ExecutableRunTest, RefreshTellsEachUnreadableFolderAndCataloguesTheRest) {
    writeTree();
    writeBundle(QStringLiteral("Plugins/Locked/Delta.vst3"), QStringLiteral("Delta"));
    writeBundle(QStringLiteral("Sealed/Epsilon.vst3"), QStringLiteral("Epsilon"));
    writeFile(QStringLiteral("Content/Native Instruments/Library One/Samples/a.wav"), 50);
    writeFile(QStringLiteral("Plugins/Broken.vst3/Contents/Resources/a.bin"), 5);
    for (const QStringList& arguments :
         {QStringList{QStringLiteral("grant"), path(QStringLiteral("Plugins")), path(QStringLiteral("Sealed"))},
          // A locked folder both granted and measured as content is told once.
          QStringList{QStringLiteral("add-content"), path(QStringLiteral("Content")), path(QStringLiteral("Sealed"))}})
        ASSERT_EQ(CatalogTree::run(arguments).exitCode, 0);
    // Folders inside a bundle or a library are entered only by the measuring walk.
    const QStringList locked{path(QStringLiteral("Plugins/Locked")), path(QStringLiteral("Plugins/Beta.vst3/Contents/Resources")),
                             path(QStringLiteral("Sealed")),
                             path(QStringLiteral("Content/Native Instruments/Library One/Samples")),
                             path(QStringLiteral("Content/Native Instruments/Library Two"))};
    // A bundle without a property list is not catalogued, so nothing inside it is told.
    const QStringList silent{path(QStringLiteral("Plugins/Broken.vst3/Contents/Resources"))};
    for (const QString& folder : locked + silent)
        ASSERT_EQ(::chmod(FilePathBytes::encode(folder).constData(), 0), 0);
    const auto unlock = qScopeGuard([&locked, &silent] {
        for (const QString& folder : locked + silent)
            ::chmod(FilePathBytes::encode(folder).constData(), 0755);
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

// File names are bytes: a bundle whose name is not UTF-8 is catalogued under its exact bytes,
// shown readably, and is the same install on every refresh.
TEST_F(ExecutableRunTest, ABundleNamedInBytesThatAreNotUtf8KeepsItsIdentity) {
    writeBundle(QStringLiteral("Plugins/cafe.vst3"), QStringLiteral("Cafe"));
    const QByteArray plain = FilePathBytes::encode(path(QStringLiteral("Plugins")));
    const QByteArray folder = plain.left(plain.lastIndexOf('/')) + "/Plug\xe9ins";
    ASSERT_EQ(::rename((plain + "/cafe.vst3").constData(), (plain + "/caf\xe9.vst3").constData()), 0);
    ASSERT_EQ(::rename(plain.constData(), folder.constData()), 0);
    // QTemporaryDir cannot remove a name that is not UTF-8: give them back their own names first.
    const QString workingFolder = QDir::currentPath();
    const auto restore = qScopeGuard([&] {
        QDir::setCurrent(workingFolder);
        ::rename(folder.constData(), plain.constData());
        ::rename((plain + "/caf\xe9.vst3").constData(), (plain + "/cafe.vst3").constData());
    });
    const QString bundle = FilePathBytes::decode(folder + "/caf\xe9.vst3");

    // The granted folder is named by the current folder's bytes, which no argument can carry here.
    ASSERT_EQ(::chdir(folder.constData()), 0);
    const QString store = QStringLiteral("--store=") + this->store();
    const CliRun granted = run({store, QStringLiteral("grant"), QStringLiteral(".")});
    ASSERT_EQ(granted.exitCode, 0) << granted.err.toStdString();
    EXPECT_EQ(granted.out, QStringLiteral("Granted %1\n").arg(path(QStringLiteral("Plug\uFFFDins"))));
    for (int refresh = 0; refresh < 3; ++refresh) {
        const CliRun refreshed = run({store, QStringLiteral("refresh")});
        ASSERT_EQ(refreshed.exitCode, 0) << refreshed.err.toStdString();
        QString error;
        const std::unique_ptr<CatalogStore> catalogue = CatalogStore::open(this->store(), &error);
        ASSERT_TRUE(catalogue) << error.toStdString();
        ASSERT_EQ(catalogue->installs().size(), 1) << "refresh " << refresh;
        EXPECT_EQ(catalogue->installs().first()->filePath(), bundle);
        EXPECT_EQ(catalogue->installs().first()->status(), InstallStatus::found);
        EXPECT_EQ(catalogue->records().size(), 1);
    }
    const CliRun shown = run({store, QStringLiteral("show"), QStringLiteral("cafe")});
    EXPECT_EQ(shown.exitCode, 0) << shown.err.toStdString();
    EXPECT_TRUE(shown.out.contains(QStringLiteral("caf\uFFFD.vst3"))) << shown.out.toStdString();
}

} // namespace

namespace {

// Makes a file or folder unwritable even for root (an immutable attribute), else by its mode.
bool makeReadOnly(const QString& target, bool readOnly) {
    if (::geteuid() == 0)
        return QProcess::execute(QStringLiteral("chattr"), {readOnly ? QStringLiteral("+i") : QStringLiteral("-i"),
                                                             target}) == 0;
    return QFile::setPermissions(target, readOnly ? QFile::ReadOwner | QFile::ExeOwner
                                                  : QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace

TEST_F(ExecutableRunTest, AReadOnlyCatalogueStillReadsAndRefusesWritesWithTheReason) {
    writeTree();
    ASSERT_EQ(run({QStringLiteral("--store"), store(), QStringLiteral("grant"), path(QStringLiteral("Plugins"))}).exitCode, 0);
    ASSERT_EQ(run({QStringLiteral("--store"), store(), QStringLiteral("refresh")}).exitCode, 0);
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("ro"))));
    const QString copy = path(QStringLiteral("ro/catalog.sqlite"));
    ASSERT_TRUE(QFile::copy(store(), copy));
    if (!makeReadOnly(copy, true) || !makeReadOnly(path(QStringLiteral("ro")), true))
        GTEST_SKIP() << "this file system cannot make a file read-only";
    const auto restore = qScopeGuard([&] {
        makeReadOnly(path(QStringLiteral("ro")), false);
        makeReadOnly(copy, false);
    });
    const QStringList readers[] = {{QStringLiteral("list")},
                                   {QStringLiteral("show"), QStringLiteral("Alpha")},
                                   {QStringLiteral("dashboard")},
                                   {QStringLiteral("folders")},
                                   {QStringLiteral("export"), path(QStringLiteral("out.csv"))}};
    for (const QStringList& arguments : readers) {
        const CliRun result = run(QStringList{QStringLiteral("--store"), copy} + arguments);
        EXPECT_EQ(result.exitCode, 0) << arguments.join(u' ').toStdString() << "\n" << result.err.toStdString();
    }
    const CliRun note = run({QStringLiteral("--store"), copy, QStringLiteral("note"), QStringLiteral("Alpha"),
                             QStringLiteral("warm")});
    EXPECT_EQ(note.exitCode, 1);
    EXPECT_TRUE(note.err.contains(QStringLiteral("read-only"))) << note.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(copy + QStringLiteral("-wal")));
}
