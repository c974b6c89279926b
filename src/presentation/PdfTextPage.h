#pragma once

#include <QLocale>
#include <QPageSize>
#include <QString>

class QIODevice;

// Plain text laid out on the pages of a PDF: the system monospaced font at 12 pt with 36 pt of
// padding on every side of the paper, wrapped to its width. The text's first lines (the title,
// the count and the date) head every page, and a paragraph moves whole to the next page rather
// than being split, unless it is longer than a page.
namespace PdfTextPage {

inline constexpr double padding = 36;
inline constexpr double fontPointSize = 12;
inline constexpr int headerLineCount = 3;

// Letter where it is the common paper (the United States, Canada), A4 elsewhere.
[[nodiscard]] QPageSize paperFor(const QLocale& locale);

// The number of pages the text takes on that paper.
[[nodiscard]] int pageCount(const QString& text, const QPageSize& paper);

// Writes the PDF into an open device; false with a reason when it cannot be drawn.
[[nodiscard]] bool write(QIODevice& device, const QString& text, QString* errorDescription,
                         const QPageSize& paper = paperFor(QLocale()));

} // namespace PdfTextPage
