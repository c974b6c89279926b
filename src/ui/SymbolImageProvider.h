#pragma once

#include <QColor>
#include <QHash>
#include <QImage>
#include <QMutex>
#include <QQuickImageProvider>

// "image://symbol/<symbol>" or "image://symbol/<symbol>/<AARRGGBB>": the symbol drawn in one
// colour (black without one), from the icon theme, else the bundled drawing, else a glyph, so
// that an icon is never blank.
class SymbolImageProvider : public QQuickImageProvider {
public:
    SymbolImageProvider();

    QImage requestImage(const QString& id, QSize* size, const QSize& requestedSize) override;

    // Where the theme icons are looked for: the platform's theme, then Adwaita in the XDG data
    // folders. Call once after the application object exists.
    static void prepareIconTheme();

    // The symbol's picture at `side` pixels, in colour, before caching.
    [[nodiscard]] static QImage render(const QString& symbol, int side, const QColor& color);

private:
    QMutex m_mutex;
    QHash<QString, QImage> m_cache;
};
