import QtQuick
import QtQuick.Controls
import PelvaneApp 1.0
import "qrc:/Ui/Actions"
import "qrc:/Ui/Widgets"
import "qrc:/Ui/Widgets/BaseWidgets"

// The program's version, software updates and configuration sync, the reset to factory
// settings, and where to find help.
Item {
    id: page

    property real lateralMargin: 0
    // The window's, made before this page: they report from the start (see CloudDialogues).
    readonly property QtObject updateController: mainWindow.cloudDialogues.updateController
    readonly property QtObject configSyncController: mainWindow.cloudDialogues.configSyncController
    readonly property QtObject updateDialogues: mainWindow.cloudDialogues.updateDialogues

    function askResetToFactory() {
        Alerts.show(Alerts.record(UiActionsTypes.alertBoxTypeNormal, Strings.resetToDefaultQ, [Alerts.button(Strings.yesLabel, function () {
            appController.clearAllPreferences()
            Alerts.close()
            Alerts.notice(Strings.resetConfirmationText, Strings.confirmationButtonText)
        }), Alerts.closeButton(Strings.noLabel)]))
    }

    Flickable {
        anchors.top: parent.top
        anchors.bottom: help.top
        anchors.bottomMargin: 20
        width: parent.width - page.lateralMargin
        clip: true
        contentHeight: column.height
        boundsBehavior: Flickable.StopAtBounds

        Column {
            id: column
            width: parent.width

            Item {
                width: 1
                height: 50
            }
            PageTitle {
                text: Strings.aboutAndSupportLabel
            }
            Item {
                width: 1
                height: 30
            }
            Row {
                height: 26
                spacing: 15
                Text {
                    id: versionText
                    objectName: "versionText"
                    anchors.verticalCenter: parent.verticalCenter
                    // The system this build runs on, then the driver's version.
                    text: " Linux " + Strings.driverDescription.arg(appController ? appController.appVersion : "0.0.0")
                    font.pixelSize: 16
                    font.family: PelvaneThemesManager.defaultNormalFontFamily
                    color: PelvaneThemesManager.descriptionGreyColor
                    ToolTip.visible: versionHover.hovered
                    ToolTip.text: "Build no: " + (appController ? appController.buildVersion : "-")
                    HoverHandler {
                        id: versionHover
                    }
                }
                PelvaneButton {
                    objectName: "checkUpdatesButton"
                    height: 25
                    minWidth: 180
                    btnText: Strings.checkForUpdatesLabel
                    onPressed: page.updateDialogues.startCheck()
                }
            }
            Item {
                width: 1
                height: 24
            }
            Text {
                text: Strings.troubleshootLabel
                font.pixelSize: 20
                font.family: PelvaneThemesManager.defaultNormalFontFamily
                color: PelvaneThemesManager.titleRedColor
            }
            Item {
                width: 1
                height: 15
            }
            PelvaneButton {
                objectName: "resetFactoryButton"
                height: 25
                minWidth: 180
                btnText: Strings.resetToFactoryBtnLabel
                onPressed: page.askResetToFactory()
            }
            Item {
                width: 1
                height: 90
            }
        }
    }

    Column {
        id: help
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 70
        spacing: 10

        HyperLinkText {
            text: Strings.hereToHelpLabel
            url: Strings.webSiteUrlSupport
            font.pixelSize: 20
            normalColor: "#707070"
            hoverColor: "#707070"
        }
        HyperLinkText {
            text: Strings.webSiteLabelSupport
            url: Strings.webSiteUrlSupport
            font.pixelSize: 16
            normalColor: PelvaneThemesManager.feedbackLinkNormalColor
            hoverColor: PelvaneThemesManager.feedbackLinkHoverColor
        }
        Item {
            width: 1
            height: 40
        }
        Row {
            spacing: 5
            HyperLinkText {
                id: feedback
                text: Strings.provideFeedbackLabel
                url: Strings.provideFeedbackEmail
                font.pixelSize: 16
                normalColor: PelvaneThemesManager.feedbackLinkNormalColor
                hoverColor: PelvaneThemesManager.feedbackLinkHoverColor
            }
            Image {
                anchors.verticalCenter: feedback.verticalCenter
                height: feedback.height * 0.7
                width: height
                fillMode: Image.PreserveAspectFit
                source: feedbackHover.hovered ? PelvaneThemesManager.feedbackIconHover : PelvaneThemesManager.feedbackIconNormal
                HoverHandler {
                    id: feedbackHover
                }
            }
        }
    }
}
