import QtQuick
import PelvaneApp 1.0
import "qrc:/Ui/Widgets"
import "qrc:/Ui/Widgets/BaseWidgets"
import "qrc:/Ui/Widgets/ActionEditor"

// A new program configuration: a name and the program it applies to. A refused name or
// program stays in the dialog with the reason under its field.
Item {
    id: dialog

    // The reasons the store gives for refusing a configuration, summed.
    readonly property int nameTaken: 2
    readonly property int pathTaken: 4
    readonly property int fieldEmpty: 8
    property int refusal: 0

    function resetToDefault() {
        nameField.inputText = ""
        program.path = ""
        refusal = 0
    }

    function apply() {
        refusal = 0
        var name = nameField.inputText
        var result = appController.addApplicationContextConfiguration(name, program.path)
        if (result === 0) {
            appController.selectedAppContext = name
            mainWindow.hideAddNewAppConfigurationContextWindow()
            return
        }
        refusal = result
    }

    Rectangle {
        anchors.fill: parent
        color: PelvaneThemesManager.buttonsWindowActionsSelectionOverlay
        opacity: 0.75
        WindowMouseControl {
            anchors.fill: parent
            preventStealing: true
        }
    }

    Rectangle {
        id: panel
        anchors.centerIn: parent
        width: 450 + 100
        height: 240
        radius: 20
        color: PelvaneThemesManager.buttonsWindowActionsSelection
        border.width: 1
        border.color: PelvaneThemesManager.btnDropShadowColor

        MouseArea {
            anchors.fill: parent
        }

        Column {
            x: 50
            y: 24
            width: 450
            spacing: 6

            PaneText {
                text: Strings.configDetails
            }
            PelvaneInputField {
                id: nameField
                objectName: "configNameField"
                width: parent.width
                height: 30
                placeHolderText: Strings.configName
            }
            ErrorText {
                objectName: "nameError"
                visible: (dialog.refusal & (dialog.nameTaken | dialog.fieldEmpty)) !== 0
                text: (dialog.refusal & dialog.fieldEmpty) !== 0 ? Strings.fieldIsEmptyText : Strings.configNameAlreadyExists
            }
            ProgramPicker {
                id: program
                showArguments: false
            }
            ErrorText {
                objectName: "pathError"
                visible: (dialog.refusal & dialog.pathTaken) !== 0
                text: Strings.configPathAlreadyExists
            }
        }

        PelvaneButton {
            objectName: "contextApplyButton"
            x: panel.width / 2 - 10 - width
            y: panel.height - 24 - height
            width: 170
            height: 30
            autoResize: false
            btnText: Strings.applyText
            mainBackgroundColor: PelvaneThemesManager.productsSelectedBarBackgroundColor
            onPressed: dialog.apply()
        }
        PelvaneButton {
            objectName: "contextCancelButton"
            x: panel.width / 2 + 10
            y: panel.height - 24 - height
            width: 170
            height: 30
            autoResize: false
            btnText: Strings.cancelBtnLabel
            onPressed: mainWindow.hideAddNewAppConfigurationContextWindow()
        }
        PelvaneIconButton {
            objectName: "contextCloseIcon"
            anchors.right: parent.right
            anchors.rightMargin: 15
            y: 15
            width: 15
            height: 15
            normalSource: PelvaneThemesManager.closeIcon
            hoverSource: PelvaneThemesManager.closeIconBlack
            accessibleName: Strings.closeLabel
            onClicked: mainWindow.hideAddNewAppConfigurationContextWindow()
        }
    }

    component ErrorText: Text {
        width: parent.width
        font.pixelSize: 11
        font.family: PelvaneThemesManager.defaultNormalFontFamily
        color: PelvaneThemesManager.titleRedColor
    }
}
