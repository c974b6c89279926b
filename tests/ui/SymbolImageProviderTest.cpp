#include "ui/SymbolCatalog.h"
#include "ui/SymbolImageProvider.h"

#include <QFile>
#include <QIcon>

#include <gtest/gtest.h>

namespace {

// The pixels painted, or -1 when a clearly painted one is not `rgb`.
int paintedIn(const QImage& image, QRgb rgb)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.alpha() > 128 && (qAbs(pixel.red() - qRed(rgb)) > 4 || qAbs(pixel.green() - qGreen(rgb)) > 4 ||
                                        qAbs(pixel.blue() - qBlue(rgb)) > 4))
                return -1;
            count += pixel.alpha() > 0 ? 1 : 0;
        }
    return count;
}

// Without an icon theme every symbol is still drawn, from its bundled drawing.
TEST(SymbolImageProviderTest, NoSymbolIsBlankWithoutAnIconTheme)
{
    const QStringList savedPaths = QIcon::themeSearchPaths();
    const QString savedTheme = QIcon::themeName();
    QIcon::setThemeSearchPaths({});
    QIcon::setThemeName(QStringLiteral("no-such-theme"));
    for (const QString& symbol : SymbolCatalog::symbols()) {
        EXPECT_TRUE(QFile::exists(SymbolCatalog::bundledPath(symbol))) << symbol.toStdString();
        const QImage image = SymbolImageProvider::render(symbol, 24, Qt::red);
        EXPECT_EQ(image.size(), QSize(24, 24));
        EXPECT_GT(paintedIn(image, qRgb(0xff, 0, 0)), 4) << symbol.toStdString();
    }
    QIcon::setThemeSearchPaths(savedPaths);
    QIcon::setThemeName(savedTheme);
}

TEST(SymbolImageProviderTest, DrawsInTheRequestedColourAndSize)
{
    SymbolImageProvider::prepareIconTheme();
    SymbolImageProvider provider;
    QSize size;
    const QImage image = provider.requestImage(QStringLiteral("star.fill/ffff8000"), &size, QSize(20, 20));
    EXPECT_EQ(size, QSize(20, 20));
    EXPECT_GT(paintedIn(image, qRgb(0xff, 0x80, 0x00)), 20);
    const QImage plain = provider.requestImage(QStringLiteral("chevron.right"), &size, QSize());
    EXPECT_EQ(size, QSize(32, 32));
    EXPECT_GT(paintedIn(plain, qRgb(0, 0, 0)), 4);
}

} // namespace
