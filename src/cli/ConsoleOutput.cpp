#include "cli/ConsoleOutput.h"

#include "cli/ExitStatus.h"
#include "model/FilePathBytes.h"
#include "model/VisibleText.h"

#include <cstdio>

namespace {

// Names and values read from bundles reach the terminal only as visible characters, and a file
// name's bytes that are not UTF-8 as U+FFFD.
void write(FILE* stream, const QString& text, VisibleText::CarriageReturn carriageReturn) {
    const QByteArray bytes =
        FilePathBytes::displayForm(VisibleText::replacingControls(text, carriageReturn)).toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

namespace ConsoleOutput {

void out(const QString& text) {
    write(stdout, text, VisibleText::CarriageReturn::replace);
}

void err(const QString& text) {
    write(stderr, text, VisibleText::CarriageReturn::keep);
}

void error(const QString& message) {
    err(programName + QStringLiteral(": ") + message + u'\n');
}

void warning(const QString& message) {
    err(programName + QStringLiteral(": warning: ") + message + u'\n');
}

void tellUnreadable(const QList<UnreadableFolder>& folders) {
    for (const UnreadableFolder& folder : folders) {
        // A line feed in a folder's name would break its one line in two.
        QString line = folder.diagnosticLine();
        line.replace(u'\n', QChar(0x240A));
        write(stderr, line + u'\n', VisibleText::CarriageReturn::replace);
    }
}

int usageError(const QString& message, const QString& usage) {
    error(message);
    err(u'\n' + usage);
    return ExitStatus::usage;
}

} // namespace ConsoleOutput
