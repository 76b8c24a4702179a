import QtQuick
import QuickFlux 1.1
import PelvaneApp 1.0
import "qrc:/Ui/Actions"
import "Dialogues.js" as Dialogues

// The alerts the About page's procedures show: questions, messages and a progress alert
// whose later reports only move its bar.
QtObject {
    property QtObject controller: null
    // The state whose progress alert is in show, 0 when none is.
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

    // The progress alert of state, shown on its first report; cancelling it runs abort and
    // tells canceledTitle.
    function showProgress(state, title, canceledTitle, progressProc, abort) {
        var record = Dialogues.alert(UiActionsTypes.alertBoxTypeProgress, title, [Dialogues.button(Strings.cancelBtnLabel, function () {
            abort()
            progressState = 0
            close()
            message(canceledTitle)
        })])
        record.alertProgress = progressProc / 10.0
        if (progressState !== state) {
            progressState = state
            show(record)
        }
        // Moves the bar of the alert in show (the first report opens it at zero).
        show(record)
    }
}
