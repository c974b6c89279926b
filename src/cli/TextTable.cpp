#include "cli/TextTable.h"

namespace {
const QString columnGap = QStringLiteral("  ");
}

TextTable::TextTable(const QStringList& header) : m_header(header), m_rightAligned(header.size(), false) {}

void TextTable::setRightAligned(int column) {
    if (column >= 0 && column < m_rightAligned.size())
        m_rightAligned[column] = true;
}

void TextTable::addRow(const QStringList& cells) {
    QStringList row = cells.mid(0, m_header.size());
    while (row.size() < m_header.size())
        row.append(QString());
    m_lines.append({row, {}, false});
    ++m_rowCount;
}

void TextTable::addHeading(const QString& text) {
    m_lines.append({{}, text, true});
}

QString TextTable::toString() const {
    QList<qsizetype> widths(m_header.size(), 0);
    const auto measure = [&](const QStringList& row) {
        for (qsizetype column = 0; column < row.size(); ++column)
            widths[column] = qMax(widths[column], row[column].size());
    };
    if (m_headerShown)
        measure(m_header);
    for (const Line& line : m_lines)
        measure(line.cells);

    QString text;
    const auto appendRow = [&](const QStringList& row) {
        QString line = m_indent;
        for (qsizetype column = 0; column < row.size(); ++column) {
            if (column > 0)
                line += columnGap;
            const bool last = column == row.size() - 1;
            if (m_rightAligned[column])
                line += row[column].rightJustified(widths[column]);
            else
                line += last ? row[column] : row[column].leftJustified(widths[column]);
        }
        while (line.endsWith(u' '))
            line.chop(1);
        text += line + u'\n';
    };
    if (m_headerShown)
        appendRow(m_header);
    for (const Line& line : m_lines) {
        if (line.isHeading)
            text += line.heading + u'\n';
        else
            appendRow(line.cells);
    }
    return text;
}
