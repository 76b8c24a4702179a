import QtQuick
import PelvaneApp 1.0
import "qrc:/Ui/Actions"
import "Dialogues.js" as Dialogues

// What the user sees of a software update, state by state of the update procedure.
DialoguesBase {
    id: dialogues

    // One checking message per check, up from the first checking state to the result.
    property bool checkingShown: false

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

    function onState(state, progressProc) {
        // The checking message stays through the checking states, the download's alert
        // through its reports; any other state replaces what is shown.
        if (state === 1 || state === 2)
            return showChecking()
        checkingShown = false
        if (state !== 5) {
            progressState = 0
            close()
        }
        switch (state) {
        case 3:
            close()
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

    property Connections connections: Connections {
        target: dialogues.controller
        function onUpdateProcessStateUpdated(newState, progressProc) {
            dialogues.onState(newState, progressProc)
        }
    }
}
