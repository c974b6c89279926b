#include "cli/ProgressLine.h"

#include "cli/ConsoleOutput.h"

#include <unistd.h>

ProgressLine::ProgressLine() : m_enabled(::isatty(STDERR_FILENO) == 1) {}

ProgressLine::~ProgressLine() {
    clear();
}

void ProgressLine::show(const QString& text) {
    if (!m_enabled)
        return;
    // Padding over the previous text saves relying on terminal escape sequences.
    ConsoleOutput::err(u'\r' + text.leftJustified(m_width));
    m_width = text.size();
}

void ProgressLine::clear() {
    if (!m_enabled || m_width == 0)
        return;
    ConsoleOutput::err(u'\r' + QString(m_width, u' ') + u'\r');
    m_width = 0;
}
