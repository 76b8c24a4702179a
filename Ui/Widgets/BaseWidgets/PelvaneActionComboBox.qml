import QtQuick
import QtQuick.Controls.Basic
import PelvaneApp 1.0

// The action editor's drop-down list: empty entries are inert separators, the highlighted
// row is framed and joined to its non-empty neighbours.
ComboBox {
    id: combo

    property real maxPopupHeight: 0
    property color hoverElementColor: PelvaneThemesManager.mainBackgroundColor
    property color hoverTextElementColor: PelvaneThemesManager.buttonTextColor
    property color textElementColor: PelvaneThemesManager.buttonTextColor
    property int heightOfItem: 25

    function entryText(index) {
        if (index < 0 || index >= count)
            return ""
        return textAt(index)
    }

    // The next entry from index in direction step that is not a separator, or index itself.
    function entryAfter(index, step) {
        for (var next = index + step; next >= 0 && next < count; next += step) {
            if (entryText(next) !== "")
                return next
        }
        return index
    }

    // The arrow keys pass over separators, in the open list and on the closed box alike.
    function stepBy(step) {
        if (popup.visible) {
            var target = entryAfter(highlightedIndex, step)
            for (var moves = 0; moves < count && highlightedIndex !== target; ++moves) {
                if (step > 0)
                    incrementCurrentIndex()
                else
                    decrementCurrentIndex()
            }
            return
        }
        var chosen = entryAfter(currentIndex, step)
        if (chosen === currentIndex)
            return
        currentIndex = chosen
        activated(chosen)
    }

    Keys.onUpPressed: stepBy(-1)
    Keys.onDownPressed: stepBy(1)

    implicitHeight: 20
    font.family: PelvaneThemesManager.defaultNormalFontFamily
    font.pixelSize: 12

    background: Rectangle {
        radius: 7
        color: combo.enabled ? "white" : PelvaneThemesManager.pelvaneG4Color
        border.width: 1
        border.color: combo.enabled ? PelvaneThemesManager.selectedTextColor : PelvaneThemesManager.pelvaneG4Color
    }

    contentItem: Text {
        leftPadding: 10
        rightPadding: combo.indicator.width + 10
        text: combo.displayText
        font: combo.font
        color: combo.enabled ? combo.textElementColor : "white"
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }

    indicator: Image {
        x: combo.width - width - 10
        y: (combo.height - height) / 2
        height: combo.height * 0.4
        width: height
        fillMode: Image.PreserveAspectFit
        source: PelvaneThemesManager.dropDownArrowGrey
    }

    delegate: ItemDelegate {
        id: row
        required property int index
        required property var modelData
        readonly property string entry: combo.textRole ? modelData[combo.textRole] : modelData
        readonly property bool separator: entry === ""
        readonly property bool lit: combo.highlightedIndex === index && !separator
        width: combo.width - 2
        height: combo.heightOfItem
        enabled: !separator
        padding: 0
        background: Rectangle {
            color: row.lit ? combo.hoverElementColor : "transparent"
            radius: 7
            border.width: row.lit ? 1 : 0
            border.color: PelvaneThemesManager.checkBoxBorderColor
            // Square patches join the highlight to the entries above and below.
            Rectangle {
                visible: row.lit && combo.entryText(row.index - 1) !== ""
                width: parent.width
                height: parent.radius
                color: combo.hoverElementColor
                border.width: 0
            }
            Rectangle {
                visible: row.lit && combo.entryText(row.index + 1) !== ""
                anchors.bottom: parent.bottom
                width: parent.width
                height: parent.radius
                color: combo.hoverElementColor
            }
        }
        contentItem: Text {
            leftPadding: 10
            text: row.entry
            font: combo.font
            color: row.lit ? combo.hoverTextElementColor : combo.textElementColor
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
        }
    }

    popup: Popup {
        y: combo.height
        width: combo.width
        padding: 1
        implicitHeight: combo.maxPopupHeight > 0 ? Math.min(contentItem.implicitHeight + 2, combo.maxPopupHeight) : contentItem.implicitHeight + 2

        contentItem: ListView {
            clip: true
            implicitHeight: contentHeight
            model: combo.popup.visible ? combo.delegateModel : null
            currentIndex: combo.highlightedIndex
            ScrollIndicator.vertical: ScrollIndicator {}
        }

        background: Rectangle {
            radius: 7
            color: "white"
            border.width: 1
            border.color: PelvaneThemesManager.selectedTextColor
        }
    }
}
