#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Columns aligned with spaces for a terminal: a header row, then the rows as added, with
// optional heading lines between them that span the table.
class TextTable {
public:
    explicit TextTable(const QStringList& header);

    void setRightAligned(int column);
    // Columns without a header row: the header only sets the number of columns.
    void setHeaderShown(bool shown) { m_headerShown = shown; }
    // Blanks before every row (not before headings).
    void setIndent(int blanks) { m_indent = QString(blanks, u' '); }
    void addRow(const QStringList& cells);
    // A line written as it is, where it was added; it takes no part in the column widths.
    void addHeading(const QString& text);
    int rowCount() const { return m_rowCount; }
    // One line per row, each ending in a newline; the last column is never padded.
    QString toString() const;

private:
    struct Line {
        QStringList cells;
        QString heading;
        bool isHeading = false;
    };

    QStringList m_header;
    QList<Line> m_lines;
    QList<bool> m_rightAligned;
    bool m_headerShown = true;
    QString m_indent;
    int m_rowCount = 0;
};
