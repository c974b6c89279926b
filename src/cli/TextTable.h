#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Columns aligned with spaces for a terminal: a header row, then the rows as added.
class TextTable {
public:
    explicit TextTable(const QStringList& header);

    void setRightAligned(int column);
    void addRow(const QStringList& cells);
    int rowCount() const { return int(m_rows.size()); }
    // One line per row, each ending in a newline; the last column is never padded.
    QString toString() const;

private:
    QStringList m_header;
    QList<QStringList> m_rows;
    QList<bool> m_rightAligned;
};
