import QtQuick
import PelvaneApp 1.0
import "qrc:/Ui/Widgets/BaseWidgets"

// What the program may do on its own: download and install updates, synchronise the
// configuration, check for updates, and how often.
NoticeFrame {
    id: settings

    property QtObject appController: null
    property real containerWidth: 0
    property real containerHeight: 0
    readonly property real rowHeight: 52
    readonly property var toggles: [[Strings.allowDownloadWithoutPermissionLabel, "downloadPermission"], [Strings.allowInstallWithoutPermissionLabel, "installPermission"], [Strings.configSyncPermissionLabel, "configSyncPermission"], [Strings.allowCheckForUpdatesWithoutPermissionLabel, "checkUpdatesPermission"]]

    contentWidth: Math.max(500, containerWidth)
    contentHeight: grid.height + 40
    padding: 0

    PelvaneIconButton {
        objectName: "settingsCloseIcon"
        anchors.right: parent.right
        anchors.rightMargin: 10
        y: 10
        width: 20
        height: 20
        normalSource: PelvaneThemesManager.closeIcon
        hoverSource: PelvaneThemesManager.closeIconBlack
        accessibleName: Strings.closeLabel
        onClicked: mainWindow.hideSettingsWindow()
    }

    Column {
        id: grid
        x: 20
        y: 30
        width: settings.contentWidth - 40
        readonly property real controlWidth: Math.max(60, width * 0.2)

        Repeater {
            model: settings.toggles
            delegate: SettingRow {
                id: toggleRow
                required property int index
                required property var modelData
                label: modelData[0]
                PelvaneToggle {
                    objectName: "settingToggle_" + toggleRow.modelData[1]
                    anchors.verticalCenter: parent.verticalCenter
                    height: settings.rowHeight * 0.57 * 0.5
                    width: height * 2 + 28
                    showOnOff: true
                    accessibleName: toggleRow.label
                    isToggled: settings.appController ? settings.appController[toggleRow.modelData[1]] : false
                    onPressed: settings.appController[toggleRow.modelData[1]] = !settings.appController[toggleRow.modelData[1]]
                }
            }
        }
        SettingRow {
            label: Strings.checkForUpdatesIntervalLabel
            PelvaneComboBox {
                objectName: "updateIntervalCombo"
                anchors.verticalCenter: parent.verticalCenter
                width: grid.controlWidth * 0.75 + 40
                height: 30
                maxPopupItems: 4
                scrollBarAlwaysVisible: true
                model: settings.appController ? settings.appController.checkUpdatesIntervals : []
                currentIndex: settings.appController ? settings.appController.checkUpdatesInterval : -1
                onActivated: index => settings.appController.checkUpdatesInterval = index
            }
        }
        Item {
            width: 1
            height: settings.rowHeight / 2
        }
    }

    // A label on the left, its control in the right column.
    component SettingRow: Item {
        property alias label: labelText.text
        default property alias control: controlBox.data
        width: grid.width
        height: settings.rowHeight

        Text {
            id: labelText
            width: parent.width - controlBox.width - 10
            height: parent.height
            verticalAlignment: Text.AlignVCenter
            wrapMode: Text.WordWrap
            fontSizeMode: Text.Fit
            minimumPixelSize: 5
            font.pixelSize: 15
            font.family: PelvaneThemesManager.defaultNormalFontFamily
            color: PelvaneThemesManager.textColorTabs
        }
        Item {
            id: controlBox
            anchors.right: parent.right
            width: Math.max(grid.controlWidth, childrenRect.width)
            height: parent.height
        }
    }
}
