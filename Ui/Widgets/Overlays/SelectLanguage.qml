import QtQuick
import PelvaneApp 1.0
import WhirlenUI 1.0
import "qrc:/Ui/Widgets/BaseWidgets"

// The language of the window's texts: a list under a header; the header rows only title it.
FocusScope {
    id: picker

    function choose(index) {
        if (index < LocalizationController.English)
            return
        mainWindow.hideLanguageSelectionWindow()
        localization.selectLanguage(index)
    }

    LocalizationController {
        id: localization
    }

    onVisibleChanged: {
        if (visible)
            rows.forceActiveFocus()
    }

    NoticeFrame {
        anchors.fill: parent
        contentWidth: Math.max(185, rows.width) + 60
        contentHeight: rows.height + 60
        padding: 0

        PelvaneIconButton {
            objectName: "languageCloseIcon"
            anchors.right: parent.right
            anchors.rightMargin: 15
            y: 15
            width: 20
            height: 20
            normalSource: PelvaneThemesManager.closeIcon
            hoverSource: PelvaneThemesManager.closeIconBlack
            accessibleName: Strings.closeLabel
            onClicked: mainWindow.hideLanguageSelectionWindow()
        }

        Column {
            id: rows
            objectName: "languageRows"
            x: 30
            y: 40
            focus: true
            Keys.onEscapePressed: mainWindow.hideLanguageSelectionWindow()

            Repeater {
                model: Strings.selectLanguagesList
                delegate: Item {
                    id: row
                    required property int index
                    required property string modelData
                    readonly property bool current: index === localization.getLanguageIndex()
                    objectName: "languageRow" + index
                    width: Math.max(185, label.implicitWidth + 25)
                    height: 24

                    Rectangle {
                        visible: row.modelData === ""
                        anchors.verticalCenter: parent.verticalCenter
                        width: parent.width
                        height: 1
                        color: PelvaneThemesManager.sliderBackgroundColor
                    }
                    Image {
                        visible: row.current
                        anchors.verticalCenter: parent.verticalCenter
                        width: 14
                        height: 14
                        fillMode: Image.PreserveAspectFit
                        source: PelvaneThemesManager.checkMarkNoBorderIcon
                    }
                    Text {
                        id: label
                        x: 25
                        anchors.verticalCenter: parent.verticalCenter
                        text: row.modelData
                        font.pixelSize: 12
                        font.family: PelvaneThemesManager.defaultNormalFontFamily
                        font.bold: row.current
                        color: row.current ? PelvaneThemesManager.selectedTextColor : PelvaneThemesManager.buttonTextColor
                    }
                    MouseArea {
                        anchors.fill: parent
                        enabled: row.index >= LocalizationController.English
                        cursorShape: Qt.PointingHandCursor
                        onClicked: picker.choose(row.index)
                    }
                }
            }
        }
    }
}
