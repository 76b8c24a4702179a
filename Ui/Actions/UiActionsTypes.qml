pragma Singleton
import QtQml

// The Flux actions of the window and the alert types they carry; the alert types are the
// native alerts' numbers.
QtObject {
    readonly property string showAlertBox: "showAlertBox"
    readonly property string closeCurrentAlertBox: "closeCurrentAlertBox"
    readonly property string updateAlertBox: "updateAlertBox"

    readonly property int alertBoxTypeNormal: 1
    readonly property int alertBoxTypeTextInput: 2
    readonly property int alertBoxTypeButtonList: 3
    readonly property int alertBoxTypeProgress: 4
}
