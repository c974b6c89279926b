#include "cli/DemoLibraryCommand.h"

#include "cli/ConsoleOutput.h"
#include "cli/ExitStatus.h"
#include "model/ByteCountFormat.h"
#include "model/FilePathBytes.h"
#include "sample/DemoLibrary.h"

namespace {

const QString bundlesOption = QStringLiteral("bundles");
const QString seedOption = QStringLiteral("seed");
constexpr int maximumBundles = 100'000;

} // namespace

QString DemoLibraryCommand::name() const {
    return QStringLiteral("demo-library");
}

QString DemoLibraryCommand::summary() const {
    return QStringLiteral("Writes a sample plug-in library to try the program on.");
}

QString DemoLibraryCommand::synopsis() const {
    return QStringLiteral("DIR [--bundles N] [--seed S]");
}

void DemoLibraryCommand::addOptions(QCommandLineParser& parser) const {
    parser.addOption(QCommandLineOption(
        bundlesOption,
        QStringLiteral("Number of plug-in bundles (default %1).").arg(DemoLibrary::defaultBundleCount),
        QStringLiteral("N")));
    parser.addOption(QCommandLineOption(
        seedOption, QStringLiteral("Seed for sizes, dates and generated names (default 1)."),
        QStringLiteral("S")));
    parser.addPositionalArgument(QStringLiteral("DIR"),
                                 QStringLiteral("A new or empty folder to write the library into."));
}

int DemoLibraryCommand::run(const QStringList& arguments, const QCommandLineParser& parser,
                            const CommandContext& context) {
    if (arguments.size() != 1)
        return ConsoleOutput::usageError(QStringLiteral("demo-library needs exactly one DIR."),
                                         context.usage);

    DemoLibrary::Options options;
    if (parser.isSet(bundlesOption)) {
        bool ok = false;
        options.bundles = parser.value(bundlesOption).toInt(&ok);
        if (!ok || options.bundles < 0 || options.bundles > maximumBundles)
            return ConsoleOutput::usageError(
                QStringLiteral("--bundles takes a whole number from 0 to %1, not \"%2\".")
                    .arg(maximumBundles)
                    .arg(parser.value(bundlesOption)),
                context.usage);
    }
    if (parser.isSet(seedOption)) {
        bool ok = false;
        options.seed = parser.value(seedOption).toULongLong(&ok);
        if (!ok)
            return ConsoleOutput::usageError(
                QStringLiteral("--seed takes a whole number of 0 or more, not \"%1\".")
                    .arg(parser.value(seedOption)),
                context.usage);
    }

    const QString root = FilePathBytes::absolute(arguments.first());
    const DemoLibrary::Result result = DemoLibrary::write(root, options);
    if (!result.ok) {
        ConsoleOutput::error(result.error);
        return ExitStatus::failure;
    }
    ConsoleOutput::out(
        QStringLiteral("Wrote %1 plug-in bundles and %2 sample libraries (%3 files, %4) to %5\n")
            .arg(result.bundles)
            .arg(result.contentLibraries)
            .arg(result.files)
            .arg(formatByteCount(result.logicalBytes), root));
    return ExitStatus::success;
}
