#pragma once

#include "model/Diagnostics.h"

#include <cstdio>

// Keeps standard output one JSON document: diagnostics go to standard error meanwhile.
class DiagnosticsToStandardError {
public:
    explicit DiagnosticsToStandardError(bool active) : m_previous(Diagnostics::stream()) {
        if (active)
            Diagnostics::setStream(stderr);
    }
    ~DiagnosticsToStandardError() { Diagnostics::setStream(m_previous); }
    DiagnosticsToStandardError(const DiagnosticsToStandardError&) = delete;
    DiagnosticsToStandardError& operator=(const DiagnosticsToStandardError&) = delete;

private:
    FILE* m_previous;
};
