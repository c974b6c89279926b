import QtQuick
import QtTest
import ZuzuzeVizozod
import ZuzuzeVizozod.Testing

// Light appearance against WCAG AA: text 4.5:1, symbols and badges' outlines 3:1, measured on
// the worst place each colour is drawn: an opened card over each stop of the window background.
// The in-window file choosers in both appearances, as drawn.
TestCase {
    id: contrast
    name: "ThemeContrast"
    width: 800
    height: 600
    when: windowShown

    Component {
        id: chooserComponent
        FolderChooser {}
    }

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

    // The path bar's folder names, a plain and the selected row, and the accepting button, each
    // over what lies under it.
    function test_choosers_read_in_both_appearances_data() {
        return [
            { tag: "folder, dark", appearance: "dark", saving: false },
            { tag: "folder, light", appearance: "light", saving: false },
            { tag: "save, dark", appearance: "dark", saving: true },
            { tag: "save, light", appearance: "light", saving: true },
        ]
    }

    function test_choosers_read_in_both_appearances(data) {
        ZuzuzeVizozodApp.appearanceMode = data.appearance
        const chooser = createTemporaryObject(chooserComponent, contrast, { saving: data.saving })
        chooser.openAt(UiFixture.newFolder(["Alpha", "Beta"]))
        tryCompare(chooser, "opened", true)
        const list = findChild(chooser.contentItem, "chooserList")
        tryCompare(list, "count", 2)
        waitForRendering(chooser.contentItem)
        mouseClick(findChild(list, "chooserRow_Alpha"))

        // Measured at once: a colour read from an item follows the appearance.
        const measured = []
        function measure(what, fg, bg) {
            measured.push({ what: what, ratio: ratio(over(fg, bg), bg) })
        }
        const ground = chooser.background.color
        const bar = findChild(chooser.contentItem, "chooserPathBar")
        for (let i = 0; i < bar.count; ++i) {
            const crumb = bar.itemAtIndex(i)
            measure("path bar " + crumb.text, crumb.contentItem.color, over(crumb.background.color, ground))
        }
        for (const name of ["Alpha", "Beta"]) {
            const row = findChild(list, "chooserRow_" + name)
            measure(name + " row", findChild(row, "chooserRowName").color, over(row.color, list.parent.color))
        }
        const accept = findChild(chooser.contentItem, "chooserAccept")
        measure("accept button", accept.contentItem.color, over(accept.background.color, ground))
        ZuzuzeVizozodApp.appearanceMode = "dark"
        verify(findChild(list, "chooserRow_Alpha").selected)
        for (const pair of measured)
            verify(pair.ratio >= 4.5, pair.what + ": " + pair.ratio.toFixed(2) + ":1")
    }
}
