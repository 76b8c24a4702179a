import QtQuick
import QtQuick.Controls.Basic
import PelvaneApp 1.0
import "qrc:/Ui/Actions"
import "qrc:/Ui/Widgets"
import "qrc:/Ui/Widgets/BaseWidgets"

// The profiles of the selected controller: apply one, edit (rename, delete) one, or create
// a new one. Names are asked for in alerts and checked before they reach the controller.
Rectangle {
    id: menu

    readonly property QtObject appController: mainWindow.appController
    readonly property QtObject deviceController: mainWindow.selectedDeviceController
    property int expandedIndex: -1

    function collapse() {
        expandedIndex = -1
    }

    // Whether a name may be given to a profile. An empty or blank name is answered over
    // the open question, which keeps what was typed; a reserved or taken name closes it.
    function acceptedProfileName(name) {
        if (!deviceController)
            return false
        if (name.trim() === "") {
            Alerts.notice(Strings.fieldIsEmptyText, Strings.confirmAlertTxt, 9999)
            return false
        }
        var refusal = name === "default" ? Strings.defaultProfileIsReserved : deviceController.profilesNames.indexOf(name) >= 0 ? Strings.profileNameAlreadyExists : ""
        if (refusal !== "") {
            Alerts.close()
            Alerts.notice(refusal, Strings.confirmAlertTxt)
            return false
        }
        return true
    }

    function askProfileName(initialName, use) {
        Alerts.show(Alerts.record(UiActionsTypes.alertBoxTypeTextInput, Strings.addProfileText, [Alerts.button(Strings.yesLabel, function (name) {
            if (menu.acceptedProfileName(name)) {
                Alerts.close()
                use(name)
            }
        }), Alerts.closeButton(Strings.noLabel, true)], {
                                      "alertInputText": initialName
                                  }))
    }

    function createProfile() {
        askProfileName("", function (name) {
            menu.appController.addProfile(name)
        })
    }

    function editProfile(profile) {
        var key = profile.profileKey
        var name = profile.name
        Alerts.show(Alerts.record(UiActionsTypes.alertBoxTypeButtonList, Strings.chooseAnActionText, [Alerts.button(Strings.renameText, function () {
            Alerts.close()
            menu.askProfileName(name, function (newName) {
                menu.appController.renameProfile(key, newName)
            })
        }), Alerts.button(Strings.deleteText, function () {
            Alerts.close()
            menu.confirmDelete(key)
        })]))
    }

    function confirmDelete(key) {
        Alerts.show(Alerts.record(UiActionsTypes.alertBoxTypeNormal, Strings.deleteProfileText, [Alerts.button(Strings.yesLabel, function () {
            Alerts.close()
            // The row's place goes to the next profile, which stays folded.
            menu.collapse()
            menu.appController.deleteProfile(key)
        }), Alerts.closeButton(Strings.noLabel, true)]))
    }

    objectName: "profileMenu"
    color: PelvaneThemesManager.secondaryBackgroundColor

    Text {
        id: description
        x: 5
        y: parent.height * 0.1
        width: parent.width - 10
        height: 50
        text: Strings.profileMenuDescription
        wrapMode: Text.WordWrap
        font.italic: true
        font.pixelSize: mainWindow.calculateFontPixelSize(12)
        font.family: PelvaneThemesManager.defaultNormalFontFamily
        color: PelvaneThemesManager.pelvaneG1Color
    }

    ListView {
        id: profileList
        objectName: "profileList"
        anchors.top: description.bottom
        width: parent.width
        height: count * 30 + (menu.expandedIndex >= 0 ? 30 : 0)
        interactive: false
        Accessible.role: Accessible.List
        Accessible.name: Strings.profilesBtnLabel
        model: menu.deviceController ? menu.deviceController.availableProfiles : []

        delegate: Item {
            id: row

            required property int index
            required property QtObject modelData
            readonly property QtObject profile: modelData
            readonly property bool selected: menu.deviceController !== null && profile.profileKey === menu.deviceController.selectedProfileKey
            readonly property bool expanded: menu.expandedIndex === index

            objectName: "profileRow" + index
            width: profileList.width
            height: expanded ? 60 : 30
            // For assistive technology a row named by its profile, selected while in use;
            // pressing it opens its actions as a click does.
            Accessible.role: Accessible.ListItem
            Accessible.name: profile.name
            Accessible.selectable: true
            Accessible.selected: selected
            Accessible.onPressAction: if (!row.selected)
                                          menu.expandedIndex = row.index

            PelvaneShadow {
                anchors.fill: rowBackground
                source: rowBackground
                visible: row.expanded
                verticalOffset: 3
                radius: 10
                samples: 11
                color: "black"
            }

            Rectangle {
                id: rowBackground
                anchors.fill: parent
                color: row.expanded ? PelvaneThemesManager.mainBackgroundColor : rowArea.containsMouse ? PelvaneThemesManager.pelvanePurpleColor : "transparent"
            }

            Image {
                x: 25
                y: 3
                width: 24
                height: 24
                visible: row.selected
                source: PelvaneThemesManager.checkMarkNoBorderIcon
                Accessible.role: Accessible.Graphic
                Accessible.name: Strings.selectProfilesLabel
            }

            Text {
                x: 55
                height: 30
                width: parent.width - x - 5
                verticalAlignment: Text.AlignVCenter
                elide: Text.ElideRight
                text: row.profile.name
                textFormat: Text.PlainText
                font.pixelSize: mainWindow.calculateFontPixelSize(12)
                font.family: PelvaneThemesManager.defaultNormalFontFamily
                color: rowArea.containsMouse && !row.expanded ? "white" : PelvaneThemesManager.buttonTextColor
            }

            MouseArea {
                id: rowArea
                width: parent.width
                height: 30
                hoverEnabled: true
                onClicked: if (!row.selected)
                               menu.expandedIndex = row.index
            }

            Rectangle {
                visible: row.expanded
                y: 30
                width: parent.width
                height: 1
                color: PelvaneThemesManager.actionButtonsBorder
            }

            Row {
                visible: row.expanded
                y: 31
                x: 10
                width: parent.width - 20
                height: 29
                spacing: 5

                ProfileAction {
                    visible: !row.profile.isDefault
                    width: parent.width * 0.4
                    text: Strings.editProfile
                    onClicked: menu.editProfile(row.profile)
                }
                ProfileAction {
                    visible: !row.selected
                    width: parent.width * 0.55
                    text: Strings.applyToController
                    onClicked: {
                        var isDefault = row.profile.isDefault
                        menu.appController.setActiveProfile(row.profile.profileKey)
                        if (isDefault)
                            menu.collapse()
                    }
                }
            }
        }
    }

    PelvaneButton {
        objectName: "createProfileButton"
        x: 25
        anchors.top: profileList.bottom
        anchors.topMargin: 5
        autoResize: false
        width: parent.width * 0.7
        height: 24
        btnText: Strings.createNewProfile
        disabled: menu.deviceController === null
        onPressed: menu.createProfile()
    }
}
