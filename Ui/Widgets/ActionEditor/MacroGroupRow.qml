import QtQuick
import PelvaneApp 1.0
import PlatformInfo 1.0
import WhirlenUI 1.0
import "qrc:/Ui/Widgets/BaseWidgets"
import "qrc:/Ui/Widgets/ActionDescription.js" as ActionDescription

// One group of a macro: its name with an arrow that shows or hides its steps, and the
// steps, each with its wait after it; steps are dragged to reorder them. A click on the
// arrow or on a step is told to the pane, which keeps the selection.
Column {
    id: groupRow

    property QtObject group: null
    property int groupIndex: 0
    property bool selected: false
    property bool hovered: false
    property bool dragged: false
    readonly property bool extended: group ? group.extended : false
    property QtObject selectedStep: null

    signal groupClicked
    signal stepClicked(QtObject step)

    spacing: 2

    Rectangle {
        objectName: "groupHeader"
        width: parent.width
        height: 25
        radius: 10
        color: groupRow.selected || groupRow.hovered ? PelvaneThemesManager.titleRedColor : "transparent"

        Image {
            objectName: "groupArrow"
            x: 8
            anchors.verticalCenter: parent.verticalCenter
            width: 10
            height: 10
            fillMode: Image.PreserveAspectFit
            source: groupRow.extended ? PelvaneThemesManager.downIconSolid : PelvaneThemesManager.rightIconSolid
            MouseArea {
                anchors.fill: parent
                anchors.margins: -6
                onClicked: {
                    groupRow.group.extended = !groupRow.extended
                    groupRow.groupClicked()
                }
            }
        }
        Text {
            x: 26
            anchors.verticalCenter: parent.verticalCenter
            // A fixed name: groups are numbered, not named.
            text: "Group " + groupRow.groupIndex
            font.pixelSize: 12
            font.family: PelvaneThemesManager.defaultNormalFontFamily
            color: (groupRow.selected || groupRow.hovered) && !groupRow.dragged ? "white" : PelvaneThemesManager.subtitleColor
        }
    }

    Item {
        visible: groupRow.extended
        width: parent.width
        height: steps.height + 4

        Rectangle {
            anchors.fill: parent
            opacity: 0.3
            color: groupRow.selected ? "white" : PelvaneThemesManager.titleRedColor
        }

        Column {
            id: steps
            y: 2
            x: 10
            width: parent.width - 20
            spacing: 2
            Repeater {
                model: groupRow.extended && groupRow.group ? groupRow.group.listMacroGroupActionControllers : []
                delegate: PelvaneDraggableItem {
                    id: stepItem
                    required property var modelData
                    objectName: "step" + index
                    draggedItemParent: steps
                    onMoveItemRequested: (from, to) => groupRow.group.moveActionFromToIndex(from, to)
                    onClickItem: groupRow.stepClicked(modelData)
                    Rectangle {
                        width: steps.width
                        height: 25
                        radius: 4
                        color: "white"
                        border.width: groupRow.selectedStep === stepItem.modelData ? 2 : stepItem.hoverStatus ? 1 : 0
                        border.color: groupRow.selectedStep === stepItem.modelData ? PelvaneThemesManager.subtitleColor : PelvaneThemesManager.titleRedColor
                        Text {
                            objectName: "stepDescription"
                            x: 8
                            width: parent.width * 0.7 - 12
                            anchors.verticalCenter: parent.verticalCenter
                            text: ActionDescription.describeStep(Strings, stepItem.modelData, MacroGroupActionController, PlatformInfo.platformType === PlatformInfo.MacOS)
                            textFormat: Text.PlainText
                            elide: Text.ElideRight
                            font.pixelSize: 12
                            font.family: PelvaneThemesManager.defaultNormalFontFamily
                            color: PelvaneThemesManager.subtitleColor
                        }
                        PelvaneActionComboBox {
                            objectName: "waitCombo"
                            x: parent.width * 0.7
                            width: parent.width * 0.3 - 4
                            anchors.verticalCenter: parent.verticalCenter
                            height: 20
                            font.pixelSize: 10
                            model: Strings.macroActionWaitTypes
                            Component.onCompleted: currentIndex = stepItem.modelData.indexWaitTimeType
                            onActivated: index => stepItem.modelData.indexWaitTimeType = index
                        }
                    }
                }
            }
        }
    }
}
