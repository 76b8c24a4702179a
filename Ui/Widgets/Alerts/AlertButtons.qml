import QtQuick
import "qrc:/Ui/Widgets/BaseWidgets"

// The buttons of an alert, in a row or a column; every press goes to onPress with its
// button record.
Grid {
    id: grid

    property var buttons: []
    property bool vertical: false
    property real buttonWidth: 170
    property var onPress: function (record) {}
    // 30 px a line of the longest label ("<br>" splits a label into lines).
    readonly property real buttonsHeight: 30 * buttons.reduce(function (lines, record) {
        return Math.max(lines, String(record.txt).split("<br>").length)
    }, 1)

    columns: vertical ? 1 : Math.max(buttons.length, 1)
    columnSpacing: 20
    rowSpacing: 10

    Repeater {
        model: grid.buttons
        delegate: PelvaneButton {
            required property var modelData
            autoResize: false
            width: grid.buttonWidth
            height: grid.buttonsHeight
            haveShadow: false
            btnText: modelData.txt
            onPressed: grid.onPress(modelData)
        }
    }
}
