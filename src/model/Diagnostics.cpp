#include "model/Diagnostics.h"

#include "model/FilePathBytes.h"
#include "model/VisibleText.h"

#include <atomic>

namespace {
// Null means standard output; scanners print from their worker threads.
std::atomic<FILE*> g_stream{nullptr};
} // namespace

namespace Diagnostics {

void print(const QString& line) {
    FILE* out = stream();
    // The line may carry names from the disk: shown, never obeyed by the terminal.
    const QByteArray bytes = FilePathBytes::displayForm(VisibleText::replacingControls(line)).toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), out);
    std::fflush(out);
}

void setStream(FILE* stream) {
    g_stream.store(stream);
}

FILE* stream() {
    FILE* current = g_stream.load();
    return current ? current : stdout;
}

} // namespace Diagnostics
