import QtQuick
import QtQuick.Controls.Basic
import PelvaneApp 1.0

// A text action of an expanded profile row; a truncated text shows whole as a tool tip.
Text {
    id: action

    signal clicked

    Accessible.role: Accessible.Button
    Accessible.name: text
    Accessible.onPressAction: action.clicked()

    height: parent.height
    verticalAlignment: Text.AlignVCenter
    fontSizeMode: Text.HorizontalFit
    minimumPixelSize: 8
    elide: Text.ElideRight
    font.pixelSize: mainWindow.calculateFontPixelSize(12)
    font.family: PelvaneThemesManager.defaultNormalFontFamily
    color: area.containsMouse ? PelvaneThemesManager.pelvanePurpleColor : PelvaneThemesManager.buttonTextColor

    ToolTip.visible: area.containsMouse && action.truncated
    ToolTip.text: action.text

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: action.clicked()
    }
}
