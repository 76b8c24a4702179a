import QtQuick
import QtQuick.Controls
import PelvaneApp 1.0
import "qrc:/Ui/Actions"
import "qrc:/Ui/Widgets"
import "qrc:/Ui/Widgets/BaseWidgets"
import "qrc:/Ui/Widgets/RichText.js" as RichText

// The bindings that apply while one program is in front: the program's configuration is
// chosen, created or deleted here, and edited on the controller's picture.
Item {
    id: page

    property real lateralMargin: 0
    readonly property QtObject profileController: appController.selectedDeviceController ? appController.selectedDeviceController.selectedProfileController : null
    readonly property bool appSpecificActive: profileController ? profileController.appSpecificActive : false
    readonly property bool contextChosen: appController.selectedAppContext !== ""

    function chooseContext(index) {
        if (index < 0) {
            appController.selectedAppContext = ""
            picker.selectNone()
        } else {
            appController.selectedAppContext = picker.textAt(index)
        }
    }

    function showContext() {
        if (appController.selectedAppContext === "")
            picker.selectNone()
        else
            picker.selectText(appController.selectedAppContext)
    }

    function askDelete() {
        var name = appController.selectedAppContext
        Alerts.show(Alerts.record(UiActionsTypes.alertBoxTypeNormal, RichText.withName(Strings.deleteConfQ, name), [Alerts.button(Strings.yesLabel, function () {
            Alerts.close()
            appController.deleteConfiguration(name)
            picker.selectNone()
        }), Alerts.closeButton(Strings.noLabel)]))
    }

    Connections {
        target: appController
        function onSelectedAppContextUpdated() {
            page.showContext()
        }
    }

    Flickable {
        anchors.fill: parent
        clip: true
        contentWidth: width
        contentHeight: column.height
        boundsBehavior: Flickable.StopAtBounds

        Column {
            id: column
            width: page.width - page.lateralMargin

            Item {
                width: 1
                height: 50
            }
            PageTitle {
                id: title
                text: Strings.applicationSpecificTitle
            }
            Item {
                width: 1
                height: 18
            }
            PageDescription {
                id: description
                text: Strings.applicationSpecificDescription
            }
            Item {
                width: 1
                height: 9
            }
            Row {
                id: pickerRow
                objectName: "pickerRow"
                width: parent.width
                height: 35
                spacing: 10

                // The picker yields what the check box and the buttons need, so that the
                // row ends at the page's margin.
                Item {
                    width: Math.min(parent.width * 0.7, parent.width - activeBoxSlot.width - newContextButton.width - deleteContextButton.width - 3 * pickerRow.spacing)
                    height: 30

                    PelvaneComboBoxSearch {
                        id: picker
                        objectName: "contextPicker"
                        anchors.fill: parent
                        displayText: Strings.selectProgram
                        noSelectionText: Strings.selectProgram
                        items: appController.appContextList
                        maxPopupHeight: column.height / 2
                        enabled: page.appSpecificActive
                        onCurrentIndexChanged: {
                            if (completed && (currentIndex < 0 ? "" : textAt(currentIndex)) !== appController.selectedAppContext)
                                page.chooseContext(currentIndex)
                        }
                        Component.onCompleted: page.showContext()
                    }
                    Rectangle {
                        anchors.fill: parent
                        visible: !page.appSpecificActive
                        color: PelvaneThemesManager.pelvaneG4Color
                        opacity: 0.5
                        MouseArea {
                            anchors.fill: parent
                        }
                    }
                }

                Item {
                    id: activeBoxSlot
                    width: 40
                    height: 30

                    PelvaneCheckBox {
                        id: activeBox
                        objectName: "appSpecificCheckBox"
                        x: 15
                        anchors.verticalCenter: parent.verticalCenter
                        width: 25
                        height: 25
                        isChecked: page.appSpecificActive
                        accessibleName: page.appSpecificActive ? Strings.appSpecificFunctionalityEnabled : Strings.appSpecificFunctionalityDisabled
                        onClicked: {
                            if (page.profileController)
                                page.profileController.appSpecificActive = !page.appSpecificActive
                        }
                        ToolTip.visible: activeHover.hovered
                        ToolTip.text: page.appSpecificActive ? Strings.appSpecificFunctionalityEnabled : Strings.appSpecificFunctionalityDisabled
                        HoverHandler {
                            id: activeHover
                        }
                    }
                }

                PelvaneButton {
                    id: newContextButton
                    objectName: "newContextButton"
                    width: 100
                    height: 25
                    autoResize: false
                    btnText: Strings.newText
                    onPressed: mainWindow.showAddNewAppConfigurationContextWindow()
                }
                PelvaneButton {
                    id: deleteContextButton
                    objectName: "deleteContextButton"
                    width: 100
                    height: 25
                    autoResize: false
                    haveShadow: true
                    btnText: Strings.deleteText
                    disabled: !page.contextChosen
                    onPressed: page.askDelete()
                }
            }
            Item {
                width: 1
                height: 5
            }
            Item {
                width: parent.width
                height: Math.max(0, page.height - 114 - title.height - description.height)

                ProductLayoutLoader {
                    objectName: "contextLayoutLoader"
                    anchors.fill: parent
                }
                Rectangle {
                    objectName: "layoutVeil"
                    anchors.fill: parent
                    visible: !page.contextChosen || !page.appSpecificActive
                    color: PelvaneThemesManager.pelvaneG4Color
                    opacity: 0.5
                    MouseArea {
                        anchors.fill: parent
                        hoverEnabled: true
                    }
                }
            }
        }
    }
}
