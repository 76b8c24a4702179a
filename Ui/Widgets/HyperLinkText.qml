import QtQuick
import PelvaneApp 1.0

// A text that opens its link in the browser, recoloured under the pointer.
Text {
    id: link

    property string url: ""
    property color normalColor: PelvaneThemesManager.companyInfoGreyColor
    property color hoverColor: PelvaneThemesManager.subtitleColor

    color: linkArea.containsMouse ? hoverColor : normalColor
    font.family: PelvaneThemesManager.defaultNormalFontFamily

    MouseArea {
        id: linkArea
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: Qt.openUrlExternally(link.url)
    }
}
