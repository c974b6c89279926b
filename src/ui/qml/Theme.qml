pragma Singleton
import QtQuick
import ZuzuzeVizozod

// The colours and type sizes of the current appearance. Colours given as "the primary text
// colour at opacity x" are built with faded(Theme.ink, x).
QtObject {
    readonly property bool dark: ZuzuzeVizozodApp.isDark

    // Text and strokes.
    readonly property color ink: dark ? "#ffffff" : "#000000"
    readonly property color primary: dark ? Qt.rgba(1, 1, 1, 0.92) : Qt.rgba(0, 0, 0, 0.86)
    // Light text reaches 4.5:1 on an opened card over the darkest stop of the background.
    readonly property color secondary: dark ? Qt.rgba(1, 1, 1, 0.56) : Qt.rgba(0, 0, 0, 0.6)
    readonly property color tertiary: dark ? Qt.rgba(1, 1, 1, 0.32) : Qt.rgba(0, 0, 0, 0.56)
    readonly property color quaternary: dark ? Qt.rgba(1, 1, 1, 0.16) : Qt.rgba(0, 0, 0, 0.12)
    readonly property color quaternaryFill: dark ? Qt.rgba(1, 1, 1, 0.07) : Qt.rgba(0, 0, 0, 0.045)
    readonly property color textBackground: dark ? "#15191b" : "#ffffff"

    // System colours.
    readonly property color accent: dark ? Qt.rgba(0.04, 0.52, 1.0, 1) : Qt.rgba(0.0, 0.48, 1.0, 1)
    // Light yellow and orange are deepened to 3:1, light red to 4.5:1: they draw symbols and text.
    readonly property color yellow: dark ? Qt.rgba(1.0, 0.84, 0.04, 1) : Qt.rgba(0.6, 0.47, 0.0, 1)
    readonly property color orange: dark ? Qt.rgba(1.0, 0.62, 0.04, 1) : Qt.rgba(0.7, 0.4, 0.0, 1)
    readonly property color red: dark ? Qt.rgba(1.0, 0.27, 0.23, 1) : Qt.rgba(0.64, 0.14, 0.12, 1)
    readonly property color green: dark ? Qt.rgba(0.19, 0.82, 0.35, 1) : Qt.rgba(0.2, 0.78, 0.35, 1)
    readonly property color blue: dark ? Qt.rgba(0.04, 0.52, 1.0, 1) : Qt.rgba(0.0, 0.48, 1.0, 1)
    readonly property color indigo: dark ? Qt.rgba(0.37, 0.36, 0.9, 1) : Qt.rgba(0.35, 0.34, 0.84, 1)
    readonly property color teal: dark ? Qt.rgba(0.25, 0.78, 0.88, 1) : Qt.rgba(0.19, 0.69, 0.78, 1)
    readonly property color mint: dark ? Qt.rgba(0.39, 0.9, 0.89, 1) : Qt.rgba(0.0, 0.78, 0.75, 1)
    readonly property color grey: Qt.rgba(0.56, 0.56, 0.58, 1)
    readonly property color runtime: Qt.rgba(0.48, 0.63, 0.76, 1)
    readonly property color runtimeText: onTint(runtime)
    // An empty favourite star, and the opacity of a star on a card the pointer is not over.
    readonly property color emptyStar: dark ? faded(secondary, secondary.a * 0.55) : Qt.rgba(0, 0, 0, 0.5)
    readonly property real idleStarOpacity: dark ? 0.55 : 1.0
    // A selected row or a confirming button under white text: the accent deepened to 4.5:1.
    readonly property color selection: dark ? Qt.rgba(0.04, 0.4, 0.85, 1) : Qt.rgba(0.0, 0.36, 0.78, 1)
    // The keyboard's current item.
    readonly property color focusRing: dark ? accent : Qt.rgba(0.0, 0.36, 0.78, 1)

    // The window's diagonal background.
    readonly property var backgroundStops: dark
        ? [Qt.rgba(0.075, 0.095, 0.105, 1), Qt.rgba(0.105, 0.13, 0.135, 1), Qt.rgba(0.075, 0.09, 0.095, 1)]
        : [Qt.rgba(0.965, 0.972, 0.972, 1), Qt.rgba(0.92, 0.94, 0.94, 1), Qt.rgba(0.975, 0.978, 0.975, 1)]

    // Controls (the Fusion palette).
    readonly property color windowColor: dark ? "#161b1e" : "#eef1f1"
    readonly property color baseColor: dark ? "#1d2427" : "#ffffff"
    readonly property color buttonColor: dark ? "#2a3236" : "#f6f7f7"
    readonly property color sidebarColor: dark ? Qt.rgba(1, 1, 1, 0.025) : Qt.rgba(0, 0, 0, 0.025)
    readonly property color material: dark ? Qt.rgba(0.09, 0.11, 0.12, 0.72) : Qt.rgba(0.97, 0.975, 0.975, 0.72)

    // Type sizes in pixels.
    readonly property int caption: 11
    readonly property int caption2: 10
    readonly property int callout: 13
    readonly property int subheadline: 12
    readonly property int headline: 14
    readonly property int body: 13

    // Text in a tint's colour on that tint's pale capsule: the tint itself in the dark, half its
    // brightness in the light, which takes every format colour past 4.5:1.
    function onTint(base) {
        return dark ? base : Qt.rgba(base.r * 0.5, base.g * 0.5, base.b * 0.5, base.a)
    }

    function formatTextColor(format) {
        return onTint(formatColor(format))
    }

    function faded(base, opacity) {
        return Qt.rgba(base.r, base.g, base.b, opacity)
    }

    // A system colour by name ("blue", "orange"); grey for a name it does not know.
    function tint(name) {
        const known = { blue: blue, indigo: indigo, teal: teal, mint: mint, green: green, orange: orange,
                        yellow: yellow, red: red }
        return known[name] !== undefined ? known[name] : grey
    }

    // Every format has a colour of its own; anything else is grey.
    function formatColor(format) {
        switch (String(format)) {
        case "AU": return Qt.rgba(0.0, 0.48, 1.0, 1)
        case "VST": return Qt.rgba(0.2, 0.78, 0.35, 1)
        case "VST3": return Qt.rgba(0.69, 0.32, 0.87, 1)
        case "AAX": return Qt.rgba(1.0, 0.58, 0.0, 1)
        case "CLAP": return Qt.rgba(1.0, 0.23, 0.19, 1)
        case "LV2": return Qt.rgba(0.19, 0.69, 0.78, 1)
        case "LADSPA": return Qt.rgba(0.64, 0.52, 0.37, 1)
        }
        return grey
    }
}
