#include "CliRun.h"
#include "support/QtPrinters.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(CommandLine, VersionPrintsNameAndVersion) {
    for (const QString& option : {QStringLiteral("--version"), QStringLiteral("-v")}) {
        const CliRun run = runCli({option});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.out, QStringLiteral("zuzuze-vizozod 0.1.0\n"));
        EXPECT_EQ(run.err, QString());
    }
}

TEST(CommandLine, HelpListsTheCommandsOnStandardOutput) {
    const CliRun run = runCli({QStringLiteral("--help")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.startsWith(QStringLiteral("Usage: zuzuze-vizozod [options] COMMAND [arguments]\n")))
        << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("\nCommands:\n  scan          ")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("\n  demo-library  ")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("--system-root <DIR>")));
    EXPECT_EQ(run.err, QString());
}

TEST(CommandLine, CommandHelpShowsTheCommandsOptions) {
    struct Case {
        QStringList arguments;
        QString usageLine;
        QString option;
    };
    const QList<Case> cases{
        {{QStringLiteral("scan"), QStringLiteral("--help")},
         QStringLiteral("Usage: zuzuze-vizozod scan [--json] [--system-root DIR] [--home DIR] FOLDER...\n"),
         QStringLiteral("--json")},
        {{QStringLiteral("demo-library"), QStringLiteral("-h")},
         QStringLiteral("Usage: zuzuze-vizozod demo-library DIR [--bundles N] [--seed S]\n"),
         QStringLiteral("--bundles <N>")},
        {{QStringLiteral("--help"), QStringLiteral("scan")},
         QStringLiteral("Usage: zuzuze-vizozod scan [--json] [--system-root DIR] [--home DIR] FOLDER...\n"),
         QStringLiteral("FOLDER")},
    };
    for (const Case& c : cases) {
        const CliRun run = runCli(c.arguments);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_TRUE(run.out.startsWith(c.usageLine)) << run.out.toStdString();
        EXPECT_TRUE(run.out.contains(c.option)) << c.option.toStdString();
        EXPECT_EQ(run.err, QString());
    }
}

TEST(CommandLine, BadUsageExitsTwoWithTheUsageOnStandardError) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    struct Case {
        QStringList arguments;
        QString firstLine;
        QString usageLine;
    };
    const QString general = QStringLiteral("Usage: zuzuze-vizozod [options] COMMAND [arguments]\n");
    const QString scan = QStringLiteral("Usage: zuzuze-vizozod scan ");
    const QString demo = QStringLiteral("Usage: zuzuze-vizozod demo-library ");
    const QList<Case> cases{
        {{}, QStringLiteral("zuzuze-vizozod: no command given, and there is no display to open the window on.\n"), general},
        {{QStringLiteral("--frobnicate")},
         QStringLiteral("zuzuze-vizozod: Unknown option 'frobnicate'.\n"),
         general},
        {{QStringLiteral("scan"), QStringLiteral("--frobnicate"), dir.path()},
         QStringLiteral("zuzuze-vizozod: Unknown option 'frobnicate'.\n"),
         scan},
        {{QStringLiteral("scan"), QStringLiteral("--bundles"), QStringLiteral("3"), dir.path()},
         QStringLiteral("zuzuze-vizozod: Unknown option 'bundles'.\n"),
         scan},
        {{QStringLiteral("scan")}, QStringLiteral("zuzuze-vizozod: scan needs at least one FOLDER.\n"), scan},
        {{QStringLiteral("scan"), QStringLiteral("--system-root")},
         QStringLiteral("zuzuze-vizozod: Missing value after '--system-root'.\n"),
         scan},
        {{QStringLiteral("demo-library")},
         QStringLiteral("zuzuze-vizozod: demo-library needs exactly one DIR.\n"),
         demo},
        {{QStringLiteral("demo-library"), QStringLiteral("a"), QStringLiteral("b")},
         QStringLiteral("zuzuze-vizozod: demo-library needs exactly one DIR.\n"),
         demo},
        {{QStringLiteral("demo-library"), dir.filePath(QStringLiteral("x")), QStringLiteral("--bundles"),
          QStringLiteral("many")},
         QStringLiteral("zuzuze-vizozod: --bundles takes a whole number from 0 to 100000, not \"many\".\n"),
         demo},
        {{QStringLiteral("demo-library"), dir.filePath(QStringLiteral("x")), QStringLiteral("--bundles=-1")},
         QStringLiteral("zuzuze-vizozod: --bundles takes a whole number from 0 to 100000, not \"-1\".\n"),
         demo},
        {{QStringLiteral("demo-library"), dir.filePath(QStringLiteral("x")),
          QStringLiteral("--bundles=100001")},
         QStringLiteral("zuzuze-vizozod: --bundles takes a whole number from 0 to 100000, not \"100001\".\n"),
         demo},
        {{QStringLiteral("demo-library"), dir.filePath(QStringLiteral("x")), QStringLiteral("--seed"),
          QStringLiteral("x1")},
         QStringLiteral("zuzuze-vizozod: --seed takes a whole number of 0 or more, not \"x1\".\n"),
         demo},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const CliRun run = runCli(c.arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, QString());
        EXPECT_TRUE(run.err.startsWith(c.firstLine + u'\n' + c.usageLine)) << run.err.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("x"))));
}

TEST(CommandLine, UnknownCommandExitsTwo) {
    const CliRun run = runCli({QStringLiteral("frobnicate"), QStringLiteral("--json")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, QString());
    EXPECT_EQ(run.err, QStringLiteral("zuzuze-vizozod: unknown command \"frobnicate\".\n"
                                      "Run \"zuzuze-vizozod --help\" for the list of commands.\n"));
}

TEST(CommandLine, GlobalOptionValuesAreNotTakenForTheCommand) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // "scan" here is the value of --home, so the command is the one after it.
    const CliRun run = runCli({QStringLiteral("--system-root"), dir.path(), QStringLiteral("--home"),
                               QStringLiteral("scan"), QStringLiteral("demo-library")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains(QStringLiteral("zuzuze-vizozod: demo-library needs exactly one DIR.\n")))
        << run.err.toStdString();
}

} // namespace
