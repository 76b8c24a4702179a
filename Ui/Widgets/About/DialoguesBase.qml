import QtQuick
import PelvaneApp 1.0
import "qrc:/Ui/Actions"
import "qrc:/Ui/Widgets"

// The alerts the About page's procedures show: questions, messages and a progress alert
// whose later reports only move its bar. A new state closes only the alerts these dialogues
// opened, shown or still waiting, never one that another part of the window is asking.
QtObject {
    id: dialogues

    property QtObject controller: null
    // The state whose progress alert is open, 0 when none is.
    property int progressState: 0
    // The alerts opened here that are not closed yet.
    property var openRecords: []

    function isOpen(record) {
        return record !== null && openRecords.indexOf(record) >= 0
    }

    function forget(record) {
        var at = openRecords.indexOf(record)
        if (at >= 0)
            openRecords.splice(at, 1)
        if (record.alertType === UiActionsTypes.alertBoxTypeProgress)
            progressState = 0
    }

    function show(record) {
        record.alertCloseCallback = function () {
            dialogues.forget(record)
        }
        openRecords.push(record)
        Alerts.show(record)
    }

    function closeRecord(record) {
        Alerts.close(record)
        forget(record)
    }

    // Every alert opened here, shown or waiting behind another one.
    function close() {
        openRecords.slice().forEach(closeRecord)
    }

    function question(title, yes, no, respond) {
        var record = Alerts.record(UiActionsTypes.alertBoxTypeNormal, title, [])
        var answer = function (value) {
            return function () {
                respond(value)
                dialogues.closeRecord(record)
            }
        }
        record.alertButtons = [Alerts.button(yes, answer(1)), Alerts.button(no, answer(0))]
        show(record)
    }

    function message(title) {
        var record = Alerts.record(UiActionsTypes.alertBoxTypeNormal, title, [])
        record.alertButtons = [Alerts.button(Strings.confirmationButtonText, function () {
            dialogues.closeRecord(record)
        })]
        show(record)
    }

    // The progress alert of state: its first report opens it (at zero, as every progress
    // alert opens), later ones move its bar. Cancelling it runs abort and tells canceledTitle.
    function showProgress(state, title, canceledTitle, progressProc, abort) {
        if (progressState === state) {
            Alerts.show(Alerts.record(UiActionsTypes.alertBoxTypeProgress, title, [], {
                                          "alertProgress": progressProc / 10.0
                                      }))
            return
        }
        var record = Alerts.record(UiActionsTypes.alertBoxTypeProgress, title, [])
        record.alertButtons = [Alerts.button(Strings.cancelBtnLabel, function () {
            abort()
            dialogues.closeRecord(record)
            dialogues.message(canceledTitle)
        })]
        record.alertProgress = progressProc / 10.0
        show(record)
        progressState = state
    }
}
