import QtQuick
import WhirlenUI 1.0

// The software update's and the configuration sync's controllers and dialogues, made with the
// window rather than with the About page (built when it is first shown): the start's update
// check and the sync after a sign-in are reported from the first moment, over the connect
// screen too, and a procedure that waits for the user's answer is asked for it.
QtObject {
    id: dialogues

    readonly property SoftwareUpdateController updateController: SoftwareUpdateController {}
    readonly property ConfigSyncController configSyncController: ConfigSyncController {}
    readonly property UpdateDialogues updateDialogues: UpdateDialogues {
        controller: dialogues.updateController
    }
    readonly property SyncDialogues syncDialogues: SyncDialogues {
        controller: dialogues.configSyncController
    }
}
