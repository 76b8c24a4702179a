import QtQuick
import PelvaneApp 1.0
import "qrc:/Ui/Widgets/BaseWidgets"

// The repetition presets; a preset counts the named rows only, and a separator row stands
// for the first preset.
PelvaneActionComboBox {
    property int preset: Math.max(Strings.getStrRepetitionNames().indexOf(model[currentIndex]), 0)

    function showPreset(value) {
        currentIndex = Math.max(model.indexOf(Strings.getStrFromRepetition(value)), 0)
    }

    height: 24
    model: Strings.repetitionsOptionsLabels
}
