#include "ui/SymbolImageProvider.h"

#include "ui/SymbolCatalog.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QIcon>
#include <QImageReader>
#include <QMutexLocker>
#include <QPainter>
#include <QStandardPaths>

namespace {

constexpr int defaultSide = 32;

// Adwaita ships its symbolic icons as SVG plus pre-rendered "<name>.symbolic.png" files; without
// an SVG reader only the latter can be read, under that exact name.
QImage themeImage(const QString& symbol, int side)
{
    for (const QString& name : SymbolCatalog::themeNames(symbol)) {
        for (const QString& candidate : {name, name + QStringLiteral(".symbolic")}) {
            if (!QIcon::hasThemeIcon(candidate))
                continue;
            const QImage image = QIcon::fromTheme(candidate).pixmap(QSize(side, side)).toImage();
            if (!image.isNull())
                return image;
        }
    }
    return {};
}

QImage bundledImage(const QString& symbol, int side)
{
    QImageReader reader(SymbolCatalog::bundledPath(symbol));
    if (!reader.canRead())
        return {};
    reader.setScaledSize(QSize(side, side));
    return reader.read();
}

QImage glyphImage(const QString& symbol, int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font;
    font.setPixelSize(qMax(1, side * 4 / 5));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(image.rect(), Qt::AlignCenter, SymbolCatalog::glyph(symbol));
    return image;
}

// Keeps the coverage (alpha) of the picture and paints every pixel in one colour.
QImage tinted(QImage image, int side, const QColor& color)
{
    if (image.size() != QSize(side, side))
        image = image.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    image = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb rgb = color.rgb();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = qRgba(qRed(rgb), qGreen(rgb), qBlue(rgb), qAlpha(line[x]) * color.alpha() / 255);
    }
    return image;
}

} // namespace

SymbolImageProvider::SymbolImageProvider()
    : QQuickImageProvider(QQuickImageProvider::Image)
{
}

void SymbolImageProvider::prepareIconTheme()
{
    QStringList paths = QIcon::themeSearchPaths();
    for (const QString& folder : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        const QString icons = QDir(folder).filePath(QStringLiteral("icons"));
        if (!paths.contains(icons))
            paths.append(icons);
    }
    QIcon::setThemeSearchPaths(paths);
    QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1StringView("hicolor"))
        QIcon::setThemeName(QStringLiteral("Adwaita"));
}

QImage SymbolImageProvider::render(const QString& symbol, int side, const QColor& color)
{
    QImage image = themeImage(symbol, side);
    if (image.isNull())
        image = bundledImage(symbol, side);
    if (image.isNull())
        image = glyphImage(symbol, side);
    return tinted(image, side, color);
}

QImage SymbolImageProvider::requestImage(const QString& id, QSize* size, const QSize& requestedSize)
{
    const qsizetype slash = id.indexOf(u'/');
    const QString symbol = slash < 0 ? id : id.left(slash);
    QColor color(Qt::black);
    if (slash >= 0) {
        const QColor parsed(u'#' + id.mid(slash + 1));
        if (parsed.isValid())
            color = parsed;
    }
    int side = qMax(requestedSize.width(), requestedSize.height());
    if (side <= 0)
        side = defaultSide;

    const QString key = id + u'@' + QString::number(side);
    QImage image;
    {
        QMutexLocker locker(&m_mutex);
        image = m_cache.value(key);
    }
    if (image.isNull()) {
        image = render(symbol, side, color);
        QMutexLocker locker(&m_mutex);
        m_cache.insert(key, image);
    }
    if (size)
        *size = image.size();
    return image;
}
