import QtQuick
import QtTest
import QuickFlux 1.1
import "qrc:/Ui/Actions"
import "qrc:/Ui/Widgets"
import "Find.js" as Find

WindowStandIn {
    id: mainWindow
    width: 1200
    height: 700

    Item {
        id: focusHolder
        focus: true
    }

    // The native side as the container sees it: the signal and the two ways back.
    QtObject {
        id: nativeAlerts
        property var calls: []
        signal showAlertToUi(string hash, int type, string title, string description, bool showClose, var buttons)
        function callbackAlertButton(hash, txt) {
            calls.push("button " + hash + " " + txt)
        }
        function callbackAlertClose(hash) {
            calls.push("close " + hash)
        }
    }

    AlertsContainer {
        id: container
        alertsController: nativeAlerts
    }

    TestCase {
        id: testCase
        name: "Alerts"
        when: windowShown

        property var pressed: []

        function show(record) {
            AppDispatcher.dispatch(UiActionsTypes.showAlertBox, {
                                       "alertBoxDetails": record
                                   })
        }

        function closeShown() {
            AppDispatcher.dispatch(UiActionsTypes.closeCurrentAlertBox)
        }

        function alert(title, z, type) {
            return {
                "alertType": type || UiActionsTypes.alertBoxTypeNormal,
                "alertTitle": title,
                "z": z,
                "alertButtons": [{
                        "txt": "Ok " + title,
                        "callbackFunc": function (value) {
                            pressed.push(title + ":" + value)
                        }
                    }, {
                        "txt": "Close",
                        "predefinedAction": "close"
                    }]
            }
        }

        function shownTitle() {
            return container.currentAlertInShow ? container.currentAlertInShow.alertTitle : ""
        }

        function pressButton(text) {
            waitForRendering(container.boxLoader.item)
            var button = Find.button(container.boxLoader.item, text)
            verify(button, "no button " + text)
            // A button acts on press; a closing one is gone before the release.
            var point = button.mapToItem(mainWindow, button.width / 2, button.height / 2)
            mousePress(mainWindow, point.x, point.y)
            mouseRelease(mainWindow, point.x, point.y)
        }

        function init() {
            failOnWarning(/.?/)
            focusHolder.forceActiveFocus()
            pressed = []
            nativeAlerts.calls = []
        }

        function cleanup() {
            while (container.currentAlertInShow !== null || container.alertBoxQueue.length > 0)
                closeShown()
        }

        function test_priorityAndOrderOfArrival() {
            show(alert("first", 0))
            show(alert("second", 0))
            compare(shownTitle(), "first")
            show(alert("urgent", 9999))
            compare(shownTitle(), "urgent")
            closeShown()
            compare(shownTitle(), "first")
            closeShown()
            compare(shownTitle(), "second")
            closeShown()
            compare(container.currentAlertInShow, null)
            verify(!container.visible)
        }

        function test_preemptedInputKeepsItsText() {
            show(alert("name", 0, UiActionsTypes.alertBoxTypeTextInput))
            verify(container.boxLoader.item.activeFocus || container.boxLoader.item.focus)
            keyClick(Qt.Key_A)
            keyClick(Qt.Key_B)
            compare(container.boxLoader.item.msgInputText, "ab")
            show(alert("error", 9999))
            compare(shownTitle(), "error")
            closeShown()
            compare(shownTitle(), "name")
            compare(container.boxLoader.item.msgInputText, "ab")
            pressButton("Ok name")
            compare(pressed, ["name:ab"])
        }

        function test_buttonsDoNotCloseByThemselves() {
            show(alert("question", 0))
            pressButton("Ok question")
            compare(pressed, ["question:undefined"])
            compare(shownTitle(), "question")
            pressButton("Close")
            compare(container.currentAlertInShow, null)
        }

        function test_escape_data() {
            return [{
                    "tag": "with a cancel button",
                    "cancel": true,
                    "stays": false
                }, {
                    "tag": "without one",
                    "cancel": false,
                    "stays": true
                }]
        }

        function test_escape(data) {
            var record = alert("escape", 0)
            record.alertButtons[1].onCancel = data.cancel
            show(record)
            keyClick(Qt.Key_Escape)
            compare(shownTitle() === "escape", data.stays)
            if (!data.stays)
                verify(focusHolder.activeFocus)
        }

        function test_progress() {
            var progress = alert("download", 0, UiActionsTypes.alertBoxTypeProgress)
            progress.alertProgress = 50
            show(progress)
            compare(container.boxLoader.item.alertProgress, 0)
            show({
                     "alertType": UiActionsTypes.alertBoxTypeProgress,
                     "alertTitle": "download",
                     "alertProgress": 42.5
                 })
            compare(container.boxLoader.item.alertProgress, 42.5)
            compare(container.alertBoxQueue.length, 0)
            closeShown()
            // An update while a question is shown is dropped.
            show(alert("question", 0))
            show({
                     "alertType": UiActionsTypes.alertBoxTypeProgress,
                     "alertTitle": "download",
                     "alertProgress": 60
                 })
            compare(shownTitle(), "question")
            compare(container.alertBoxQueue.length, 0)
            verify(container.boxLoader.item.alertProgress === undefined)
        }

        function test_invalidRecords_data() {
            return [{
                    "tag": "no title",
                    "record": {
                        "alertType": 1,
                        "alertTitle": "",
                        "closeBtnVisible": true
                    },
                    "accepted": false
                }, {
                    "tag": "no type",
                    "record": {
                        "alertType": 0,
                        "alertTitle": "t",
                        "closeBtnVisible": true
                    },
                    "accepted": false
                }, {
                    "tag": "no button and no cross",
                    "record": {
                        "alertType": 1,
                        "alertTitle": "t",
                        "closeBtnVisible": false,
                        "alertButtons": []
                    },
                    "accepted": false
                }, {
                    "tag": "no button but the cross",
                    "record": {
                        "alertType": 1,
                        "alertTitle": "t",
                        "alertButtons": []
                    },
                    "accepted": true
                }, {
                    "tag": "an unknown type shows no box",
                    "record": {
                        "alertType": 7,
                        "alertTitle": "t"
                    },
                    "accepted": true
                }]
        }

        function test_invalidRecords(data) {
            show(data.record)
            compare(container.currentAlertInShow !== null, data.accepted)
            AppDispatcher.dispatch(UiActionsTypes.showAlertBox, {})
            compare(container.alertBoxQueue.length, 0)
        }

        function test_nativeAlerts() {
            nativeAlerts.showAlertToUi("hash1", 1, "native", "", true, [{
                                                                          "txt": "Retry",
                                                                          "onCancel": false,
                                                                          "predefinedAction": ""
                                                                      }])
            compare(shownTitle(), "native")
            compare(container.currentAlertInShow.alertHash, "hash1")
            pressButton("Retry")
            compare(nativeAlerts.calls, ["button hash1 Retry"])
            closeShown()
            compare(nativeAlerts.calls, ["button hash1 Retry", "close hash1"])
        }

        // Another alert queued behind the one in show leaves its Escape button and the item
        // to give the keyboard back to in place.
        function test_escapeWithAnotherQueued() {
            var record = alert("escape", 0)
            record.alertButtons[1].onCancel = true
            show(record)
            show(alert("behind", 0))
            compare(shownTitle(), "escape")
            keyClick(Qt.Key_Escape)
            compare(shownTitle(), "behind")
            pressButton("Close")
            compare(shownTitle(), "")
            verify(focusHolder.activeFocus)
        }

        // Closed by a button, an alert gives the keyboard back too.
        function test_closeGivesTheKeyboardBack() {
            show(alert("question", 0))
            verify(!focusHolder.activeFocus)
            pressButton("Close")
            verify(focusHolder.activeFocus)
        }

        // The close callback runs while its alert is still the one in show, before the next.
        function test_closeCallbackRunsFirst() {
            var record = alert("first", 0)
            var seen = []
            record.alertCloseCallback = function () {
                seen.push(shownTitle())
                seen.push(container.boxLoader.item !== null)
            }
            show(record)
            show(alert("second", 0))
            closeShown()
            compare(seen, ["first", true])
            compare(shownTitle(), "second")
        }

        // A record names the alert to close, shown or queued; another in show is left alone.
        function test_closeAndUpdateByRecord() {
            var shown = alert("shown", 0)
            var queued = alert("queued", 0)
            var closed = []
            queued.alertCloseCallback = function () {
                closed.push("queued")
            }
            show(shown)
            show(queued)
            AppDispatcher.dispatch(UiActionsTypes.closeCurrentAlertBox, {
                                       "alertBoxDetails": queued
                                   })
            compare(shownTitle(), "shown")
            compare(container.alertBoxQueue.length, 0)
            compare(closed, ["queued"])
            shown.alertTitle = "shown again"
            AppDispatcher.dispatch(UiActionsTypes.updateAlertBox, {
                                       "alertBoxDetails": shown
                                   })
            compare(container.boxLoader.item.msgTitleText, "shown again")
            AppDispatcher.dispatch(UiActionsTypes.closeCurrentAlertBox, {
                                       "alertBoxDetails": shown
                                   })
            compare(container.currentAlertInShow, null)
        }
    }
}
