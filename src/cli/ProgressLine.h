#pragma once

#include <QString>

// One line on standard error rewritten in place while work runs; silent unless standard error
// is a terminal, so logs and pipes never see it.
class ProgressLine {
public:
    ProgressLine();
    ~ProgressLine();
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    [[nodiscard]] bool isShown() const { return m_enabled; }
    void show(const QString& text);
    // Blanks the line and puts the cursor back at its start.
    void clear();

private:
    bool m_enabled;
    qsizetype m_width = 0;
};
