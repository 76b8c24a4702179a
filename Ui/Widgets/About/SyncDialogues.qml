import QtQuick
import QuickFlux 1.1
import PelvaneApp 1.0
import "qrc:/Ui/Actions"
import "Dialogues.js" as Dialogues

// What the user sees of a configuration sync, state by state of the sync procedure.
QtObject {
    id: dialogues

    property QtObject controller: null
    // The progress alert of a download or upload in show: later reports only move its bar.
    property int progressState: 0

    function show(record) {
        AppDispatcher.dispatch(UiActionsTypes.showAlertBox, {
                                   "alertBoxDetails": record
                               })
    }

    function close() {
        AppDispatcher.dispatch(UiActionsTypes.closeCurrentAlertBox)
    }

    function answer(respond, value) {
        return function () {
            respond(value)
            close()
        }
    }

    function question(title, yes, no, respond) {
        show(Dialogues.alert(UiActionsTypes.alertBoxTypeNormal, title, [Dialogues.button(yes, answer(respond, 1)), Dialogues.button(no, answer(respond, 0))]))
    }

    function message(title) {
        show(Dialogues.alert(UiActionsTypes.alertBoxTypeNormal, title, [Dialogues.button(Strings.confirmationButtonText, close)]))
    }

    function showProgress(state, title, canceledTitle, progressProc) {
        var record = Dialogues.alert(UiActionsTypes.alertBoxTypeProgress, title, [Dialogues.button(Strings.cancelBtnLabel, function () {
            controller.abortSynchronization()
            progressState = 0
            close()
            message(canceledTitle)
        })])
        record.alertProgress = progressProc / 10.0
        if (progressState !== state) {
            close()
            progressState = state
            show(record)
        }
        // Moves the bar of the alert in show (the first report opens it at zero).
        show(record)
    }

    function onState(state, progressProc) {
        if (state === 5)
            return showProgress(5, Strings.downloadingConfigCloud, Strings.configDownloadCanceledLabel, progressProc)
        if (state === 9)
            return showProgress(9, Strings.uploadingConfigCloud, Strings.configUploadCanceledLabel, progressProc)
        var messages = {
            "13": Strings.settingsSyncedLabel,
            "14": Strings.configSyncFailedLabel,
            "15": Strings.configDownloadFailedLabel,
            "16": Strings.configUploadFailedLabel,
            "19": Strings.configResetCompletedLabel
        }
        var questions = {
            "6": [Strings.cloudDownloadInvalidConfigQuestion, controller.userResponseOnRepairConfig],
            "7": [Strings.cloudUploadConfigQuestion, controller.userResponseOnUpload],
            "10": [Strings.cloudUploadInvalidConfigQuestion, controller.userResponseOnRepairConfig],
            "11": [Strings.cloudSyncResetToDefaultQuestion, controller.userResponseOnResetConfig]
        }
        if (state !== 3 && state !== 18 && !messages[state] && !questions[state])
            return
        progressState = 0
        close()
        if (state === 3)
            question(Strings.cloudOrLocalConfigQuestion.arg(controller.lastUpdateDate).arg(controller.configVersion), Strings.cloudOrLocalConfigYesMsgQuestion, Strings.cloudOrLocalConfigNoMsgQuestion, controller.userResponseOnSync)
        else if (messages[state])
            message(messages[state])
        else if (questions[state])
            question(questions[state][0], Strings.yesLabel, Strings.noLabel, questions[state][1])
    }

    property Connections connections: Connections {
        target: dialogues.controller
        function onSyncProcessStateUpdate(newState, progressProc) {
            dialogues.onState(newState, progressProc)
        }
    }
}
