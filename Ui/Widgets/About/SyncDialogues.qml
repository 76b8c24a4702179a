import QtQuick
import PelvaneApp 1.0

// What the user sees of a configuration sync, state by state of the sync procedure.
DialoguesBase {
    id: dialogues

    function onState(state, progressProc) {
        var progress = {
            "5": [Strings.downloadingConfigCloud, Strings.configDownloadCanceledLabel],
            "9": [Strings.uploadingConfigCloud, Strings.configUploadCanceledLabel]
        }
        if (progress[state]) {
            // A new progress alert replaces whatever these dialogues show.
            if (progressState !== state)
                close()
            return showProgress(state, progress[state][0], progress[state][1], progressProc, controller.abortSynchronization)
        }
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
