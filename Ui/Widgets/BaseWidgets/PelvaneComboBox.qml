import QtQuick
import QtQuick.Controls.Basic
import PelvaneApp 1.0

// A drop-down list whose popup opens over the box.
ComboBox {
    id: combo

    property real maxPopupHeight: 0
    property int maxPopupItems: 0
    property bool scrollBarAlwaysVisible: false
    property string backgroundColor: ""

    implicitHeight: 30
    font.family: PelvaneThemesManager.defaultNormalFontFamily

    background: Rectangle {
        color: combo.backgroundColor !== "" ? combo.backgroundColor : PelvaneThemesManager.dropDownBackColor
    }

    contentItem: Text {
        leftPadding: 10
        rightPadding: combo.indicator.width + 10
        text: combo.displayText
        font: combo.font
        color: PelvaneThemesManager.buttonTextColor
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }

    indicator: Image {
        x: combo.width - width - 10
        y: (combo.height - height) / 2
        height: combo.height * 0.4
        width: height
        fillMode: Image.PreserveAspectFit
        source: PelvaneThemesManager.dropDownArrow
    }

    delegate: ItemDelegate {
        id: row
        required property int index
        required property var modelData
        width: combo.width
        highlighted: combo.highlightedIndex === index
        contentItem: Text {
            text: combo.textRole ? row.modelData[combo.textRole] : row.modelData
            font: combo.font
            color: PelvaneThemesManager.buttonTextColor
            elide: Text.ElideRight
            verticalAlignment: Text.AlignVCenter
        }
    }

    popup: Popup {
        y: 0
        width: combo.width
        padding: 1
        // The whole list, unless a height or a number of rows limits it (the rows are alike).
        implicitHeight: {
            var full = rows.implicitHeight + 2
            var limit = combo.maxPopupHeight > 0 ? combo.maxPopupHeight : full
            if (combo.maxPopupItems > 0 && rows.count > 0)
                limit = Math.min(limit, combo.maxPopupItems * rows.contentHeight / rows.count + 2)
            return Math.min(full, limit)
        }

        contentItem: ListView {
            id: rows
            clip: true
            implicitHeight: contentHeight
            model: combo.popup.visible ? combo.delegateModel : null
            currentIndex: combo.highlightedIndex
            ScrollBar.vertical: ScrollBar {
                width: 7.5
                policy: combo.scrollBarAlwaysVisible ? ScrollBar.AlwaysOn : ScrollBar.AsNeeded
            }
        }

        background: Rectangle {
            color: combo.backgroundColor !== "" ? combo.backgroundColor : PelvaneThemesManager.dropDownBackColor
        }
    }
}
