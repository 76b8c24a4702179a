import QtQuick
import QtQuick.Controls
import PelvaneApp 1.0
import WhirlenUI 1.0
import "qrc:/Ui/Widgets"
import "qrc:/Ui/Widgets/BaseWidgets"

// A controller's picture with its numbered controls, beside the lists of what each control
// of the selected profile does. The models differ only in the picture, the anchors of the
// controls (in units of the picture's reference height) and the numbering of hoveredIndex.
Item {
    id: layout

    property url pictureSource
    property real referenceHeight: 1
    // "whirlenmax" or "whirlenlite": the folder of the control highlights.
    property string modelFolder
    property var buttonAnchors: []
    property point dialAnchor
    property point jogAnchor
    // Subtracted from the control index of the dial's and the jog wheel's entries.
    property int indexShift: 0
    property real zoneScale: 0.8
    property var numberColor: function (number) {
        return "white"
    }
    property var numberDrop: function (number) {
        return 0
    }

    // The control under the pointer in the lists, in this layout's numbering.
    property int hoveredIndex: -1
    readonly property int dialIndex: ButtonController.Button_DialLeft - indexShift
    readonly property int jogIndex: ButtonController.Button_JogWheelZone0 - indexShift
    readonly property QtObject deviceController: typeof _deviceController !== "undefined" ? _deviceController : null
    readonly property QtObject profileController: deviceController ? deviceController.selectedProfileController : null
    readonly property int currentList: swipe.currentIndex

    function startEditButton(buttonController) {
        if (!buttonController)
            return
        buttonController.prepareForButtonEdit()
        mainWindow.showButtonsActionsWindow(buttonController)
    }

    function selectList(index) {
        swipe.currentIndex = index
    }

    // Decoded at the size it is shown, not at the full size it is rendered at; at once, since
    // the anchors and the highlights take their scale from its height.
    ScaledImage {
        id: picture
        objectName: "picture"
        availableWidth: parent.width * 0.3
        asynchronous: false
        source: layout.pictureSource

        // Picture pixels per unit of the anchors, and per pixel of the highlight images.
        // The pictures and the highlights are rendered at two pixels per unit of the
        // drawings (Ui/Assets), so the picture's full height is twice its reference height.
        readonly property real unit: height / layout.referenceHeight
        readonly property real imageScale: height / (2 * layout.referenceHeight)

        Repeater {
            model: layout.buttonAnchors
            delegate: Item {
                required property int index
                required property point modelData
                x: modelData.x * picture.unit
                y: modelData.y * picture.unit

                AnchoredImage {
                    objectName: "buttonHighlight" + (index + 1)
                    image: "qrc:/Ui/Assets/Images/products/" + layout.modelFolder + "/button" + (index + 1) + ".png"
                    visible: layout.hoveredIndex === index
                }
                // A dark halo that keeps the number legible on the picture.
                PelvaneShadow {
                    objectName: "numberShadow" + (index + 1)
                    anchors.fill: number
                    source: number
                    radius: 5
                    samples: 5
                    color: "black"
                }
                Text {
                    id: number
                    objectName: "number" + (index + 1)
                    anchors.centerIn: parent
                    anchors.verticalCenterOffset: layout.numberDrop(index + 1)
                    text: index + 1
                    color: layout.numberColor(index + 1)
                    font.pixelSize: 16
                    font.family: PelvaneThemesManager.defaultNormalFontFamily
                }
            }
        }

        Item {
            x: layout.dialAnchor.x * picture.unit
            y: layout.dialAnchor.y * picture.unit
            AnchoredImage {
                objectName: "dialHighlight"
                image: "qrc:/Ui/Assets/Images/products/" + layout.modelFolder + "/dial.png"
                visible: layout.currentList === 1
            }
            AnchoredImage {
                objectName: "dialLeftArrow"
                image: PelvaneThemesManager.circularArrowLeft
                visible: layout.hoveredIndex === layout.dialIndex
            }
            AnchoredImage {
                objectName: "dialRightArrow"
                image: PelvaneThemesManager.circularArrowRight
                visible: layout.hoveredIndex === layout.dialIndex + 1
            }
        }

        JogWheelPointer {
            x: layout.jogAnchor.x * picture.unit
            y: layout.jogAnchor.y * picture.unit
            imageScale: picture.imageScale
            zoneScale: layout.zoneScale
            showWheel: layout.currentList === 2
            entry: layout.currentList === 2 ? layout.hoveredIndex - layout.jogIndex : -1
            wheelSource: "qrc:/Ui/Assets/Images/products/" + layout.modelFolder + "/jogWheel.png"
        }
    }

    // An image of the picture's scale centred on its parent's origin. It is decoded only
    // while it is shown: most highlights are never hovered in a run.
    component AnchoredImage: Image {
        property url image
        source: visible ? image : ""
        width: sourceSize.width * picture.imageScale
        height: sourceSize.height * picture.imageScale
        x: -width / 2
        y: -height / 2
    }

    Item {
        id: listsSide
        x: parent.width * 0.31
        width: parent.width * 0.65
        height: parent.height

        ListTabs {
            id: tabs
            width: parent.width
            height: parent.height * 0.05
            currentIndex: swipe.currentIndex
            onSelected: index => layout.selectList(index)
        }

        SwipeView {
            id: swipe
            objectName: "lists"
            anchors.top: tabs.bottom
            anchors.topMargin: parent.height * 0.01
            width: parent.width
            height: parent.height * 0.94
            interactive: false
            clip: true
            // A tab shows its list at once: the pointer's row is the one drawn there.
            Component.onCompleted: contentItem.highlightMoveDuration = 0

            KeybindsList {
                id: buttonsList
                objectName: "buttonsList"
                profileController: layout.profileController
                buttonList: layout.profileController ? layout.profileController.listMainButtons : []
                buttonKeyNames: Strings.buttonKeys
                onPressed: keybindItem => layout.startEditButton(keybindItem)
            }
            KeybindsList {
                id: dialList
                objectName: "dialList"
                togglePresent: true
                isDial: true
                leftOptionText: Strings.whirlenModeToggleOption2
                rightOptionText: Strings.dialModeToggleOption2
                profileController: layout.profileController
                buttonList: isToggled && layout.profileController ? layout.profileController.listDialButtons : []
                buttonKeyNames: Strings.dialButtonKeys
                onPressed: keybindItem => layout.startEditButton(keybindItem)
            }
            KeybindsList {
                id: jogList
                objectName: "jogWheelList"
                togglePresent: true
                leftOptionText: Strings.whirlenModeToggleOption2
                rightOptionText: Strings.whirlenModeToggleOption1
                profileController: layout.profileController
                buttonList: isToggled && layout.profileController ? layout.profileController.listJogWheelButtons : []
                buttonKeyNames: Strings.jogWheelButtonKeys
                onPressed: keybindItem => layout.startEditButton(keybindItem)
            }
        }
    }

    // A list that was never under the pointer leaves the layout's index alone; one that was
    // shifts its row index (-9999 once left) into the layout's numbering.
    Binding {
        target: layout
        property: "hoveredIndex"
        value: {
            var hovered = [buttonsList, dialList, jogList][swipe.currentIndex].currentItemHovered
            var shift = [0, layout.dialIndex, layout.jogIndex][swipe.currentIndex]
            return hovered === -1 ? -1 : hovered + shift
        }
    }
}
