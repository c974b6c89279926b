#include "ui/SymbolCatalog.h"

#include <array>

namespace {

struct Symbol {
    const char* name;
    const char* glyph;
    std::array<const char*, 3> themeNames; // unused places are null
};

// Adwaita names first where Adwaita has the picture; names other themes use before them.
const std::array symbolTable{
    Symbol{"square.grid.2x2", "\u25A6", {"view-grid-symbolic", "view-app-grid-symbolic"}},
    Symbol{"chart.bar", "\u2587", {"office-chart-bar-symbolic", "view-statistics-symbolic",
                                   "network-cellular-signal-excellent-symbolic"}},
    Symbol{"arrow.clockwise", "\u21BB", {"view-refresh-symbolic"}},
    Symbol{"square.and.arrow.up", "\u21EA", {"send-to-symbolic", "document-send-symbolic"}},
    Symbol{"folder.badge.gear", "\u2699", {"folder-symbolic"}},
    Symbol{"folder.badge.gearshape", "\u2699", {"folder-symbolic"}},
    Symbol{"folder", "\u25AD", {"folder-symbolic"}},
    Symbol{"line.3.horizontal.decrease.circle", "\u2261", {"view-filter-symbolic", "format-justify-center-symbolic"}},
    Symbol{"line.3.horizontal.decrease.circle.fill", "\u2261",
           {"view-filter-symbolic", "format-justify-center-symbolic"}},
    Symbol{"star", "\u2606", {"non-starred-symbolic", "starred-symbolic"}},
    Symbol{"star.fill", "\u2605", {"starred-symbolic"}},
    Symbol{"exclamationmark.circle.fill", "!", {"emblem-important-symbolic", "dialog-warning-symbolic"}},
    Symbol{"exclamationmark.circle", "!", {"emblem-important-symbolic", "dialog-warning-symbolic"}},
    Symbol{"exclamationmark.triangle", "\u26A0", {"dialog-warning-symbolic"}},
    Symbol{"cpu", "\u25A3", {"cpu-symbolic", "application-x-firmware-symbolic", "computer-symbolic"}},
    Symbol{"chevron.right", "\u203A", {"go-next-symbolic", "pan-end-symbolic"}},
    Symbol{"chevron.left", "\u2039", {"go-previous-symbolic", "pan-start-symbolic"}},
    Symbol{"chevron.down", "\u2304", {"pan-down-symbolic", "go-down-symbolic"}},
    Symbol{"info.circle", "i", {"help-about-symbolic", "dialog-information-symbolic"}},
    Symbol{"puzzlepiece.extension", "\u25C8", {"application-x-addon-symbolic"}},
    Symbol{"note.text", "\u270E", {"accessories-text-editor-symbolic", "document-edit-symbolic"}},
    Symbol{"tag", "#", {"tag-symbolic", "user-bookmarks-symbolic"}},
    Symbol{"xmark", "\u2715", {"window-close-symbolic", "process-stop-symbolic"}},
    Symbol{"return", "\u21B5", {"keyboard-enter-symbolic", "mail-reply-sender-symbolic"}},
    Symbol{"magnifyingglass", "\u2315", {"edit-find-symbolic", "system-search-symbolic"}},
    Symbol{"plus", "+", {"list-add-symbolic"}},
    Symbol{"minus.circle", "\u2296", {"list-remove-symbolic"}},
    Symbol{"checkmark.circle.fill", "\u2714", {"emblem-default-symbolic", "emblem-ok-symbolic"}},
    Symbol{"circle.dashed", "\u25CC", {"radio-symbolic"}},
    Symbol{"externaldrive", "\u25AD", {"drive-harddisk-usb-symbolic", "drive-harddisk-symbolic"}},
    Symbol{"externaldrive.badge.xmark", "\u2715", {"drive-harddisk-usb-symbolic", "drive-harddisk-symbolic"}},
    Symbol{"internaldrive", "\u25AD", {"drive-harddisk-system-symbolic", "drive-harddisk-symbolic"}},
    Symbol{"arrow.triangle.2.circlepath", "\u21C4", {"emblem-synchronizing-symbolic", "media-playlist-repeat-symbolic"}},
    Symbol{"gearshape", "\u2699", {"emblem-system-symbolic", "preferences-system-symbolic"}},
    Symbol{"calendar", "\u25A4", {"x-office-calendar-symbolic"}},
    Symbol{"list.bullet", "\u2630", {"view-list-symbolic", "view-list-bullet-symbolic"}},
    Symbol{"xmark.circle.fill", "\u2715", {"edit-clear-symbolic", "window-close-symbolic"}},
    Symbol{"arrow.up.arrow.down", "\u21C5", {"view-sort-ascending-symbolic", "view-sort-descending-symbolic"}},
};

const Symbol* find(const QString& name)
{
    for (const Symbol& symbol : symbolTable)
        if (name == QLatin1StringView(symbol.name))
            return &symbol;
    return nullptr;
}

} // namespace

namespace SymbolCatalog {

QStringList symbols()
{
    QStringList names;
    for (const Symbol& symbol : symbolTable)
        names.append(QLatin1StringView(symbol.name));
    return names;
}

QStringList themeNames(const QString& symbol)
{
    QStringList names;
    if (const Symbol* entry = find(symbol))
        for (const char* name : entry->themeNames)
            if (name)
                names.append(QLatin1StringView(name));
    return names;
}

QString glyph(const QString& symbol)
{
    const Symbol* entry = find(symbol);
    return entry ? QString::fromUtf8(entry->glyph) : QStringLiteral("?");
}

QString bundledPath(const QString& symbol)
{
    return QStringLiteral(":/qt/qml/ZuzuzeVizozod/icons/") + symbol + QStringLiteral(".svg");
}

} // namespace SymbolCatalog
