import QtQuick
import PelvaneApp 1.0
import "qrc:/Ui/Actions"
import "qrc:/Ui/Widgets"

// What the user sees of a software update, state by state of the update procedure.
DialoguesBase {
    id: dialogues

    readonly property int maxCheckingTicks: 10
    // The checking message while it is open (shown or waiting), else null.
    property var checkingRecord: null
    property int checkingTicks: 0
    readonly property alias checkingTimer: checkingTimer

    // The button's check: the timer starts again with every press.
    function startCheck() {
        startChecking()
        controller.checkForSoftwareUpdates()
    }

    // The label without its own closing dots, then one to three dots or none, padded with
    // blanks so that the title keeps its width.
    function checkingTitle(ticks) {
        var dots = (ticks + 1) % 4
        return Strings.checkingForUpdatesLabel.replace(/[.…]+$/, "") + ".".repeat(dots) + " ".repeat(3 - dots)
    }

    function startChecking() {
        checkingTicks = 0
        checkingTimer.restart()
        showChecking()
    }

    // The dots move in the message already open; a new one is opened only when none is.
    function showChecking() {
        var title = checkingTitle(checkingTicks)
        if (isOpen(checkingRecord)) {
            checkingRecord.alertTitle = title
            Alerts.update(checkingRecord)
            return
        }
        var record = Alerts.record(UiActionsTypes.alertBoxTypeNormal, title, [Alerts.button(Strings.cancelBtnLabel, function () {
            controller.abortSoftwareUpdate()
            dialogues.stopChecking()
        })])
        checkingRecord = record
        show(record)
    }

    function stopChecking() {
        checkingTimer.stop()
        if (isOpen(checkingRecord))
            closeRecord(checkingRecord)
        checkingRecord = null
    }

    function onState(state, progressProc) {
        if (state !== 1 && state !== 2)
            stopChecking()
        if (state !== 5) {
            // The checking message stays up from one checking state to the next.
            openRecords.filter(function (record) {
                return record !== checkingRecord
            }).forEach(closeRecord)
        }
        switch (state) {
        case 1:
        case 2:
            if (!checkingTimer.running)
                startChecking()
            break
        case 3:
            question(Strings.newSoftwareUpdateFoundWantToDownloadLabel, Strings.yesLabel, Strings.noLabel, controller.userResponseOnDownload)
            break
        case 5:
            showProgress(5, Strings.downloadingSoftwareUpdate, Strings.softwareUpdateCanceledLabel, progressProc, controller.abortSoftwareUpdate)
            break
        case 6:
            question(Strings.wantToInstallLabel, Strings.yesLabel, Strings.noLabel, controller.userResponseOnInstall)
            break
        case 9:
            message(Strings.softwareUpToDate)
            break
        case 10:
        case 11:
            message(Strings.updateCheckFailedLabel)
            break
        }
    }

    property Timer timer: Timer {
        id: checkingTimer
        interval: 1000
        repeat: true
        onTriggered: {
            dialogues.checkingTicks += 1
            if (dialogues.checkingTicks < dialogues.maxCheckingTicks)
                dialogues.showChecking()
            else
                dialogues.stopChecking()
        }
    }

    property Connections connections: Connections {
        target: dialogues.controller
        function onUpdateProcessStateUpdated(newState, progressProc) {
            dialogues.onState(newState, progressProc)
        }
    }
}
