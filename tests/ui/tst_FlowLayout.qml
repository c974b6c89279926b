import QtQuick
import QtTest
import ZuzuzeVizozod

// Rows that wrap before a child that would not fit, measured and placed.
Item {
    width: 1000
    height: 800

    // Where the tested items live: TestCase itself is never shown, and hidden items take no focus.
    Item {
        id: stage
        anchors.fill: parent
    }

    TestCase {
        id: testCase
        name: "FlowLayout"
        when: windowShown

        Component {
            id: threeChildren
            FlowLayout {
                spacing: 6
                Rectangle { width: 40; height: 20 }
                Rectangle { width: 40; height: 20 }
                Rectangle { width: 40; height: 20 }
            }
        }

        Component {
            id: mixedChildren
            FlowLayout {
                spacing: 6
                Rectangle { width: 30; height: 10 }
                Rectangle { width: 150; height: 30 }
                Rectangle { width: 20; height: 12 }
                Repeater {
                    model: 2
                    Rectangle { width: 10; height: 8 }
                }
            }
        }

        Component {
            id: exactFit
            FlowLayout {
                spacing: 6
                Rectangle { width: 40; height: 10 }
                Rectangle { width: 54; height: 10 }
            }
        }

        Component {
            id: empty
            FlowLayout { spacing: 6 }
        }

        function test_the_hundred_point_example() {
            const flow = createTemporaryObject(threeChildren, stage, { width: 100 })
            compare(flow.sizeThatFits(100), Qt.size(100, 20 + 6 + 20))
            compare(flow.sizeThatFits(), Qt.size(Infinity, 20))
            waitForItemPolished(flow)
            compare([flow.children[1].x, flow.children[1].y, flow.children[2].x, flow.children[2].y], [46, 0, 0, 26])
            compare(flow.implicitHeight, 46)
        }

        function test_edges_data() {
            return [
                // 40 + 6 + 54 = 100: not greater than the width.
                { tag: "an exact fit stays on the row", component: exactFit, width: 100, lastX: 46, height: 10 },
                { tag: "no width keeps one row", component: threeChildren, lastX: 92, height: 20, implicitWidth: 132 },
                { tag: "no children take no height", component: empty, width: 100, height: 0 },
            ]
        }

        function test_edges(data) {
            const flow = createTemporaryObject(data.component, stage, data.width ? { width: data.width } : {})
            waitForItemPolished(flow)
            compare(flow.implicitHeight, data.height)
            if (data.lastX !== undefined)
                compare([flow.children[flow.children.length - 1].x, flow.children[flow.children.length - 1].y], [data.lastX, 0])
            if (data.implicitWidth)
                compare(flow.implicitWidth, data.implicitWidth)
        }

        function test_a_wide_child_sits_alone_unshrunk_and_rows_take_the_tallest() {
            const flow = createTemporaryObject(mixedChildren, stage, { width: 100 })
            waitForItemPolished(flow)
            const wide = flow.children[1]
            compare(wide.x, 0)
            compare(wide.y, 10 + 6)
            compare(wide.width, 150)
            const after = flow.children[2]
            compare(after.x, 0)
            compare(after.y, 16 + 30 + 6)
            // A Repeater's children follow in order; the Repeater itself takes no place.
            const repeated = []
            for (let i = 0; i < flow.children.length; ++i)
                if (flow.children[i].height === 8)
                    repeated.push(flow.children[i])
            compare(repeated.length, 2)
            compare(repeated[0].x, 20 + 6)
            compare(repeated[1].x, 20 + 6 + 10 + 6)
            compare(repeated[1].y, after.y)
            compare(flow.implicitHeight, 52 + 12)
        }

        function test_follows_a_change_of_width() {
            const flow = createTemporaryObject(threeChildren, stage, { width: 200 })
            waitForItemPolished(flow)
            compare(flow.implicitHeight, 20)
            flow.width = 60
            waitForItemPolished(flow)
            compare(flow.children[1].y, 26)
            compare(flow.children[2].y, 52)
            compare(flow.implicitHeight, 72)
        }
    }
}
