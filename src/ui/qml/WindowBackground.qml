import QtQuick

// The window's gradient from the top-left to the bottom-right corner: a vertical gradient on a
// square as long as the diagonal, turned to lie along it.
Item {
    id: background
    clip: true

    readonly property real diagonal: Math.sqrt(width * width + height * height)

    Rectangle {
        width: background.diagonal
        height: background.diagonal
        anchors.centerIn: parent
        rotation: -Math.atan2(background.width, background.height) * 180 / Math.PI
        gradient: Gradient {
            GradientStop { position: 0.0; color: Theme.backgroundStops[0] }
            GradientStop { position: 0.5; color: Theme.backgroundStops[1] }
            GradientStop { position: 1.0; color: Theme.backgroundStops[2] }
        }
    }
}
