#pragma once

#include <QString>

#include <cstdio>
#include <unistd.h>

// Sends the process's standard output to a temporary file until finish(), to see exactly what
// reaches the terminal.
class StandardOutputCapture
{
public:
    StandardOutputCapture()
    {
        std::fflush(stdout);
        m_file = std::tmpfile();
        m_saved = ::dup(STDOUT_FILENO);
        if (m_file && m_saved >= 0)
            ::dup2(::fileno(m_file), STDOUT_FILENO);
    }
    StandardOutputCapture(const StandardOutputCapture&) = delete;
    StandardOutputCapture& operator=(const StandardOutputCapture&) = delete;
    ~StandardOutputCapture() { finish(); }

    QString finish()
    {
        if (m_saved < 0)
            return {};
        std::fflush(stdout);
        ::dup2(m_saved, STDOUT_FILENO);
        ::close(m_saved);
        m_saved = -1;
        QByteArray bytes;
        if (m_file) {
            std::rewind(m_file);
            char buffer[4096];
            for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, m_file)) > 0;)
                bytes.append(buffer, qsizetype(n));
            std::fclose(m_file);
            m_file = nullptr;
        }
        return QString::fromUtf8(bytes);
    }

private:
    std::FILE* m_file = nullptr;
    int m_saved = -1;
};
