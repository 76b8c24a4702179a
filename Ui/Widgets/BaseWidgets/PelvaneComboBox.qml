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
        implicitHeight: combo.maxPopupHeight > 0 ? Math.min(contentItem.implicitHeight + 2, combo.maxPopupHeight) : contentItem.implicitHeight + 2

        contentItem: ListView {
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
