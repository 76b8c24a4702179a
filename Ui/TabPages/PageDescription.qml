import QtQuick
import PelvaneApp 1.0

// The text under a tab page's title.
Text {
    width: parent.width
    wrapMode: Text.WordWrap
    font.pixelSize: 14
    font.family: PelvaneThemesManager.defaultNormalFontFamily
    color: PelvaneThemesManager.descriptionGreyColor
}
