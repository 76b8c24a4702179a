import QtQuick
import QuickFlux 1.1
import PelvaneApp 1.0
import "qrc:/Ui/Actions"
import "Dialogues.js" as Dialogues

// What the user sees of a software update, state by state of the update procedure.
QtObject {
    id: dialogues

    property QtObject controller: null
    // One checking message per check, up from the first checking state to the result.
    property bool checkingShown: false
    // The download's progress alert in show: later reports only move its bar.
    property bool downloadShown: false

    function dispatch(type, message) {
        AppDispatcher.dispatch(type, message)
    }

    function show(record) {
        dispatch(UiActionsTypes.showAlertBox, {
                     "alertBoxDetails": record
                 })
    }

    function close() {
        dispatch(UiActionsTypes.closeCurrentAlertBox)
    }

    function answer(respond, value) {
        return function () {
            respond(value)
            close()
        }
    }

    function question(title, respond) {
        show(Dialogues.alert(UiActionsTypes.alertBoxTypeNormal, title, [Dialogues.button(Strings.yesLabel, answer(respond, 1)), Dialogues.button(Strings.noLabel, answer(respond, 0))]))
    }

    function message(title) {
        show(Dialogues.alert(UiActionsTypes.alertBoxTypeNormal, title, [Dialogues.button(Strings.confirmationButtonText, close)]))
    }

    function startCheck() {
        checkingShown = false
        controller.checkForSoftwareUpdates()
        showChecking()
    }

    function showChecking() {
        if (checkingShown)
            return
        checkingShown = true
        show(Dialogues.alert(UiActionsTypes.alertBoxTypeNormal, Strings.checkingForUpdatesLabel, [Dialogues.button(Strings.cancelBtnLabel, function () {
            controller.abortSoftwareUpdate()
            checkingShown = false
            close()
        })]))
    }

    function showDownload(progressProc) {
        var record = Dialogues.alert(UiActionsTypes.alertBoxTypeProgress, Strings.downloadingSoftwareUpdate, [Dialogues.button(Strings.cancelBtnLabel, function () {
            controller.abortSoftwareUpdate()
            downloadShown = false
            close()
            message(Strings.softwareUpdateCanceledLabel)
        })])
        record.alertProgress = progressProc / 10.0
        if (!downloadShown) {
            downloadShown = true
            show(record)
        }
        // Moves the bar of the alert in show (the first report opens it at zero).
        show(record)
    }

    function onState(state, progressProc) {
        // The checking message stays through the checking states, the download's alert
        // through its reports; any other state replaces what is shown.
        if (state === 1 || state === 2)
            return showChecking()
        checkingShown = false
        if (state !== 5) {
            downloadShown = false
            close()
        }
        switch (state) {
        case 3:
            close()
            question(Strings.newSoftwareUpdateFoundWantToDownloadLabel, controller.userResponseOnDownload)
            break
        case 5:
            showDownload(progressProc)
            break
        case 6:
            question(Strings.wantToInstallLabel, controller.userResponseOnInstall)
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

    property Connections connections: Connections {
        target: dialogues.controller
        function onUpdateProcessStateUpdated(newState, progressProc) {
            dialogues.onState(newState, progressProc)
        }
    }
}
