import QtQuick
import QtTest
import QuickFlux 1.1
import PelvaneApp 1.0
import WhirlenUI 1.0
import "qrc:/Ui/Actions"
import "qrc:/Ui/Widgets"
import "qrc:/Ui/Widgets/Overlays"

// The account popup over a recording sign-in controller (the real one would open the
// browser): which call each button makes, and account fields shown as typed.
WindowStandIn {
    id: mainWindow
    width: 1200
    height: 800

    function closeLoginWindow() {
        popup.visible = false
    }

    ApplicationController {
        id: appController
    }

    QtObject {
        id: account
        property bool valid: false
        property string username: "<b>user</b>"
        property string email: "u@example.org"
        property string firstName: "Ann"
        property string lastName: "Lee"
    }

    QtObject {
        id: auth
        property QtObject authAccount: account
        property var calls: []
        // Whether the browser's answer can be received.
        property bool canStart: true
        readonly property int signInPort: 12346
        function login(hint, provider) {
            calls.push("login " + hint + " " + provider)
            return canStart
        }
        function startRegister(hint, second) {
            calls.push("register " + hint + " " + second)
            return canStart
        }
        function resetPass() {
            calls.push("reset")
        }
        function deleteAccount() {
            calls.push("delete")
        }
        function logout() {
            calls.push("logout")
        }
    }

    PelvaneAccountPopup {
        id: popup
        anchors.fill: parent
        authController: auth
        configSyncController: null
    }

    AlertsContainer {
        id: alerts
        anchors.fill: parent
        alertsController: appController.alertsController
    }

    TestCase {
        name: "Account"
        when: windowShown

        function init() {
            failOnWarning(/.?/)
            auth.calls = []
            auth.canStart = true
            account.valid = false
            popup.visible = true
        }

        function test_signInButtons_data() {
            return [{
                    "tag": "e-mail",
                    "button": "loginButton",
                    "call": "login a@b.c "
                }, {
                    "tag": "register",
                    "button": "registerButton",
                    "call": "register a@b.c "
                }, {
                    "tag": "microsoft",
                    "button": "microsoftButton",
                    "call": "login a@b.c microsoft"
                }, {
                    "tag": "google",
                    "button": "googleButton",
                    "call": "login a@b.c google"
                }]
        }

        function test_signInButtons(data) {
            findChild(popup, "emailField").inputText = "a@b.c"
            mouseClick(findChild(popup, data.button))
            compare(auth.calls, [data.call])
            compare(alerts.currentAlertInShow, null)
        }

        function test_aSignInThatCannotStartSaysWhy_data() {
            return test_signInButtons_data()
        }

        function test_aSignInThatCannotStartSaysWhy(data) {
            auth.canStart = false
            findChild(popup, "emailField").inputText = "a@b.c"
            mouseClick(findChild(popup, data.button))
            compare(auth.calls, [data.call])
            verify(alerts.currentAlertInShow !== null)
            compare(alerts.currentAlertInShow.alertTitle, Strings.signInCannotStartText.arg(12346))
            alerts.currentAlertInShow.alertButtons[0].callbackFunc()
            tryCompare(alerts, "currentAlertInShow", null)
        }

        function test_returnInTheEmailFieldSaysWhenTheSignInCannotStart() {
            auth.canStart = false
            var field = findChild(popup, "emailField")
            field.inputText = "a@b.c"
            mouseClick(field)
            keyClick(Qt.Key_Return)
            compare(auth.calls, ["login a@b.c "])
            compare(alerts.currentAlertInShow.alertTitle, Strings.signInCannotStartText.arg(12346))
            alerts.currentAlertInShow.alertButtons[0].callbackFunc()
            tryCompare(alerts, "currentAlertInShow", null)
        }

        function test_accountShownAsTyped() {
            account.valid = true
            verify(findChild(popup, "accountView").visible)
            verify(!findChild(popup, "signInView").visible)
            var field = findChild(popup, "accountField1")
            compare(field.text, "<b>user</b>")
            compare(field.textFormat, Text.PlainText)
            mouseClick(findChild(popup, "logoutButton"))
            compare(auth.calls, ["logout"])
        }

        function test_deleteAccountAsksFirst() {
            account.valid = true
            mouseClick(findChild(popup, "deleteAccountButton"))
            compare(alerts.currentAlertInShow.alertTitle, Strings.deleteAccountConfirmQuestion)
            compare(auth.calls, [])
            alerts.currentAlertInShow.alertButtons[0].callbackFunc()
            compare(auth.calls, ["delete", "logout"])
        }
    }
}
