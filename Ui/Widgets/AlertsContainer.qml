import QtQuick
import QuickFlux 1.1
import "qrc:/Ui/Actions"

// Shows the window's alerts one at a time, highest priority (z) first. Alerts come as Flux
// actions from the documents and as signals of the native alerts controller; an alert of
// higher priority pre-empts the one in show, which returns, with its typed text, once the
// higher ones are closed.
Item {
    id: container

    property QtObject alertsController: null
    property real radius: 20
    property var alertBoxQueue: []
    property var currentAlertInShow: null
    property var escapeButton: null
    property Item focusBeforeAlert: null
    readonly property alias boxLoader: boxLoader
    readonly property var boxDocuments: ["", "qrc:/Ui/Widgets/Alerts/AlertBoxGeneric.qml", "qrc:/Ui/Widgets/Alerts/AlertBoxInputText.qml", "qrc:/Ui/Widgets/Alerts/AlertBoxButtonList.qml", "qrc:/Ui/Widgets/Alerts/AlertBoxProgress.qml"]

    function generateAlertBoxHash() {
        return "qmlalert_" + Date.now()
    }

    function isValid(record) {
        var buttons = record.alertButtons || []
        var closeVisible = record.closeBtnVisible === undefined || record.closeBtnVisible
        return record.alertType > 0 && !!record.alertTitle && (buttons.length > 0 || closeVisible)
    }

    // The queue rises in z and is shown from its end. A record waits behind the others of its
    // z (among equal z the older one is shown first); with firstOfItsZ (a pre-empted one
    // going back) it is shown before them.
    function insertSortedByZ(record, firstOfItsZ) {
        var at = alertBoxQueue.findIndex(function (queued) {
            return firstOfItsZ ? queued.z > record.z : queued.z >= record.z
        })
        alertBoxQueue.splice(at < 0 ? alertBoxQueue.length : at, 0, record)
    }

    function unloadBox() {
        boxLoader.source = ""
    }

    function addAlertBoxToQueue(record, hash) {
        if (!isValid(record)) {
            console.log("Invalid alert box to show")
            updateCurrentAlert()
            return
        }
        record.alertHash = hash
        if (record.z === undefined)
            record.z = 0
        if (currentAlertInShow !== null && record.z > currentAlertInShow.z) {
            if (boxLoader.item && boxLoader.item.msgInputText !== undefined)
                currentAlertInShow.alertInputText = boxLoader.item.msgInputText
            insertSortedByZ(currentAlertInShow, true)
            currentAlertInShow = null
            unloadBox()
        }
        insertSortedByZ(record, false)
        updateCurrentAlert()
    }

    function boxProperties(record) {
        var properties = {
            "msgTitleText": record.alertTitle,
            "buttons": record.alertButtons || [],
            "closeBtnVisible": record.closeBtnVisible,
            "radius": radius
        }
        if (record.alertType === UiActionsTypes.alertBoxTypeNormal
                || record.alertType === UiActionsTypes.alertBoxTypeTextInput)
            properties.msgDescriptionText = record.alertDescription
        if (record.alertType === UiActionsTypes.alertBoxTypeTextInput)
            properties.msgInputText = record.alertInputText
        if (record.alertType === UiActionsTypes.alertBoxTypeProgress) {
            properties.closeBtnVisible = false
            properties.alertProgress = 0
        }
        return properties
    }

    // The alert in show keeps its Escape button and the item to give the keyboard back to
    // while others are queued behind it.
    function updateCurrentAlert() {
        if (currentAlertInShow !== null)
            return
        escapeButton = null
        focusBeforeAlert = null
        if (alertBoxQueue.length === 0)
            return
        var record = alertBoxQueue.pop()
        var buttons = record.alertButtons || []
        for (var i = 0; i < buttons.length; ++i) {
            if (buttons[i].onCancel)
                escapeButton = buttons[i]
        }
        focusBeforeAlert = Window.activeFocusItem
        if (record.alertDescription === undefined)
            record.alertDescription = ""
        if (record.alertInputText === undefined)
            record.alertInputText = ""
        if (record.closeBtnVisible === undefined)
            record.closeBtnVisible = true
        currentAlertInShow = record
        var document = boxDocuments[record.alertType] || ""
        if (document === "") {
            console.log("Invalid alert box type to show")
            return
        }
        boxLoader.setSource(document, boxProperties(record))
    }

    // The close callback runs first, then the box goes and the keyboard returns to the item
    // that had it when the alert was shown, before the next alert takes it.
    function closeCurrentAlert() {
        var record = currentAlertInShow
        if (record !== null) {
            var focusItem = focusBeforeAlert
            if (typeof record.alertCloseCallback === "function")
                record.alertCloseCallback()
            if (currentAlertInShow === record) {
                currentAlertInShow = null
                unloadBox()
                if (focusItem)
                    focusItem.forceActiveFocus()
            }
        }
        updateCurrentAlert()
    }

    // Closes that alert whether it is in show or still waiting in the queue.
    function closeAlert(record) {
        if (record === currentAlertInShow)
            return closeCurrentAlert()
        var at = alertBoxQueue.indexOf(record)
        if (at < 0)
            return
        alertBoxQueue.splice(at, 1)
        if (typeof record.alertCloseCallback === "function")
            record.alertCloseCallback()
    }

    // A queued or shown alert whose record changed its title.
    function updateAlert(record) {
        if (record === currentAlertInShow && boxLoader.item)
            boxLoader.item.msgTitleText = record.alertTitle
    }

    // Escape presses the alert's cancel button, if it has one, and gives the keyboard back.
    function pressEscape() {
        if (escapeButton === null)
            return
        var button = escapeButton
        var focusItem = focusBeforeAlert
        if (typeof button.callbackFunc === "function")
            button.callbackFunc()
        else
            Alerts.close()
        if (focusItem)
            focusItem.forceActiveFocus()
    }

    function showNativeAlert(hash, type, title, description, showClose, buttons) {
        var controller = alertsController
        var records = buttons.map(function (button) {
            return {
                "txt": button.txt,
                "txtColor": button.txtColor,
                "bckColor": button.bckColor,
                "clkColor": button.clkColor,
                "onCancel": button.onCancel,
                "predefinedAction": button.predefinedAction,
                "callbackFunc": function () {
                    controller.callbackAlertButton(hash, button.txt)
                }
            }
        })
        addAlertBoxToQueue(Alerts.record(type, title, records, {
                                             "alertDescription": description,
                                             "closeBtnVisible": showClose,
                                             "z": 0,
                                             "alertCloseCallback": function () {
                                                 controller.callbackAlertClose(hash)
                                             }
                                         }), hash)
    }

    anchors.fill: parent
    visible: boxLoader.item !== null

    AppListener {
        Filter {
            type: UiActionsTypes.showAlertBox
            onDispatched: function (type, message) {
                var record = message ? message.alertBoxDetails : undefined
                if (!record) {
                    console.log("Invalid alert box to show")
                    return
                }
                if (record.alertType !== UiActionsTypes.alertBoxTypeProgress
                        || container.currentAlertInShow === null) {
                    container.addAlertBoxToQueue(record, container.generateAlertBoxHash())
                    return
                }
                // An update of the progress in show; anything else in show drops it.
                if (container.currentAlertInShow.alertType === UiActionsTypes.alertBoxTypeProgress
                        && container.boxLoader.item)
                    container.boxLoader.item.alertProgress = record.alertProgress
            }
        }
        // With a record, that alert is closed wherever it stands; without, the one in show.
        Filter {
            type: UiActionsTypes.closeCurrentAlertBox
            onDispatched: function (type, message) {
                if (message && message.alertBoxDetails)
                    container.closeAlert(message.alertBoxDetails)
                else
                    container.closeCurrentAlert()
            }
        }
        Filter {
            type: UiActionsTypes.updateAlertBox
            onDispatched: function (type, message) {
                if (message && message.alertBoxDetails)
                    container.updateAlert(message.alertBoxDetails)
            }
        }
    }

    Connections {
        target: container.alertsController
        ignoreUnknownSignals: true
        function onShowAlertToUi(hash, type, title, description, showClose, buttons) {
            container.showNativeAlert(hash, type, title, description, showClose, buttons)
        }
    }

    Loader {
        id: boxLoader
        anchors.fill: parent
        focus: item !== null
        onLoaded: item.forceActiveFocus()
        Keys.onReleased: function (event) {
            if (event.key === Qt.Key_Escape) {
                container.pressEscape()
                event.accepted = true
            }
        }
    }
}
