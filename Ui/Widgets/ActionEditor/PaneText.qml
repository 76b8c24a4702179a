import QtQuick
import PelvaneApp 1.0

// A title (bold, larger) or a label or description of an editor pane.
Text {
    property bool isTitle: false
    property bool isDescription: false

    width: parent ? parent.width : 0
    wrapMode: Text.WordWrap
    font.pixelSize: isTitle ? 16 : isDescription ? 11 : 12
    font.family: PelvaneThemesManager.defaultNormalFontFamily
    font.bold: isTitle
    color: isDescription ? PelvaneThemesManager.descriptionGreyColor : PelvaneThemesManager.subtitleColor
}
