import QtQuick
import QtTest
import ZuzuzeVizozod

// Light appearance against WCAG AA: text 4.5:1, symbols and badges' outlines 3:1, measured on
// the worst place each colour is drawn: an opened card over each stop of the window background.
TestCase {
    name: "ThemeContrast"

    function linear(c) {
        return c <= 0.04045 ? c / 12.92 : Math.pow((c + 0.055) / 1.055, 2.4)
    }

    function luminance(c) {
        return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b)
    }

    // `top` drawn at its alpha times `opacity` over the opaque `under`.
    function over(top, under, opacity) {
        const a = top.a * (opacity === undefined ? 1 : opacity)
        return Qt.rgba(top.r * a + under.r * (1 - a), top.g * a + under.g * (1 - a), top.b * a + under.b * (1 - a), 1)
    }

    function ratio(a, b) {
        const la = luminance(a)
        const lb = luminance(b)
        return (Math.max(la, lb) + 0.05) / (Math.min(la, lb) + 0.05)
    }

    // The lowest ratio of `fg` over every background stop, bare and under an opened card, and
    // under the capsule `fill` when there is one.
    function worstRatio(fg, fill, opacity) {
        let worst = Infinity
        for (const stop of Theme.backgroundStops)
            for (const card of [0, 0.055]) {
                let ground = over(Theme.faded(Theme.ink, card), stop)
                if (fill)
                    ground = over(fill, ground)
                worst = Math.min(worst, ratio(over(fg, ground, opacity), ground))
            }
        return worst
    }

    function test_light_colours_reach_aa_data() {
        const rows = [
            { tag: "primary text", fg: () => Theme.primary, minimum: 4.5 },
            { tag: "secondary text", fg: () => Theme.secondary, minimum: 4.5 },
            { tag: "tertiary text (dates)", fg: () => Theme.tertiary, minimum: 4.5 },
            { tag: "Not Found", fg: () => Theme.red, fill: () => Theme.faded(Theme.red, 0.1), minimum: 4.5 },
            { tag: "Rosetta badge", fg: () => Theme.runtimeText, fill: () => Theme.faded(Theme.runtime, 0.13), minimum: 4.5 },
            { tag: "favourite star", fg: () => Theme.yellow, minimum: 3 },
            { tag: "outdated marker", fg: () => Theme.orange, minimum: 3 },
            { tag: "empty star", fg: () => Theme.emptyStar, opacity: () => Theme.idleStarOpacity, minimum: 3 },
            { tag: "keyboard focus", fg: () => Theme.focusRing, minimum: 3 },
        ]
        for (const format of ["AU", "VST", "VST3", "AAX", "CLAP", "LV2", "LADSPA", "Unknown"])
            rows.push({ tag: format + " badge", fg: () => Theme.formatTextColor(format),
                        fill: () => Theme.faded(Theme.formatColor(format), 0.14), minimum: 4.5 })
        return rows
    }

    function test_light_colours_reach_aa(data) {
        ZuzuzeVizozodApp.appearanceMode = "light"
        verify(!Theme.dark)
        const measured = worstRatio(data.fg(), data.fill ? data.fill() : null, data.opacity ? data.opacity() : 1)
        ZuzuzeVizozodApp.appearanceMode = "dark"
        verify(measured >= data.minimum, data.tag + ": " + measured.toFixed(2) + ":1")
    }
}
