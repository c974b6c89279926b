// The command line as a whole, in the built program: version, help and every usage mistake.
#include "CliRun.h"
#include "support/QtPrinters.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(CommandLine, VersionAndHelpGoToStandardOutput) {
    struct Case {
        QStringList arguments;
        QString outStart;
        QString outContains;
    };
    const QString scan = QStringLiteral("Usage: zuzuze-vizozod scan [--json] [--system-root DIR] [--home DIR] FOLDER...\n");
    const QList<Case> cases{
        {{"--version"}, "zuzuze-vizozod 0.1.0\n", "zuzuze-vizozod 0.1.0\n"},
        {{"-v"}, "zuzuze-vizozod 0.1.0\n", "zuzuze-vizozod 0.1.0\n"},
        {{"--help"}, "Usage: zuzuze-vizozod [options] COMMAND [arguments]\n", "\nCommands:\n  scan          "},
        {{"--help"}, "Usage: zuzuze-vizozod [options] COMMAND [arguments]\n", "--system-root <DIR>"},
        {{"scan", "--help"}, scan, "--json"},
        {{"--help", "scan"}, scan, "FOLDER"},
        {{"demo-library", "-h"}, "Usage: zuzuze-vizozod demo-library DIR [--bundles N] [--seed S]\n", "--bundles <N>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const CliRun run = runProgram(c.arguments, environmentWithoutDisplay());
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_TRUE(run.out.startsWith(c.outStart)) << run.out.toStdString();
        EXPECT_TRUE(run.out.contains(c.outContains)) << run.out.toStdString();
        EXPECT_EQ(run.err, QString());
    }
}

// Exit status 2, nothing on standard output, the fault and then the command's usage on standard
// error, and no catalogue written for a command that never reached it.
TEST(CommandLine, UsageMistakesExitTwoNamingTheFaultThenTheUsage) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString store = dir.filePath(QStringLiteral("catalog.sqlite"));
    const QString x = dir.filePath(QStringLiteral("x"));
    struct Case {
        QStringList arguments;
        QString fault;
        QString usage; // the command whose usage follows; empty for the general usage
    };
    const QString notADate = QStringLiteral(" is not a date; write YYYY-MM-DD or YYYY-MM-DDTHH:MM:SS.");
    const QString bundles = QStringLiteral("--bundles takes a whole number from 0 to 100000, not \"%1\".");
    const QList<Case> cases{
        {{}, "no command given, and there is no display to open the window on.", {}},
        {{"--frobnicate"}, "Unknown option 'frobnicate'.", {}},
        {{"scan", "--frobnicate", dir.path()}, "Unknown option 'frobnicate'.", "scan"},
        {{"scan", "--bundles", "3", dir.path()}, "Unknown option 'bundles'.", "scan"},
        {{"scan"}, "scan needs at least one FOLDER.", "scan"},
        {{"scan", "--system-root"}, "Missing value after '--system-root'.", "scan"},
        {{"demo-library"}, "demo-library needs exactly one DIR.", "demo-library"},
        {{"demo-library", "a", "b"}, "demo-library needs exactly one DIR.", "demo-library"},
        // "scan" is the value of --home here, so the command is the one after it.
        {{"--system-root", dir.path(), "--home", "scan", "demo-library"}, "demo-library needs exactly one DIR.",
         "demo-library"},
        {{"demo-library", x, "--bundles", "many"}, bundles.arg(QStringLiteral("many")), "demo-library"},
        {{"demo-library", x, "--bundles=-1"}, bundles.arg(QStringLiteral("-1")), "demo-library"},
        {{"demo-library", x, "--bundles=100001"}, bundles.arg(QStringLiteral("100001")), "demo-library"},
        {{"demo-library", x, "--seed", "x1"}, "--seed takes a whole number of 0 or more, not \"x1\".", "demo-library"},
        {{"refresh", dir.path()}, "refresh takes no arguments.", "refresh"},
        {{"grant"}, "grant needs at least one FOLDER.", "grant"},
        {{"revoke"}, "revoke needs at least one FOLDER.", "revoke"},
        {{"add-content"}, "add-content needs at least one FOLDER.", "add-content"},
        {{"remove-content"}, "remove-content needs at least one FOLDER.", "remove-content"},
        {{"favorite"}, "favorite needs exactly one NAME.", "favorite"},
        {{"note", "Pro-Q 3"}, "note needs a NAME and one TEXT (quote the notes to keep them one argument).", "note"},
        {{"note", "Pro-Q 3", "a", "b"}, "note needs a NAME and one TEXT (quote the notes to keep them one argument).",
         "note"},
        {{"tag", "Pro-Q 3"}, "tag needs a NAME and at least one TAG.", "tag"},
        {{"tag", "Pro-Q 3", " "}, "a TAG cannot be blank.", "tag"},
        {{"untag", "Pro-Q 3"}, "untag needs a NAME and at least one TAG.", "untag"},
        {{"export", x + ".xls"},
         QStringLiteral("cannot tell the form from the name \"%1.xls\"; end it in .csv, .txt, .md, .pdf or .json, or "
                        "give --as csv|text|markdown|pdf|json.")
             .arg(x),
         "export"},
        {{"export", x + ".xls", "--as", "xls"}, "--as \"xls\" is not one of csv|text|markdown|pdf|json.", "export"},
        // Filter values are told once the catalogue is open.
        {{"list", "--format", "VST2"}, "--format \"VST2\" is not one of AU, VST, VST3, AAX, CLAP, LV2 or LADSPA.", "list"},
        {{"list", "--arch", "arm64"},
         "--arch \"arm64\" is not one of \"Apple Silicon\", \"Intel 64\", \"Universal\", \"Unknown\", \"Intel 32\", "
         "\"ARM 64\", \"ARM 32\" or \"ARM64EC\".",
         "list"},
        {{"list", "--group-by", "vendor"}, "--group-by \"vendor\" is not one of name, publisher, format, architecture or type.",
         "list"},
        {{"list", "--installed-from", "31/01/2024"}, "--installed-from \"31/01/2024\"" + notADate, "list"},
        {{"export", x + ".csv", "--installed-to", "2024-02-30"}, "--installed-to \"2024-02-30\"" + notADate, "export"},
        {{"list", "--tag", " \t"}, "--tag needs a tag name.", "list"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const bool opensTheCatalogue = c.usage == QStringLiteral("list") || c.fault.startsWith(QStringLiteral("--installed"));
        const CliRun run = runProgram(QStringList{QStringLiteral("--store"), store} + c.arguments, environmentWithoutDisplay());
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, QString());
        const QString usage = c.usage.isEmpty() ? QStringLiteral("[options] COMMAND [arguments]\n") : c.usage + u' ';
        // Warnings about the global options, if any, come first.
        EXPECT_TRUE(run.err.contains(QStringLiteral("zuzuze-vizozod: %1\n\nUsage: zuzuze-vizozod %2").arg(c.fault, usage)))
            << run.err.toStdString();
        if (!opensTheCatalogue) {
            EXPECT_FALSE(QFileInfo::exists(store));
        }
        QFile::remove(store);
    }
    EXPECT_FALSE(QFileInfo::exists(x));
}

TEST(CommandLine, UnknownCommandExitsTwo) {
    const CliRun run = runProgram({QStringLiteral("frobnicate"), QStringLiteral("--json")}, environmentWithoutDisplay());
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, QString());
    EXPECT_EQ(run.err, QStringLiteral("zuzuze-vizozod: unknown command \"frobnicate\".\n"
                                      "Run \"zuzuze-vizozod --help\" for the list of commands.\n"));
}

} // namespace
