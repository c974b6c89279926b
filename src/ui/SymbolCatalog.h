#pragma once

#include <QString>
#include <QStringList>

// The symbols the views name (a small shared vocabulary, "star.fill", "chevron.right"), mapped to
// freedesktop icon names, a bundled drawing and a text glyph, tried in that order.
namespace SymbolCatalog {

// Every symbol the views use, in a fixed order.
[[nodiscard]] QStringList symbols();
// Freedesktop icon names, best first; empty for an unknown symbol.
[[nodiscard]] QStringList themeNames(const QString& symbol);
// A character or two that reads as the symbol in a common font; "?" for an unknown symbol.
[[nodiscard]] QString glyph(const QString& symbol);
// The bundled drawing in the application's resources; it may be unreadable without SVG support.
[[nodiscard]] QString bundledPath(const QString& symbol);

} // namespace SymbolCatalog
