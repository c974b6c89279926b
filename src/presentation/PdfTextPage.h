#pragma once

#include <QSizeF>
#include <QString>

class QIODevice;

// Plain text laid out on one PDF page: the system monospaced font at 12 pt, 36 pt of padding on
// every side inside a 720 pt column, the page exactly as tall as the text. No pagination.
namespace PdfTextPage {

inline constexpr double columnWidth = 720;
inline constexpr double padding = 36;
inline constexpr double fontPointSize = 12;

// In points; the height is rounded up to a whole point so that the last line is never cut.
[[nodiscard]] QSizeF pageSize(const QString& text);

// Writes the PDF into an open device; false with a reason when it cannot be drawn.
[[nodiscard]] bool write(QIODevice& device, const QString& text, QString* errorDescription);

} // namespace PdfTextPage
