import QtQuick
import QtTest
import ZuzuzeVizozod

// Rows that wrap before a child that would not fit, measured and placed.
// Where the tested items live: TestCase itself is never shown, and hidden items take no focus.
Item {
    id: stage
    width: 1000
    height: 800

    TestCase {
        name: "FlowLayout"
        when: windowShown

        // Children from a Repeater, which itself is a child that must take no place.
        Component {
            id: flowComponent
            FlowLayout {
                property var sizes: []
                spacing: 6
                Repeater {
                    model: sizes
                    Rectangle { width: modelData[0]; height: modelData[1] }
                }
            }
        }

        function make(sizes, width) {
            const flow = createTemporaryObject(flowComponent, stage, width ? { sizes: sizes, width: width } : { sizes: sizes })
            waitForItemPolished(flow)
            return flow
        }

        function placed(flow) {
            return Array.from(flow.children).filter((child) => child.color !== undefined)
        }

        function test_places_data() {
            const three = [[40, 20], [40, 20], [40, 20]]
            return [
                { tag: "the hundred-point example", sizes: three, width: 100, at: [[0, 0], [46, 0], [0, 26]], height: 46 },
                // 40 + 6 + 54 = 100: not greater than the width.
                { tag: "an exact fit stays on the row", sizes: [[40, 10], [54, 10]], width: 100, at: [[0, 0], [46, 0]],
                  height: 10 },
                { tag: "no width keeps one row", sizes: three, at: [[0, 0], [46, 0], [92, 0]], height: 20,
                  implicitWidth: 132 },
                { tag: "no children take no height", sizes: [], width: 100, at: [], height: 0 },
                { tag: "a wide child sits alone unshrunk and rows take the tallest",
                  sizes: [[30, 10], [150, 30], [20, 12], [10, 8], [10, 8]], width: 100,
                  at: [[0, 0], [0, 16], [0, 52], [26, 52], [42, 52]], height: 64 },
            ]
        }

        function test_places(data) {
            const flow = make(data.sizes, data.width)
            const children = placed(flow)
            compare(children.map((child) => [child.x, child.y]), data.at)
            compare(children.map((child) => [child.width, child.height]), data.sizes)
            compare(flow.implicitHeight, data.height)
            if (data.implicitWidth)
                compare(flow.implicitWidth, data.implicitWidth)
        }

        function test_measures_and_follows_a_change_of_width() {
            const flow = make([[40, 20], [40, 20], [40, 20]], 200)
            compare(flow.sizeThatFits(100), Qt.size(100, 20 + 6 + 20))
            compare(flow.sizeThatFits(), Qt.size(Infinity, 20))
            compare(flow.implicitHeight, 20)
            flow.width = 60
            waitForItemPolished(flow)
            compare(placed(flow).map((child) => child.y), [0, 26, 52])
            compare(flow.implicitHeight, 72)
        }
    }
}
