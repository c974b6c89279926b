import QtQuick

// The control colours of the current appearance, for a window's palette.
Palette {
    window: Theme.windowColor
    windowText: Theme.primary
    base: Theme.baseColor
    alternateBase: Theme.buttonColor
    text: Theme.primary
    button: Theme.buttonColor
    buttonText: Theme.primary
    brightText: "#ffffff"
    highlight: Theme.accent
    highlightedText: "#ffffff"
    placeholderText: Theme.tertiary
    toolTipBase: Theme.dark ? "#2b3236" : "#fbfbfb"
    toolTipText: Theme.primary
    light: Theme.dark ? "#3b4448" : "#ffffff"
    midlight: Theme.dark ? "#323a3e" : "#f0f2f2"
    mid: Theme.dark ? "#262d30" : "#c9cecf"
    dark: Theme.dark ? "#101416" : "#a9b0b2"
    shadow: Theme.dark ? "#000000" : "#7a8284"
    link: Theme.accent
}
