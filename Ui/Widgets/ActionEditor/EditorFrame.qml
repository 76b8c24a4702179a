import QtQuick
import QtQuick.Controls
import PelvaneApp 1.0
import "qrc:/Ui/Widgets"
import "qrc:/Ui/Widgets/BaseWidgets"

// The frame of the action editors: a veil over the window, a panel with the list of action
// kinds on the left, the chosen kind's pane on the right, Apply and Discard below and a
// close icon (and, where offered, a reset icon) at the top right. The panes are the
// frame's children. On show the list of kinds takes the keys.
Item {
    id: frame

    property var rows: []
    property int currentRow: 0
    // Whether a row takes clicks; separators (empty texts) never do.
    property var rowEnabled: function (row) {
        return true
    }
    property bool showReset: false
    default property alias panes: paneColumn.data
    readonly property alias actionList: actionList

    signal rowChosen(int row)
    signal applyClicked
    signal discardClicked
    signal closeClicked
    signal resetClicked
    signal escapeReleased

    anchors.fill: parent

    onVisibleChanged: {
        escapePressed = false
        if (visible)
            actionList.forceActiveFocus()
    }
    // Escape closes the editor once released in it: the release that closed the step
    // editor above reaches this one after its press went to the other.
    property bool escapePressed: false
    Keys.onPressed: function (event) {
        if (event.key === Qt.Key_Escape)
            escapePressed = true
    }
    Keys.onReleased: function (event) {
        if (event.key === Qt.Key_Escape && visible && escapePressed) {
            event.accepted = true
            escapePressed = false
            frame.escapeReleased()
        }
    }

    Rectangle {
        anchors.fill: parent
        color: PelvaneThemesManager.buttonsWindowActionsSelectionOverlay
        opacity: 0.75
        WindowMouseControl {
            anchors.fill: parent
            // The veil takes the pointer: nothing under it looks hovered.
            hoverEnabled: true
        }
    }

    Rectangle {
        id: panel
        objectName: "editorPanel"
        anchors.centerIn: parent
        width: frame.width * 0.583
        height: Math.min(450, frame.height * 0.57)
        radius: 20
        color: PelvaneThemesManager.buttonsWindowActionsSelection
        border.width: 1
        border.color: PelvaneThemesManager.btnDropShadowColor
        Behavior on width {
            NumberAnimation {
                duration: 250
                easing.type: Easing.InOutQuad
            }
        }
        Behavior on height {
            NumberAnimation {
                duration: 250
                easing.type: Easing.InOutQuad
            }
        }

        // Clicks on the panel stay with it.
        MouseArea {
            anchors.fill: parent
        }

        ListView {
            id: actionList
            objectName: "actionList"
            x: panel.width * 0.05
            y: 40
            width: panel.width * 0.25
            height: Math.min(panel.height - 40, count * 24)
            interactive: false
            focus: true
            model: frame.rows
            Accessible.role: Accessible.List
            delegate: Item {
                id: rowItem
                required property int index
                required property string modelData
                readonly property bool isSeparator: modelData === ""
                readonly property bool isCurrent: index === frame.currentRow
                readonly property bool takesClicks: !isSeparator && frame.rowEnabled(index)
                objectName: "actionRow" + index
                width: actionList.width
                height: 24
                // For assistive technology each kind is a choice of the list, the chosen
                // one checked; separators are left out.
                Accessible.role: isSeparator ? Accessible.Separator : Accessible.RadioButton
                Accessible.ignored: isSeparator
                Accessible.name: rowText.text
                Accessible.checkable: true
                Accessible.checked: isCurrent
                Accessible.onPressAction: if (takesClicks)
                                              rowArea.clicked(null)

                Rectangle {
                    visible: rowItem.isSeparator
                    anchors.verticalCenter: parent.verticalCenter
                    width: parent.width
                    height: 1
                    color: PelvaneThemesManager.sliderBackgroundColor
                }
                Image {
                    visible: rowItem.isCurrent
                    anchors.verticalCenter: parent.verticalCenter
                    x: 5
                    width: 14
                    height: 14
                    fillMode: Image.PreserveAspectFit
                    source: PelvaneThemesManager.checkMarkNoBorderIcon
                }
                Item {
                    x: rowItem.isCurrent ? 25 : 15
                    width: parent.width - x
                    height: parent.height
                    clip: true
                    Text {
                        id: rowText
                        // Under the pointer a cut text slides left to show its end.
                        x: rowArea.containsMouse ? Math.min(0, parent.width - implicitWidth) : 0
                        width: rowArea.containsMouse ? Math.max(implicitWidth, parent.width) : parent.width
                        height: parent.height
                        verticalAlignment: Text.AlignVCenter
                        text: rowItem.modelData.replace(/<br>/g, "")
                        elide: rowArea.containsMouse ? Text.ElideNone : Text.ElideRight
                        font.pixelSize: 12
                        font.family: PelvaneThemesManager.defaultNormalFontFamily
                        color: !rowItem.takesClicks && !rowItem.isSeparator ? PelvaneThemesManager.pelvaneG4Color : rowItem.isCurrent ? PelvaneThemesManager.productsBarBackgroundColor : PelvaneThemesManager.pelvaneG1Color
                    }
                }
                MouseArea {
                    id: rowArea
                    anchors.fill: parent
                    enabled: rowItem.takesClicks
                    hoverEnabled: true
                    onClicked: {
                        actionList.forceActiveFocus()
                        frame.rowChosen(rowItem.index)
                    }
                }
            }
        }

        Rectangle {
            id: divider
            x: actionList.x + actionList.width + 20
            y: parent.height * 0.05
            width: 1
            // Down to the buttons, which stand under the list.
            height: applyButton.y - 10 - y
            color: PelvaneThemesManager.sliderBackgroundColor
        }

        Flickable {
            id: paneArea
            objectName: "paneArea"
            x: divider.x + panel.width * 0.07
            y: 40
            width: panel.width - x - panel.width * 0.06
            height: applyButton.y - y - 10
            clip: true
            contentWidth: width
            contentHeight: paneColumn.height
            boundsBehavior: Flickable.StopAtBounds
            // Shown, all the time, only while the pane is taller than its place, so that its
            // end is seen to lie below; it stands in the margin right of the pane, beside its
            // controls rather than over them.
            ScrollBar.vertical: ScrollBar {
                objectName: "paneScrollBar"
                parent: panel
                anchors.top: paneArea.top
                anchors.bottom: paneArea.bottom
                anchors.left: paneArea.right
                anchors.leftMargin: 4
                policy: paneArea.contentHeight > paneArea.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
            }

            Item {
                id: paneColumn
                width: paneArea.width
                // The shown pane's height: the hidden ones take no room (childrenRect would
                // count them).
                height: {
                    var shown = 0
                    for (var i = 0; i < children.length; ++i) {
                        if (children[i].visible)
                            shown = Math.max(shown, children[i].y + children[i].height)
                    }
                    return shown
                }
            }
        }

        EditorButton {
            id: applyButton
            objectName: "applyButton"
            x: 20
            btnText: Strings.applyText
            mainBackgroundColor: PelvaneThemesManager.productsSelectedBarBackgroundColor
            hoverColor: PelvaneThemesManager.titleRedColor
            // Dark on the light fill, and what reads on the hover fill of each theme.
            btnTextColor: PelvaneThemesManager.subtitleColor
            btnTextColorHover: PelvaneThemesManager.textOnTitleRedColor
            onPressed: frame.applyClicked()
        }
        EditorButton {
            objectName: "discardButton"
            x: applyButton.x + applyButton.width + 10
            btnText: Strings.discardText
            hoverColor: PelvaneThemesManager.pelvaneG3Color
            onPressed: frame.discardClicked()
        }

        CornerIcon {
            id: closeIcon
            objectName: "closeIcon"
            anchors.right: parent.right
            normalSource: PelvaneThemesManager.closeIcon
            hoverSource: PelvaneThemesManager.closeIconBlack
            Accessible.name: Strings.closeLabel
            onClicked: frame.closeClicked()
        }
        CornerIcon {
            objectName: "resetIcon"
            visible: frame.showReset
            anchors.right: closeIcon.left
            normalSource: PelvaneThemesManager.undoIcon
            hoverSource: PelvaneThemesManager.undoIconBlack
            ToolTip.visible: hovered
            ToolTip.delay: 200
            ToolTip.timeout: 3000
            ToolTip.text: Strings.resetThisKeyToFactoryBtnLabel
            Accessible.name: Strings.resetThisKeyToFactoryBtnLabel
            onClicked: frame.resetClicked()
        }
    }

    component EditorButton: PelvaneButton {
        y: panel.height - 20 - height
        width: Math.min(120, (panel.width - 50) / 4)
        height: 24
        autoResize: false
        haveShadow: false
    }

    component CornerIcon: Image {
        property url normalSource
        property url hoverSource
        readonly property bool hovered: iconArea.containsMouse
        signal clicked
        anchors.rightMargin: 15
        y: 15
        width: 15
        height: 15
        fillMode: Image.PreserveAspectFit
        source: hovered ? hoverSource : normalSource
        Accessible.role: Accessible.Button
        Accessible.onPressAction: clicked()
        MouseArea {
            id: iconArea
            anchors.fill: parent
            hoverEnabled: true
            cursorShape: Qt.PointingHandCursor
            onClicked: parent.clicked()
        }
    }
}
