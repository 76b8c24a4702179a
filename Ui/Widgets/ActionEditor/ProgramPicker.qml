import QtQuick
import QtQuick.Dialogs
import QtCore
import PelvaneApp 1.0
import "qrc:/Ui/Widgets/BaseWidgets"
import "FileUrl.js" as FileUrl

// A program to run: its path, typed or chosen in a file dialog, and its arguments. Programs
// here have no extension, so the dialog shows every file.
Column {
    id: picker

    property alias path: pathField.inputText
    property alias arguments: argumentsField.inputText
    property bool showArguments: true

    // Takes the dialog's choice; a URL of any scheme but "file" leaves the path as it is.
    function acceptUrl(url) {
        var local = FileUrl.toLocalPath(url)
        if (local !== null)
            path = local
    }

    width: parent ? parent.width : 0
    spacing: 8

    Row {
        width: parent.width
        spacing: parent.width * 0.02
        PelvaneInputField {
            id: pathField
            objectName: "programPathField"
            width: picker.width * 0.79
            height: 24
            placeHolderText: Strings.programPathToRun
        }
        PelvaneActionButton {
            objectName: "browseButton"
            width: picker.width * 0.19
            height: 24
            text: Strings.browseLabel
            onClicked: dialog.open()
        }
    }
    PelvaneInputField {
        id: argumentsField
        objectName: "programArgumentsField"
        visible: picker.showArguments
        width: parent.width
        height: 24
        placeHolderText: Strings.programArguments
    }

    FileDialog {
        id: dialog
        objectName: "programDialog"
        title: Strings.choseAnApp
        currentFolder: StandardPaths.writableLocation(StandardPaths.HomeLocation)
        onAccepted: picker.acceptUrl(selectedFile)
    }
}
