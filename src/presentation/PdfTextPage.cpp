#include "presentation/PdfTextPage.h"

#include <QAbstractTextDocumentLayout>
#include <QFontDatabase>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

#include <cmath>

namespace PdfTextPage {

namespace {

// At 72 dots per inch one device unit is one point, so the layout's sizes are the page's.
constexpr int pointsPerInch = 72;

void prepare(QTextDocument& document, QPaintDevice& device, const QString& text)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(fontPointSize);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    document.setDefaultFont(font);
    // The layout scales its own margin by the device's resolution against the screen's, so the
    // padding is applied when drawing instead, where a point is a point.
    document.setDocumentMargin(0);
    document.documentLayout()->setPaintDevice(&device);
    document.setPlainText(text);
    document.setTextWidth(columnWidth - 2 * padding);
}

QSizeF laidOutSize(QTextDocument& document)
{
    return {columnWidth, std::ceil(document.size().height() + 2 * padding)};
}

} // namespace

QSizeF pageSize(const QString& text)
{
    // A PDF writer on no device measures exactly as the one that writes.
    QPdfWriter writer(static_cast<QIODevice*>(nullptr));
    writer.setResolution(pointsPerInch);
    QTextDocument document;
    prepare(document, writer, text);
    return laidOutSize(document);
}

bool write(QIODevice& device, const QString& text, QString* errorDescription)
{
    QPdfWriter writer(&device);
    writer.setResolution(pointsPerInch);
    writer.setCreator(QStringLiteral("Zuzuze Vizozod"));
    QTextDocument document;
    prepare(document, writer, text);
    const QSizeF size = laidOutSize(document);
    const QPageLayout layout(QPageSize(size, QPageSize::Point, QString(), QPageSize::ExactMatch),
                             QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Point, QMarginsF(0, 0, 0, 0));
    if (!writer.setPageLayout(layout)) {
        if (errorDescription)
            *errorDescription = QStringLiteral("The page size is not supported.");
        return false;
    }
    QPainter painter;
    if (!painter.begin(&writer)) {
        if (errorDescription)
            *errorDescription = QStringLiteral("The PDF document could not be created.");
        return false;
    }
    painter.translate(padding, padding);
    document.drawContents(&painter);
    painter.end();
    return true;
}

} // namespace PdfTextPage
