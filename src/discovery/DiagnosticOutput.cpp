#include "discovery/DiagnosticOutput.h"

#include <atomic>
#include <cstdio>
#include <mutex>

namespace {

std::atomic<bool> toStandardError{false};
std::mutex outputMutex;

} // namespace

namespace DiagnosticOutput {

void printLine(const QString& line)
{
    const QByteArray bytes = line.toUtf8() + '\n';
    const std::lock_guard lock(outputMutex);
    FILE* stream = toStandardError.load() ? stderr : stdout;
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

void setUseStandardError(bool useStandardError)
{
    toStandardError.store(useStandardError);
}

} // namespace DiagnosticOutput
