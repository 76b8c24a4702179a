import QtQuick
import PelvaneApp 1.0
import WhirlenUI 1.0
import "qrc:/Ui/Widgets/BaseWidgets"
import "qrc:/Ui/Widgets/ActionEditor"

// A new program configuration: a name and the program it applies to. A refused name or
// program stays in the dialog with the reason under its field.
NoticeFrame {
    id: dialog

    // The reasons the store gives for refusing a configuration, summed. The controller names
    // the bits of a taken name and a taken program, not that of an empty field.
    readonly property int nameTaken: 1 << ApplicationController.NameAlreadyExists
    readonly property int pathTaken: 1 << ApplicationController.ProgramPathAlreadyExists
    readonly property int fieldEmpty: 8
    property int refusal: 0
    // Which field an empty-field refusal is about, as they were when it was given.
    property bool nameEmpty: false
    property bool pathEmpty: false

    function resetToDefault() {
        nameField.inputText = ""
        program.path = ""
        refusal = 0
        nameEmpty = false
        pathEmpty = false
    }

    function apply() {
        refusal = 0
        var name = nameField.inputText
        var path = program.path
        var result = appController.addApplicationContextConfiguration(name, path)
        if (result === 0) {
            appController.selectedAppContext = name
            mainWindow.hideAddNewAppConfigurationContextWindow()
            return
        }
        refusal = result
        nameEmpty = (result & fieldEmpty) !== 0 && name === ""
        pathEmpty = (result & fieldEmpty) !== 0 && path === ""
    }

    contentWidth: 450 + 100
    contentHeight: 240
    padding: 0
    borderWidth: 1
    borderColor: PelvaneThemesManager.btnDropShadowColor

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
            visible: dialog.nameEmpty || (dialog.refusal & dialog.nameTaken) !== 0
            text: dialog.nameEmpty ? Strings.fieldIsEmptyText : Strings.configNameAlreadyExists
        }
        ProgramPicker {
            id: program
            showArguments: false
        }
        ErrorText {
            objectName: "pathError"
            visible: dialog.pathEmpty || (dialog.refusal & dialog.pathTaken) !== 0
            text: dialog.pathEmpty ? Strings.fieldIsEmptyText : Strings.configPathAlreadyExists
        }
    }

    PelvaneButton {
        objectName: "contextApplyButton"
        x: dialog.contentWidth / 2 - 10 - width
        y: dialog.contentHeight - 24 - height
        width: 170
        height: 30
        autoResize: false
        btnText: Strings.applyText
        mainBackgroundColor: PelvaneThemesManager.productsSelectedBarBackgroundColor
        onPressed: dialog.apply()
    }
    PelvaneButton {
        objectName: "contextCancelButton"
        x: dialog.contentWidth / 2 + 10
        y: dialog.contentHeight - 24 - height
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

    component ErrorText: Text {
        width: parent.width
        font.pixelSize: 11
        font.family: PelvaneThemesManager.defaultNormalFontFamily
        color: PelvaneThemesManager.titleRedColor
    }
}
