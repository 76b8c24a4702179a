import QtQuick
import PelvaneApp 1.0
import "qrc:/Ui/Actions"
import "qrc:/Ui/Widgets"
import "qrc:/Ui/Widgets/BaseWidgets"

// The maker's account: sign-in (by e-mail, Microsoft or Google) while signed out, the
// account's details and its actions while signed in. Account fields are shown as typed.
NoticeFrame {
    id: popup

    property QtObject authController: typeof mainWindow !== "undefined" ? mainWindow.authController ?? null : null
    property QtObject authAccount: authController ? authController.authAccount : null
    property QtObject configSyncController: typeof mainWindow !== "undefined" ? mainWindow.configSyncController ?? null : null
    readonly property bool signedIn: authAccount ? authAccount.valid : false
    // True while another screen (the connect screen at the start) covers the popup: what
    // moves on it stands still meanwhile, since nobody sees it.
    property bool covered: false

    // Said when the browser's answer could not be received: another program holds the port.
    function showSignInCannotStart() {
        Alerts.show(Alerts.record(UiActionsTypes.alertBoxTypeNormal, Strings.signInCannotStartText.arg(authController.signInPort), [Alerts.button(Strings.confirmationButtonText, function () {
            Alerts.close()
        })]))
    }

    function login(provider) {
        if (!authController.login(emailField.inputText, provider))
            showSignInCannotStart()
    }

    function registerAccount() {
        if (!authController.startRegister(emailField.inputText, ""))
            showSignInCannotStart()
    }

    function askDeleteAccount() {
        Alerts.show(Alerts.record(UiActionsTypes.alertBoxTypeNormal, Strings.deleteAccountConfirmQuestion, [Alerts.button(Strings.yesLabel, function () {
            Alerts.close()
            popup.authController.deleteAccount()
            popup.authController.logout()
        }), Alerts.closeButton(Strings.noLabel)]))
    }

    contentWidth: 375 + 50
    // Whole pixels, so that the centred panel and what it holds lie on them.
    contentHeight: Math.ceil(signedIn ? details.height : signIn.height) + 50

    PelvaneIconButton {
        objectName: "accountCloseIcon"
        anchors.right: parent.right
        width: 15
        height: 15
        normalSource: PelvaneThemesManager.closeIcon
        accessibleName: Strings.closeLabel
        onClicked: mainWindow.closeLoginWindow()
    }

    Column {
        id: signIn
        objectName: "signInView"
        x: 25
        y: 25
        width: 375
        spacing: 10
        visible: !popup.signedIn

        Item {
            // Whole pixels, so that the badge at its top right corner is on them too.
            width: Math.round(parent.width * 0.7)
            height: logo.height
            anchors.horizontalCenter: parent.horizontalCenter
            // Decoded at once: the popup takes its height from it.
            ScaledImage {
                id: logo
                availableWidth: parent.width
                asynchronous: false
                source: PelvaneThemesManager.imagesFolder + "pelvane_logo_black.png"
            }
            // The badge is drawn once into a layer, and rocking turns that picture: turned
            // text and rounded corners would otherwise each need a drawing program of their
            // own for a few frames every 2 s. A clear pixel around the label keeps the
            // turned edges smooth. At rest the picture lies on whole pixels, drawn as it was
            // made: one on fractions would be smoothed over two, its text blurred.
            Item {
                id: onlineBadge
                objectName: "onlineBadge"
                anchors.right: parent.right
                anchors.top: parent.top
                anchors.rightMargin: -1
                anchors.topMargin: -1
                width: badgeLabel.width + 2
                height: badgeLabel.height + 2
                layer.enabled: true
                layer.smooth: true
                Rectangle {
                    id: badgeLabel
                    objectName: "onlineBadgeLabel"
                    x: 1
                    y: 1
                    width: Math.ceil(onlineText.implicitWidth) + 10
                    height: Math.ceil(onlineText.implicitHeight) + 4
                    radius: 4
                    color: "#8016dd"
                    Text {
                        id: onlineText
                        anchors.centerIn: parent
                        // A mark, not a sentence: the same in every language.
                        text: "Online"
                        color: "white"
                        font.pixelSize: 9
                        font.family: PelvaneThemesManager.defaultNormalFontFamily
                    }
                }
                // The badge rocks every 2 s while a user can see it. The pause is a timer's,
                // not an animation's, so that nothing redraws the window between rocks.
                readonly property bool rocking: popup.visible && !popup.covered && !popup.signedIn
                onRockingChanged: rocking ? rock.restart() : onlineBadge.stopRocking()
                Component.onCompleted: if (rocking)
                                           rock.start()

                function stopRocking() {
                    rock.stop()
                    rockPause.stop()
                    rotation = 0
                }

                Timer {
                    id: rockPause
                    interval: 2000
                    onTriggered: if (onlineBadge.rocking)
                                     rock.start()
                }

                SequentialAnimation on rotation {
                    id: rock
                    running: false
                    onFinished: rockPause.start()
                    NumberAnimation {
                        to: 15
                        duration: 100
                    }
                    NumberAnimation {
                        to: -15
                        duration: 200
                    }
                    NumberAnimation {
                        to: 15
                        duration: 200
                    }
                    NumberAnimation {
                        to: 0
                        duration: 100
                    }
                }
            }
        }
        PelvaneInputField {
            id: emailField
            objectName: "emailField"
            width: parent.width
            height: 30
            placeHolderText: Strings.emailText
            onReturnPressed: popup.login("")
        }
        Text {
            objectName: "forgotPasswordLink"
            text: "<a href=\"reset\">" + Strings.forgotPass + "</a>"
            textFormat: Text.RichText
            font.pixelSize: 12
            font.family: PelvaneThemesManager.defaultNormalFontFamily
            onLinkActivated: popup.authController.resetPass()
        }
        Row {
            spacing: 10
            AccountButton {
                objectName: "loginButton"
                btnText: Strings.loginText
                onPressed: popup.login("")
            }
            AccountButton {
                objectName: "registerButton"
                btnText: Strings.createNewAccountText
                onPressed: popup.registerAccount()
            }
        }
        Text {
            text: Strings.orSignInWithText
            font.pixelSize: 12
            font.family: PelvaneThemesManager.defaultNormalFontFamily
            color: PelvaneThemesManager.descriptionGreyColor
        }
        Row {
            spacing: 10
            AccountButton {
                objectName: "microsoftButton"
                btnText: Strings.microsoftText
                onPressed: popup.login("microsoft")
            }
            AccountButton {
                objectName: "googleButton"
                btnText: Strings.googleText
                onPressed: popup.login("google")
            }
        }
        Column {
            anchors.right: parent.right
            HyperLinkText {
                anchors.right: parent.right
                text: Strings.webSitePrivacyLabel
                url: Strings.webSitePrivacyUrl
                font.pixelSize: 12
            }
            HyperLinkText {
                anchors.right: parent.right
                text: Strings.webSiteGDPRLabel
                url: Strings.webSiteGDPRUrl
                font.pixelSize: 12
            }
        }
    }

    Column {
        id: details
        objectName: "accountView"
        x: 25
        y: 25
        width: 375
        spacing: 15
        visible: popup.signedIn

        Text {
            text: Strings.accountInfoText
            font.pixelSize: 15
            font.family: PelvaneThemesManager.defaultNormalFontFamily
            color: PelvaneThemesManager.buttonTextColor
        }
        Grid {
            columns: 2
            columnSpacing: 20
            rowSpacing: 8
            Repeater {
                model: popup.authAccount ? [Strings.accountUsernameText, popup.authAccount.username, Strings.accountEmailText, popup.authAccount.email, Strings.accountFirstNameText, popup.authAccount.firstName, Strings.accountLastNameText, popup.authAccount.lastName] : []
                delegate: Text {
                    required property int index
                    required property string modelData
                    objectName: "accountField" + index
                    text: modelData
                    textFormat: Text.PlainText
                    font.pixelSize: 12
                    font.bold: index % 2 === 0
                    font.family: PelvaneThemesManager.defaultNormalFontFamily
                    color: PelvaneThemesManager.buttonTextColor
                }
            }
        }
        Item {
            width: parent.width
            height: 25 + 15
            AccountButton {
                objectName: "deleteAccountButton"
                btnText: Strings.deleteAccountText
                mainBackgroundColor: "#9c1d13"
                btnTextColor: "white"
                onPressed: popup.askDeleteAccount()
            }
            Row {
                anchors.right: parent.right
                spacing: 10
                AccountButton {
                    objectName: "syncButton"
                    visible: appController.configSyncPermission
                    btnText: Strings.syncConfigText
                    onPressed: popup.configSyncController.startSync(true)
                }
                AccountButton {
                    objectName: "logoutButton"
                    btnText: Strings.logoutText
                    onPressed: popup.authController.logout()
                }
            }
        }
    }

    component AccountButton: PelvaneButton {
        height: 25
        minWidth: 75
    }
}
