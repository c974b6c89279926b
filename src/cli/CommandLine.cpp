#include "cli/CommandLine.h"

#include "cli/AddContentCommand.h"
#include "cli/ConsoleOutput.h"
#include "cli/DashboardCommand.h"
#include "cli/DemoCommand.h"
#include "cli/DemoLibraryCommand.h"
#include "cli/ExportCommand.h"
#include "cli/FavoriteCommand.h"
#include "cli/FoldersCommand.h"
#include "cli/GrantCommand.h"
#include "cli/ListCommand.h"
#include "cli/NoteCommand.h"
#include "cli/RefreshCommand.h"
#include "cli/RemoveContentCommand.h"
#include "cli/RevokeCommand.h"
#include "cli/ExitStatus.h"
#include "cli/ScanCommand.h"
#include "cli/ShowCommand.h"
#include "cli/TagCommand.h"
#include "cli/UntagCommand.h"
#include "model/CatalogStore.h"
#include "model/FilePathBytes.h"
#include "ui/DesktopApp.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <memory>
#include <vector>

namespace {

using ConsoleOutput::programName;

std::vector<std::unique_ptr<Command>> makeCommands() {
    std::vector<std::unique_ptr<Command>> commands;
    commands.push_back(std::make_unique<ScanCommand>());
    commands.push_back(std::make_unique<DemoLibraryCommand>());
    commands.push_back(std::make_unique<DemoCommand>());
    commands.push_back(std::make_unique<GrantCommand>());
    commands.push_back(std::make_unique<RevokeCommand>());
    commands.push_back(std::make_unique<AddContentCommand>());
    commands.push_back(std::make_unique<RemoveContentCommand>());
    commands.push_back(std::make_unique<FoldersCommand>());
    commands.push_back(std::make_unique<RefreshCommand>());
    commands.push_back(std::make_unique<ListCommand>());
    commands.push_back(std::make_unique<ShowCommand>());
    commands.push_back(std::make_unique<DashboardCommand>());
    commands.push_back(std::make_unique<ExportCommand>());
    commands.push_back(std::make_unique<FavoriteCommand>());
    commands.push_back(std::make_unique<NoteCommand>());
    commands.push_back(std::make_unique<TagCommand>());
    commands.push_back(std::make_unique<UntagCommand>());
    return commands;
}

struct GlobalOptions {
    QCommandLineOption systemRoot{
        QStringLiteral("system-root"),
        QStringLiteral("Look for the standard plug-in folders under DIR instead of \"/\" "
                       "(a mounted or generated macOS system)."),
        QStringLiteral("DIR")};
    QCommandLineOption store{QStringLiteral("store"),
                             QStringLiteral("The catalogue file to use instead of the user's catalogue."),
                             QStringLiteral("PATH")};
    QCommandLineOption home{QStringLiteral("home"),
                            QStringLiteral("The home folder for the per-user plug-in folders."),
                            QStringLiteral("DIR")};
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Show this help and exit.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Show the version and exit.")};
};

// The first argument that is neither an option nor the value of a global option; -1 if none.
qsizetype commandIndex(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1StringView("--"))
            return i + 1 < arguments.size() ? i + 1 : -1;
        if (argument == QLatin1StringView("--system-root") || argument == QLatin1StringView("--home") ||
            argument == QLatin1StringView("--store"))
            ++i;
        else if (!argument.startsWith(u'-') || argument == QLatin1StringView("-"))
            return i;
    }
    return -1;
}

// QCommandLineParser names the program after argv[0]; the help always uses the program's name.
QString helpText(const QCommandLineParser& parser, const QString& usageLine) {
    QString text = parser.helpText();
    const qsizetype firstLineEnd = text.indexOf(u'\n');
    text.replace(0, firstLineEnd, QStringLiteral("Usage: ") + programName + u' ' + usageLine + u'\n');
    return text;
}

QString commandList(const std::vector<std::unique_ptr<Command>>& commands) {
    qsizetype width = 0;
    for (const auto& command : commands)
        width = qMax(width, command->name().size());
    QString text = QStringLiteral("\nCommands:\n");
    for (const auto& command : commands)
        text += QStringLiteral("  ") + command->name().leftJustified(width) + QStringLiteral("  ") +
                command->summary() + u'\n';
    return text;
}

QString absolute(const QString& path) {
    return FilePathBytes::absolute(path);
}

