import QtQuick
import PelvaneApp 1.0
import WhirlenUI 1.0
import "qrc:/Ui/Widgets/BaseWidgets"
import "MouseSystemTable.js" as MouseSystemTable

// The four kinds of mouse and system action, each with its options; a kind's options wait
// until its radio is chosen.
Column {
    id: chooser

    readonly property var kinds: MouseSystemTable.kinds(Strings, ButtonController)
    // The chosen kind's index and the real action of its chosen option (-1 and 0: none).
    property int chosenKind: -1
    property int chosenOption: 0
    // The real action chosen; 0 while no kind or no option of it is chosen.
    readonly property int chosenAction: chosenKind >= 0 && kindOf(chosenOption) === chosenKind ? chosenOption : 0

    function kindOf(realAction) {
        for (var k = 0; k < kinds.length; ++k) {
            if (kinds[k].options.some(function (option) {
                return option[1] === realAction
            }))
                return k
        }
        return -1
    }

    function clear() {
        chosenKind = -1
        chosenOption = 0
    }

    // Chooses the kind and option of realAction; any other value leaves both clear.
    function showAction(realAction) {
        chosenKind = kindOf(realAction)
        chosenOption = chosenKind >= 0 ? realAction : 0
    }

    spacing: 10

    Repeater {
        id: kindRadios
        model: chooser.kinds
        delegate: Column {
            id: kind
            required property int index
            required property var modelData
            readonly property bool chosen: chooser.chosenKind === index
            width: chooser.width
            spacing: 4

            Row {
                spacing: 8
                ChoiceRadio {
                    id: kindRadio
                    objectName: "kindRadio" + kind.index
                    chosen: kind.chosen
                    onClicked: chooser.chosenKind = kind.index
                }
                Text {
                    text: kind.modelData.label
                    font.pixelSize: 12
                    font.bold: true
                    font.family: PelvaneThemesManager.defaultNormalFontFamily
                    color: PelvaneThemesManager.subtitleColor
                    MouseArea {
                        anchors.fill: parent
                        onClicked: {
                            forceActiveFocus()
                            chooser.chosenKind = kind.index
                        }
                    }
                }
            }
            PaneText {
                isDescription: true
                leftPadding: 16
                text: kind.modelData.description
            }
            // Five options to a line in equal slots; a longer name widens its slot, and the
            // options that no longer fit go to the next line rather than overlap.
            Flow {
                x: 16
                width: chooser.width - 16
                Repeater {
                    model: kind.modelData.options
                    delegate: Row {
                        required property var modelData
                        width: Math.max((chooser.width - 16) / 5, implicitWidth + 10)
                        spacing: 6
                        ChoiceRadio {
                            objectName: "option" + modelData[1]
                            chosen: chooser.chosenOption === modelData[1]
                            disabled: !kind.chosen
                            onClicked: chooser.chosenOption = modelData[1]
                        }
                        Text {
                            text: modelData[0]
                            font.pixelSize: 11
                            font.family: PelvaneThemesManager.defaultNormalFontFamily
                            color: kind.chosen ? PelvaneThemesManager.subtitleColor : PelvaneThemesManager.pelvaneG4Color
                        }
                    }
                }
            }
        }
    }

    // A radio that shows the chooser's state: one kind and one option at a time.
    component ChoiceRadio: PelvaneRadioButton {
        property bool chosen: false
        Binding on isChecked {
            value: chosen
        }
    }
}
