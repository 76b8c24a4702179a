import QtQuick
import QuickFlux 1.1
import PelvaneApp 1.0
import "qrc:/Ui/Actions"
import "Dialogues.js" as Dialogues

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
        AppDispatcher.dispatch(UiActionsTypes.showAlertBox, {
                                   "alertBoxDetails": record
                               })
    }

    function closeRecord(record) {
        AppDispatcher.dispatch(UiActionsTypes.closeCurrentAlertBox, {
                                   "alertBoxDetails": record
                               })
        forget(record)
    }

    // Every alert opened here, shown or waiting behind another one.
    function close() {
        openRecords.slice().forEach(closeRecord)
    }

    function question(title, yes, no, respond) {
        var record = Dialogues.alert(UiActionsTypes.alertBoxTypeNormal, title, [])
        var answer = function (value) {
            return function () {
                respond(value)
                dialogues.closeRecord(record)
            }
        }
        record.alertButtons = [Dialogues.button(yes, answer(1)), Dialogues.button(no, answer(0))]
        show(record)
    }

    function message(title) {
        var record = Dialogues.alert(UiActionsTypes.alertBoxTypeNormal, title, [])
        record.alertButtons = [Dialogues.button(Strings.confirmationButtonText, function () {
            dialogues.closeRecord(record)
        })]
        show(record)
    }

    // The progress alert of state: its first report opens it (at zero, as every progress
    // alert opens), later ones move its bar. Cancelling it runs abort and tells canceledTitle.
    function showProgress(state, title, canceledTitle, progressProc, abort) {
        if (progressState === state) {
            var update = Dialogues.alert(UiActionsTypes.alertBoxTypeProgress, title, [])
            update.alertProgress = progressProc / 10.0
            AppDispatcher.dispatch(UiActionsTypes.showAlertBox, {
                                       "alertBoxDetails": update
                                   })
            return
        }
        var record = Dialogues.alert(UiActionsTypes.alertBoxTypeProgress, title, [])
        record.alertButtons = [Dialogues.button(Strings.cancelBtnLabel, function () {
            abort()
            dialogues.closeRecord(record)
            dialogues.message(canceledTitle)
        })]
        record.alertProgress = progressProc / 10.0
        show(record)
        progressState = state
    }
}
