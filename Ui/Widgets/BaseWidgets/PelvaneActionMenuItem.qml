import QtQuick
import QtQuick.Controls.Basic
import PelvaneApp 1.0

// An entry of an action menu: bold and framed while highlighted, a chevron when it opens a
// sub-menu.
MenuItem {
    id: item

    property int menuItemHeight: 20

    implicitWidth: 190
    implicitHeight: menuItemHeight
    padding: 0

    arrow: Image {
        x: item.width - width - 5
        y: (item.height - height) / 2
        visible: item.subMenu !== null
        height: item.height * 0.5
        width: height
        fillMode: Image.PreserveAspectFit
        source: PelvaneThemesManager.chevronRightArrow
    }

    contentItem: Text {
        leftPadding: 10
        text: item.text
        font.pixelSize: 12
        font.family: item.highlighted ? PelvaneThemesManager.defaultMediumFontFamily : PelvaneThemesManager.defaultNormalFontFamily
        font.bold: item.highlighted
        color: PelvaneThemesManager.buttonTextColor
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }

    background: Rectangle {
        color: item.highlighted ? PelvaneThemesManager.mainBackgroundColor : "transparent"
        border.width: item.highlighted ? 1 : 0
        border.color: PelvaneThemesManager.actionButtonsBorder
        radius: 7
    }
}
