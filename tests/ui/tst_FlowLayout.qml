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

        function test_measures_the_hundred_point_example() {
            const flow = createTemporaryObject(threeChildren, stage)
            const size = flow.sizeThatFits(100)
            compare(size.width, 100)
            compare(size.height, 20 + 6 + 20)
            const unbounded = flow.sizeThatFits()
            compare(unbounded.width, Infinity)
            compare(unbounded.height, 20)
        }

        function test_places_the_hundred_point_example() {
            const flow = createTemporaryObject(threeChildren, stage, { width: 100 })
            waitForItemPolished(flow)
            compare(flow.children[0].x, 0)
            compare(flow.children[0].y, 0)
            compare(flow.children[1].x, 46)
            compare(flow.children[1].y, 0)
            compare(flow.children[2].x, 0)
            compare(flow.children[2].y, 26)
            compare(flow.implicitHeight, 46)
        }

        function test_without_a_width_keeps_one_row() {
            const flow = createTemporaryObject(threeChildren, stage)
            waitForItemPolished(flow)
            compare(flow.children[2].x, 92)
            compare(flow.children[2].y, 0)
            compare(flow.implicitWidth, 132)
            compare(flow.implicitHeight, 20)
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
