import QtQuick
import PelvaneApp 1.0

// A read-only field that captures the next key. Modifier keys do not become the key: they
// report themselves so that the owner flips its modifier toggles (Ctrl flips Ctrl; the
// Windows key, which Qt names Meta and X11 Super, flips Win). Keypad keys get 86 added,
// the window's name for the keypad (ui/app/KeyCodeConversion.h).
Rectangle {
    id: field

    property string placeHolderText: ""
    property string helpText: ""
    property int currentKey: 0
    // Names the keys that the key lists do not (getKeyStrFromQtKeyCode); set by the owner.
    property QtObject appController: null
    property color textColor: PelvaneThemesManager.buttonTextColor
    property color focusColor: PelvaneThemesManager.pelvaneG1Color
    property color normalColor: PelvaneThemesManager.pelvaneG4Color
    readonly property string keyText: currentKey === 0 ? "" : Strings.getKeyStrFromKeyCode(currentKey) || (appController ? appController.getKeyStrFromQtKeyCode(currentKey) : "")
    readonly property int keypadOffset: 86
    // The key code that macOS reports for the keypad's Clear (Num Lock) key.
    readonly property int macNumLockKey: 63289

    signal shiftPressed
    signal specialPressed
    signal ctrlPressed
    signal altPressed

    function resetFocus() {
        field.focus = false
    }

    function isArrowOrEnter(key) {
        return [Qt.Key_Enter, Qt.Key_Return, Qt.Key_Up, Qt.Key_Down, Qt.Key_Left, Qt.Key_Right].indexOf(key) >= 0
    }

    function capturedKey(event) {
        if (event.key === macNumLockKey)
            return Strings.keyCodeNumLock()
        var keypadOnly = (event.modifiers & ~Qt.KeypadModifier) === Qt.NoModifier
                && (event.modifiers & Qt.KeypadModifier)
        if (keypadOnly && !isArrowOrEnter(event.key) && event.key < 250)
            return event.key + keypadOffset
        return event.key
    }

    implicitWidth: 200
    implicitHeight: 30
    radius: 7
    color: activeFocus ? focusColor : normalColor
    border.width: activeFocus ? 1 : 0
    border.color: "white"
    activeFocusOnTab: true
    // For assistive technology a read-only field that reads its key, or what it asks for;
    // pressing it gives it the keys.
    Accessible.role: Accessible.EditableText
    Accessible.name: keyText !== "" ? keyText : activeFocus ? helpText : placeHolderText
    Accessible.readOnly: true
    Accessible.focusable: true
    Accessible.focused: activeFocus
    Accessible.onPressAction: field.forceActiveFocus()

    Keys.onPressed: function (event) {
        switch (event.key) {
        case Qt.Key_Shift:
            field.shiftPressed()
            break
        case Qt.Key_Control:
            field.ctrlPressed()
            break
        case Qt.Key_Meta:
        case Qt.Key_Super_L:
        case Qt.Key_Super_R:
            field.specialPressed()
            break
        case Qt.Key_Alt:
            field.altPressed()
            break
        default:
            return
        }
        event.accepted = true
    }
    Keys.onReleased: function (event) {
        var modifierKeys = [Qt.Key_Shift, Qt.Key_Control, Qt.Key_Meta, Qt.Key_Super_L, Qt.Key_Super_R, Qt.Key_Alt]
        if (event.isAutoRepeat || modifierKeys.indexOf(event.key) >= 0
                || (event.modifiers & Qt.ShiftModifier))
            return
        field.currentKey = capturedKey(event)
        event.accepted = true
    }

    Text {
        anchors.fill: parent
        anchors.leftMargin: 10
        anchors.rightMargin: 10
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        font.family: PelvaneThemesManager.defaultNormalFontFamily
        text: field.keyText !== "" ? field.keyText : field.activeFocus ? field.helpText : field.placeHolderText
        color: field.keyText === "" ? (field.activeFocus ? "black" : PelvaneThemesManager.pelvaneG3Color) : field.activeFocus ? "white" : field.textColor
    }

    MouseArea {
        anchors.fill: parent
        onClicked: field.forceActiveFocus()
    }
}
