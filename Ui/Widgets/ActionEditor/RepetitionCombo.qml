import QtQuick
import PelvaneApp 1.0
import "qrc:/Ui/Widgets/BaseWidgets"
import "RepetitionMapping.js" as RepetitionMapping

// The repetition presets; a separator row stands for the first preset.
PelvaneActionComboBox {
    property int preset: RepetitionMapping.presetOfRow(Strings.repetitionsOptionsLabels, currentIndex)

    function showPreset(value) {
        currentIndex = RepetitionMapping.rowOfPreset(Strings.repetitionsOptionsLabels, value)
    }

    height: 24
    model: Strings.repetitionsOptionsLabels
}
