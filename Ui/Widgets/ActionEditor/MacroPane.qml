import QtQuick
import QtQuick.Controls
import PelvaneApp 1.0
import "qrc:/Ui/Actions"
import "qrc:/Ui/Widgets"
import "qrc:/Ui/Widgets/BaseWidgets"

// The macros: which one the binding runs, their names, and each macro's groups of steps.
Column {
    id: pane

    property bool shown: false
    // Every change of the macros renews their names, and may rebuild their controllers:
    // the pane asks again for the name in the picker's row of the new list.
    readonly property QtObject currentMacro: shown && picker.currentIndex >= 0 ? appController.getMacroController(appController.listMacroNames[picker.currentIndex] ?? "") : null
    property int selectedGroupIndex: -1
    property QtObject selectedStep: null
    readonly property QtObject selectedGroup: currentMacro && selectedGroupIndex >= 0 ? currentMacro.listMacroGroupControllers[selectedGroupIndex] ?? null : null

    // A refusal shown over everything, the input alert (if any) staying open beneath.
    function refuse(title) {
        Alerts.notice(title, Strings.confirmAlertTxt, 9999)
    }

    function isTaken(name) {
        return appController.listMacroNames.indexOf(name) >= 0
    }

    // Saves a new macro: an empty or taken name is refused and the input stays open.
    function addMacro(name) {
        if (name === "")
            return refuse(Strings.fieldIsEmptyText)
        if (isTaken(name))
            return refuse(Strings.macroNameAlreadyExists)
        Alerts.close()
        appController.addMacro(name)
    }

    function renameMacro(oldName, name) {
        if (name === "")
            return refuse(Strings.fieldIsEmptyText)
        Alerts.close()
        if (isTaken(name))
            return refuse(Strings.macroNameAlreadyExists)
        appController.renameMacro(oldName, name)
    }

    function askName(title, text, saveLabel, cancelLabel, save) {
        Alerts.show(Alerts.record(UiActionsTypes.alertBoxTypeTextInput, title, [Alerts.button(saveLabel, save), Alerts.closeButton(cancelLabel, true)], {
                                      "alertInputText": text
                                  }))
    }

    function askNew() {
        askName(Strings.addMacroText, "", Strings.saveText, Strings.cancelBtnLabel, addMacro)
    }

    function askRename() {
        var oldName = currentMacro.name
        askName(Strings.addMacroText, oldName, Strings.yesLabel, Strings.noLabel, function (name) {
            renameMacro(oldName, name)
        })
    }

    function askDelete() {
        var name = currentMacro.name
        Alerts.show(Alerts.record(UiActionsTypes.alertBoxTypeNormal, Strings.deleteMacroText, [Alerts.button(Strings.yesLabel, function () {
            Alerts.close()
            appController.deleteMacro(name)
        }), Alerts.closeButton(Strings.noLabel, true)]))
    }

    function selectGroup(index) {
        selectedGroupIndex = index
        var group = currentMacro.listMacroGroupControllers[index]
        var steps = group ? group.listMacroGroupActionControllers : []
        selectedStep = steps.length > 0 ? steps[steps.length - 1] : null
    }

    function addStep() {
        var group = selectedGroup
        group.generateNewMacroActionInEdit()
        mainWindow.showMacroActionWindow(group.editMacroAction, group)
    }

    // A rebuild of the same macro keeps the selected group; its steps are new objects.
    property string shownMacroName: ""
    onCurrentMacroChanged: {
        var name = currentMacro ? currentMacro.name : ""
        if (name !== shownMacroName)
            selectedGroupIndex = -1
        shownMacroName = name
        selectedStep = null
    }

    // Tight enough that the comment field stands in the panel without scrolling.
    spacing: 6

    PaneText {
        isTitle: true
        text: Strings.macroTitleText
    }
    Row {
        width: parent.width
        spacing: parent.width * 0.08
        // At the panes' size, on two lines beside the picker where the language's words
        // are long; set close, so that the comment field still stands in the panel.
        PaneText {
            objectName: "macroSelectionLabel"
            anchors.verticalCenter: parent.verticalCenter
            width: pane.width * 0.22
            wrapMode: Text.Wrap
            lineHeightMode: Text.FixedHeight
            lineHeight: 14
            maximumLineCount: 2
            elide: Text.ElideRight
            text: Strings.macroSelectionText
        }
        PelvaneActionComboBox {
            id: picker
            objectName: "macroPicker"
            anchors.verticalCenter: parent.verticalCenter
            width: pane.width * 0.69
            height: 24
            model: appController.listMacroNames
            onActivated: index => appController.listMacroNameIndex = index
            // A new list resets the box's own index: it follows the controller's again.
            onModelChanged: currentIndex = appController.listMacroNameIndex
            Component.onCompleted: currentIndex = appController.listMacroNameIndex
            Connections {
                target: appController
                function onListMacroNameIndexUpdated() {
                    picker.currentIndex = appController.listMacroNameIndex
                }
            }
        }
    }
    Row {
        width: parent.width
        spacing: 10
        MacroButton {
            objectName: "newMacroButton"
            text: Strings.newText
            onClicked: pane.askNew()
        }
        MacroButton {
            objectName: "renameMacroButton"
            text: Strings.renameText
            disabled: !pane.currentMacro
            onClicked: pane.askRename()
        }
        MacroButton {
            objectName: "deleteMacroButton"
            text: Strings.deleteText
            disabled: !pane.currentMacro
            onClicked: pane.askDelete()
        }
    }
    PaneText {
        text: Strings.actionSequenceText
    }
    Rectangle {
        width: parent.width
        height: Math.max(100, (pane.parent ? pane.parent.height : 0) * 0.28)
        color: PelvaneThemesManager.mainBackgroundColor
        border.color: PelvaneThemesManager.pelvaneG4Color
        radius: 10
        clip: true

        Flickable {
            id: sequence
            anchors.fill: parent
            anchors.margins: 6
            contentHeight: groups.height
            boundsBehavior: Flickable.StopAtBounds

            Column {
                id: groups
                width: sequence.width
                Repeater {
                    model: pane.currentMacro ? pane.currentMacro.listMacroGroupControllers : []
                    delegate: PelvaneDraggableItem {
                        id: groupRow
                        required property var modelData
                        objectName: "macroGroup" + index
                        draggedItemParent: sequence
                        onMoveItemRequested: (from, to) => pane.currentMacro.moveGroupFromToIndex(from, to)
                        onClickItem: pane.selectGroup(index)
                        MacroGroupRow {
                            width: groups.width
                            group: groupRow.modelData
                            groupIndex: groupRow.index
                            selected: pane.selectedGroupIndex === groupRow.index
                            hovered: groupRow.hoverStatus
                            dragged: groupRow.dragActive
                            selectedStep: pane.selectedStep
                            onGroupClicked: pane.selectGroup(groupRow.index)
                            onStepClicked: step => {
                                               pane.selectedGroupIndex = groupRow.index
                                               pane.selectedStep = step
                                           }
                        }
                    }
                }
            }
        }
    }
    Row {
        width: parent.width
        spacing: 10
        GroupButton {
            objectName: "addGroupButton"
            text: Strings.addGroupText
            disabled: !pane.currentMacro
            onClicked: pane.currentMacro.addNewMacroGroup()
        }
        GroupButton {
            objectName: "deleteGroupButton"
            text: Strings.delGroupText
            disabled: !pane.selectedGroup
            onClicked: {
                pane.currentMacro.deleteMacroGroup(pane.selectedGroupIndex)
                pane.selectedGroupIndex = -1
                pane.selectedStep = null
            }
        }
        GroupButton {
            objectName: "addStepButton"
            text: Strings.addActionText
            disabled: !pane.selectedGroup
            onClicked: pane.addStep()
        }
        GroupButton {
            objectName: "removeStepButton"
            text: Strings.removeActionText
            disabled: !pane.selectedStep || !pane.selectedGroup
            onClicked: {
                pane.selectedGroup.deleteActionController(pane.selectedStep)
                pane.selectedStep = null
            }
        }
    }

    component MacroButton: PelvaneActionButton {
        width: (pane.width - 20) * 0.32
        height: 24
    }
    component GroupButton: PelvaneActionButton {
        width: (pane.width - 30) / 4
        height: 24
    }
}