ScanRoots scanRoots(const QCommandLineParser& parser, const GlobalOptions& options) {
    ScanRoots roots = ScanRoots::standard();
    const auto folderOption = [&](const QCommandLineOption& option, QString& folder) {
        if (!parser.isSet(option))
            return;
        folder = absolute(parser.value(option));
        if (!FilePathBytes::isFolder(folder))
            ConsoleOutput::warning(QStringLiteral("there is no folder at %1.").arg(folder));
    };
    folderOption(options.systemRoot, roots.systemRoot);
    folderOption(options.home, roots.home);
    return roots.withEnvironment();
}

} // namespace

namespace CommandLine {

int run(int argc, char** argv) {
    // The application object comes last, once the command tells which kind it needs: a run makes
    // exactly one. One made by a caller (the tests) is used as it is and keeps to the terminal.
    const bool ownApplication = !QCoreApplication::instance();
    if (ownApplication)
        // Names the data folder (the catalogue, the sample library) whatever the program file is called.
        QCoreApplication::setApplicationName(programName);

    // Arguments are bytes, as file names are: a path that is not UTF-8 still names its file.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(FilePathBytes::decode(QByteArray(argv[i])));
    if (arguments.isEmpty())
        arguments.append(programName);

    const auto commands = makeCommands();
    Command* command = nullptr;
    const qsizetype index = commandIndex(arguments);
    if (index >= 0) {
        for (const auto& candidate : commands) {
            if (candidate->name() == arguments[index])
                command = candidate.get();
        }
        if (!command) {
            ConsoleOutput::error(QStringLiteral("unknown command \"%1\".").arg(arguments[index]));
            ConsoleOutput::err(
                QStringLiteral("Run \"%1 --help\" for the list of commands.\n").arg(programName));
            return ExitStatus::usage;
        }
    }

    const GlobalOptions options;
    QCommandLineParser parser;
    parser.addOptions({options.systemRoot, options.home, options.store, options.help, options.version});
    QString usage;
    if (command) {
        parser.setApplicationDescription(command->summary());
        command->addOptions(parser);
        usage = helpText(parser, command->name() + u' ' + command->synopsis());
    } else {
        parser.setApplicationDescription(
            QStringLiteral("A catalogue of the audio plug-ins installed on a computer."));
        parser.addPositionalArgument(QStringLiteral("COMMAND"), QStringLiteral("One of the commands below."));
        usage = helpText(parser, QStringLiteral("[options] COMMAND [arguments]")) + commandList(commands);
    }

    if (!parser.parse(arguments))
        return ConsoleOutput::usageError(parser.errorText(), usage);
    if (parser.isSet(options.help)) {
        ConsoleOutput::out(usage);
        return ExitStatus::success;
    }
    if (parser.isSet(options.version)) {
        ConsoleOutput::out(programName + u' ' + QStringLiteral(ZV_VERSION) + u'\n');
        return ExitStatus::success;
    }
    const QStringList commandArguments = parser.positionalArguments().mid(1);
    // An empty name would open a private in-memory catalogue and silently lose every change.
    if (parser.isSet(options.store) && parser.value(options.store).isEmpty()) {
        ConsoleOutput::error(QStringLiteral("the catalogue path given with --store is empty."));
        return ExitStatus::failure;
    }
    // No command, or `demo`, opens the window where one can be shown; an application made by a
    // caller (the tests) keeps to the terminal.
    const bool desktopCommand = !command || (command->name() == QLatin1StringView("demo") && commandArguments.isEmpty());
    if (desktopCommand && ownApplication && DesktopApp::displayAvailable()) {
        DesktopOptions desktop;
        if (parser.isSet(options.store))
            desktop.storePath = absolute(parser.value(options.store));
        desktop.roots = scanRoots(parser, options);
        desktop.demo = command != nullptr;
        return DesktopApp::run(argc, argv, desktop);
    }
    if (!command)
        return ConsoleOutput::usageError(
            QStringLiteral("no command given, and there is no display to open the window on."), usage);

    std::unique_ptr<QCoreApplication> application;
    if (ownApplication && command->needsGuiApplication(commandArguments, parser)) {
        // Drawing (fonts, PDF) needs a GUI application, not a screen: without a display it draws
        // offscreen, unless the user chose a platform.
        if (!DesktopApp::displayAvailable() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        // The platform's start-up remarks (no XDG_RUNTIME_DIR and the like) are not this command's output.
        const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        application = std::make_unique<QGuiApplication>(argc, argv);
        qInstallMessageHandler(previous);
    } else if (ownApplication) {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }

    const QString storePath =
        parser.isSet(options.store) ? absolute(parser.value(options.store)) : CatalogStore::defaultPath();
    const CommandContext context{scanRoots(parser, options), storePath, usage};
    return command->run(commandArguments, parser, context);
}

} // namespace CommandLine
