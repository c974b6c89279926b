import QtQuick
import QtTest
import ZuzuzeVizozod
import ZuzuzeVizozod.Testing

// The dashboard tab: cards, which charts show and how far, their labels and heights.
Item {
    id: stage
    width: 1000
    height: 800

    TestCase {
        name: "Dashboard"
        when: windowShown

        Component {
            id: viewComponent
            DashboardView {
                width: 900
                height: 700
            }
        }

        function chartTitles(view) {
            return view.controller.charts.map((chart) => chart.title)
        }

        function labels(chart) {
            return chart.items.map((item) => item.label)
        }

        // Zeros and no charts while empty; an Intel-only plug-in turns Rosetta orange as it arrives.
        function test_empty_then_an_intel_only_plugin_arrives() {
            const store = UiFixture.newStore()
            const view = createTemporaryObject(viewComponent, stage, { catalogStore: store })
            compare(view.windowTitle, "Dashboard 0 plugins")
            compare(view.controller.statCards.map((card) => card.title),
                    ["Unique Plugins", "Total Installs", "Plugin Bundle Size", "Content Library Size",
                     "Rosetta Only", "Possibly Outdated"])
            compare(view.controller.statCards.map((card) => card.value), ["0", "0", "Zero KB", "Zero KB", "0", "0"])
            compare(view.controller.statCards.slice(4).map((card) => card.tint), ["green", "green"])
            compare(findChild(view, "stat_Plugin Bundle Size").value, "Zero KB")
            compare([view.controller.charts.length, findChild(view, "chart_0")], [0, null])

            UiFixture.addRecord(store, "Old Synth", "Example", ["VST"], "Intel 64")
            tryCompare(view, "windowTitle", "Dashboard 1 plugins")
            compare([view.controller.statCards[4].value, view.controller.statCards[4].tint], ["1", "orange"])
            compare(chartTitles(view), ["Plugin Bundle Size by Publisher", "Plugin Bundle Size by Format"])
        }

        function test_charts_keep_10_all_10_and_12_largest_entries() {
            const store = UiFixture.newStore()
            for (let i = 1; i <= 20; ++i) {
                const record = UiFixture.addRecord(store, "Plugin " + i, "Publisher " + i, ["AU", "VST3"])
                record.installs.forEach((install) => install.fileSize = i * 1000000)
                UiFixture.addContentItem(store, "/Samples", "/Samples/Library " + i, "Library " + i,
                                         "Maker " + i, i * 1000000000)
            }
            UiFixture.addRecord(store, "Clap Thing", "Publisher 1", ["CLAP", "AAX", "VST"])
            const view = createTemporaryObject(viewComponent, stage, { catalogStore: store })
            const charts = view.controller.charts
            compare(chartTitles(view), ["Plugin Bundle Size by Publisher", "Plugin Bundle Size by Format",
                                        "Content Library Size by Publisher", "Largest Content Libraries"])
            compare(charts.map((chart) => chart.items.length), [10, 5, 10, 12])
            compare(labels(charts[0]), ["Publisher 20", "Publisher 19", "Publisher 18", "Publisher 17",
                                        "Publisher 16", "Publisher 15", "Publisher 14", "Publisher 13",
                                        "Publisher 12", "Publisher 11"])
            compare(labels(charts[1]), ["AU", "VST3", "VST", "AAX", "CLAP"])
            compare(charts[3].items[11].label, "Maker 9 \u2014 Library 9")
            compare(charts[3].items[0].sizeText, "20 GB")
            compare(findChild(view, "chart_3").bars.height, 12 * 36 + 20)
        }

        function test_library_labels_name_the_publisher_once() {
            const store = UiFixture.newStore()
            UiFixture.addContentItem(store, "/S", "/S/a", "Example Audio Strings", "example audio", 3000)
            UiFixture.addContentItem(store, "/S", "/S/b", "Grand Piano", "Example Audio", 2000)
            UiFixture.addContentItem(store, "/S", "/S/c", "Loops", "", 1000)
            const view = createTemporaryObject(viewComponent, stage, { catalogStore: store })
            compare(labels(view.controller.charts[1]),
                    ["Example Audio Strings", "Example Audio \u2014 Grand Piano", " \u2014 Loops"])
            // 36 points an item and 20 more.
            compare(findChild(view, "chart_1").bars.height, 3 * 36 + 20)
        }
    }
}
