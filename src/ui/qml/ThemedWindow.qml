import QtQuick
import QtQuick.Controls

// A window whose controls take the colours of the current appearance. The roles are bound one by
// one: a Palette object given whole is copied once and never follows a change of appearance.
// Popups and sheets inherit the window's palette.
ApplicationWindow {
    palette.window: Theme.windowColor
    palette.windowText: Theme.primary
    palette.base: Theme.baseColor
    palette.alternateBase: Theme.buttonColor
    palette.text: Theme.primary
    palette.button: Theme.buttonColor
    palette.buttonText: Theme.primary
    palette.brightText: "#ffffff"
    palette.highlight: Theme.selection
    palette.highlightedText: "#ffffff"
    palette.placeholderText: Theme.tertiary
    palette.toolTipBase: Theme.dark ? "#2b3236" : "#fbfbfb"
    palette.toolTipText: Theme.primary
    palette.light: Theme.dark ? "#3b4448" : "#ffffff"
    palette.midlight: Theme.dark ? "#323a3e" : "#f0f2f2"
    palette.mid: Theme.dark ? "#262d30" : "#c9cecf"
    palette.dark: Theme.dark ? "#101416" : "#a9b0b2"
    palette.shadow: Theme.dark ? "#000000" : "#7a8284"
    palette.link: Theme.accent
}
