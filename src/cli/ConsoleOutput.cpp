#include "cli/ConsoleOutput.h"

#include "cli/ExitStatus.h"

#include <cstdio>

namespace {

void write(FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

namespace ConsoleOutput {

void out(const QString& text) {
    write(stdout, text);
}

void err(const QString& text) {
    write(stderr, text);
}

void error(const QString& message) {
    err(programName + QStringLiteral(": ") + message + u'\n');
}

void warning(const QString& message) {
    err(programName + QStringLiteral(": warning: ") + message + u'\n');
}

int usageError(const QString& message, const QString& usage) {
    error(message);
    err(u'\n' + usage);
    return ExitStatus::usage;
}

} // namespace ConsoleOutput
