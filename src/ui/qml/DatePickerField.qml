import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// A day, typed as yyyy-MM-dd or picked from a month calendar. It shows `date` and reports the
// day the user chose through chosen(); the owner decides what the choice sets.
RowLayout {
    id: picker

    property date date
    readonly property string isoText: valid(date) ? iso(date.getFullYear(), date.getMonth() + 1, date.getDate()) : ""
    readonly property alias textField: field
    readonly property alias calendar: popup

    // month is 1..12.
    signal chosen(int year, int month, int day)

    function valid(value) {
        return value instanceof Date && !isNaN(value.getTime())
    }

    function pad(number, width) {
        let text = String(number)
        while (text.length < width)
            text = "0" + text
        return text
    }

    function iso(year, month, day) {
        return pad(year, 4) + "-" + pad(month, 2) + "-" + pad(day, 2)
    }

    // {year, month, day} for a real day written as yyyy-MM-dd, else null.
    function parse(text) {
        const parts = /^(\d{4})-(\d{2})-(\d{2})$/.exec(text.trim())
        if (!parts)
            return null
        const year = Number(parts[1]), month = Number(parts[2]), day = Number(parts[3])
        if (year < 1 || month < 1 || month > 12 || day < 1)
            return null
        const lastDay = new Date(2000, 0, 1)
        lastDay.setFullYear(year, month, 0)
        return day <= lastDay.getDate() ? { year: year, month: month, day: day } : null
    }

    function choose(year, month, day) {
        picker.chosen(year, month, day)
    }

    spacing: 4

    TextField {
        id: field

        // Leaving the field without typing chooses nothing.
        property bool typed: false

        objectName: "dateText"
        Layout.preferredWidth: 112
        text: picker.isoText
        placeholderText: "yyyy-mm-dd"
        horizontalAlignment: Text.AlignHCenter
        font.pixelSize: Theme.body
        selectByMouse: true
        color: Theme.primary
        validator: RegularExpressionValidator { regularExpression: /[0-9]{0,4}(-[0-9]{0,2}(-[0-9]{0,2})?)?/ }

        onTextEdited: typed = true
        onEditingFinished: {
            const day = typed ? picker.parse(text) : null
            typed = false
            if (day)
                picker.choose(day.year, day.month, day.day)
            // What shows is the date the owner kept, whatever was typed.
            text = Qt.binding(() => picker.isoText)
        }
    }

    ToolButton {
        objectName: "calendarButton"
        icon.source: "image://symbol/calendar"
        icon.width: 14
        icon.height: 14
        icon.color: Theme.secondary
        padding: 4
        onClicked: popup.open()
        ToolTip.visible: hovered
        ToolTip.delay: 600
        ToolTip.text: "Choose a day"

        Popup {
            id: popup

            property int month: 0
            property int year: 2000

            function step(months) {
                const next = month + months
                year = Math.max(1, Math.min(9999, year + Math.floor(next / 12)))
                month = ((next % 12) + 12) % 12
            }

            x: parent.width - width
            padding: 10
            modal: false
            focus: true
            // A popup does not inherit its owner's colours by itself.
            palette: picker.palette
            onAboutToShow: {
                const shown = picker.valid(picker.date) ? picker.date : new Date()
                month = shown.getMonth()
                year = shown.getFullYear()
                // Below the button when it fits in the window, else above it.
                const below = parent.mapToItem(null, 0, parent.height).y
                const room = parent.Window.height - below
                y = room >= implicitHeight + 8 ? parent.height + 4 : -implicitHeight - 4
            }

            background: Rectangle {
                radius: 10
                color: Theme.dark ? "#232a2d" : "#fbfcfc"
                border.width: 1
                border.color: Theme.faded(Theme.ink, 0.12)
            }

            contentItem: ColumnLayout {
                spacing: 6

                RowLayout {
                    Layout.fillWidth: true
                    spacing: 4

                    ToolButton {
                        icon.source: "image://symbol/chevron.left"
                        icon.width: 12
                        icon.height: 12
                        icon.color: Theme.secondary
                        onClicked: popup.step(-1)
                    }
                    Text {
                        Layout.fillWidth: true
                        horizontalAlignment: Text.AlignHCenter
                        text: grid.locale.standaloneMonthName(popup.month)
                        color: Theme.primary
                        font.pixelSize: Theme.body
                        font.weight: Font.DemiBold
                    }
                    SpinBox {
                        objectName: "yearBox"
                        from: 1
                        to: 9999
                        value: popup.year
                        editable: true
                        Layout.preferredWidth: 92
                        font.pixelSize: Theme.body
                        textFromValue: (value) => String(value)
                        valueFromText: (text) => Number(text)
                        validator: IntValidator { bottom: 1; top: 9999 }
                        onValueModified: popup.year = value
                    }
                    ToolButton {
                        icon.source: "image://symbol/chevron.right"
                        icon.width: 12
                        icon.height: 12
                        icon.color: Theme.secondary
                        onClicked: popup.step(1)
                    }
                }

                DayOfWeekRow {
                    Layout.fillWidth: true
                    locale: grid.locale
                    delegate: Text {
                        required property string shortName
                        text: shortName
                        horizontalAlignment: Text.AlignHCenter
                        color: Theme.tertiary
                        font.pixelSize: Theme.caption2
                        font.weight: Font.DemiBold
                    }
                }

                MonthGrid {
                    id: grid
                    Layout.fillWidth: true
                    month: popup.month
                    year: popup.year
                    spacing: 2

                    delegate: Rectangle {
                        id: cell

                        required property int day
                        required property int month
                        required property int year
                        required property bool today
                        readonly property bool selected: picker.valid(picker.date) && picker.date.getDate() === day
                                                         && picker.date.getMonth() === month
                                                         && picker.date.getFullYear() === year

                        implicitWidth: 30
                        implicitHeight: 26
                        radius: 6
                        color: selected ? Theme.accent : cellHover.hovered ? Theme.quaternaryFill : "transparent"
                        border.width: today && !selected ? 1 : 0
                        border.color: Theme.faded(Theme.accent, 0.6)

                        Text {
                            anchors.centerIn: parent
                            text: cell.day
                            color: cell.selected ? "#ffffff"
                                                 : cell.month === grid.month ? Theme.primary : Theme.tertiary
                            font.pixelSize: Theme.callout
                        }
                        HoverHandler {
                            id: cellHover
                        }
                        TapHandler {
                            onTapped: {
                                picker.choose(cell.year, cell.month + 1, cell.day)
                                popup.close()
                            }
                        }
                    }
                }
            }
        }
    }
}
