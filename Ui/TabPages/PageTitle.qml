import QtQuick
import PelvaneApp 1.0

// The title at the top of a tab page.
Text {
    width: parent.width
    height: 30
    verticalAlignment: Text.AlignVCenter
    fontSizeMode: Text.Fit
    minimumPixelSize: 8
    font.pixelSize: 20
    font.family: PelvaneThemesManager.defaultMediumFontFamily
    font.weight: PelvaneThemesManager.defaultMediumFontWeight
    color: PelvaneThemesManager.titleRedColor
}
