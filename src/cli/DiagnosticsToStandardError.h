#pragma once

#include "model/Diagnostics.h"

#include <cstdio>

// While alive (and active), diagnostics go to standard error, so that standard output holds
// nothing but the command's own document (JSON, a listing).
class DiagnosticsToStandardError {
public:
    explicit DiagnosticsToStandardError(bool active = true) : m_previous(Diagnostics::stream()) {
        if (active)
            Diagnostics::setStream(stderr);
    }
    ~DiagnosticsToStandardError() { Diagnostics::setStream(m_previous); }
    DiagnosticsToStandardError(const DiagnosticsToStandardError&) = delete;
    DiagnosticsToStandardError& operator=(const DiagnosticsToStandardError&) = delete;

private:
    FILE* m_previous;
};
