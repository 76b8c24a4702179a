import QtQuick
import PelvaneApp 1.0

// The strip over the control lists: BUTTONS, DIAL, JOG WHEEL.
Item {
    id: tabs
    objectName: "listTabs"

    property int currentIndex: 0
    // A light grey (#959EAB) at 30 % alpha, in the #AARRGGBB form colours take here.
    readonly property color shadowColor: "#4D959EAB"

    signal selected(int index)

    Rectangle {
        id: bottomLine
        anchors.bottom: parent.bottom
        width: parent.width
        height: 1
        color: "#D3D7DC"
    }
    // The line's soft shadow below it.
    Rectangle {
        anchors.top: bottomLine.bottom
        width: parent.width
        height: 4
        gradient: Gradient {
            GradientStop {
                position: 0
                color: tabs.shadowColor
            }
            GradientStop {
                position: 1
                color: "transparent"
            }
        }
    }

    Row {
        height: parent.height
        spacing: 5

        Repeater {
            model: Strings.buttonsMenuTabsText
            delegate: Item {
                id: tab
                required property int index
                required property string modelData
                readonly property bool current: tabs.currentIndex === index
                objectName: "listTab" + index
                width: tabs.width / 3.06
                height: tabs.height

                Text {
                    anchors.fill: parent
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    text: tab.modelData
                    fontSizeMode: Text.Fit
                    minimumPixelSize: 6
                    font.pixelSize: 14
                    font.family: PelvaneThemesManager.defaultNormalFontFamily
                    font.bold: tab.current || mouseArea.containsMouse
                    color: tab.current ? PelvaneThemesManager.pelvanePurpleColor : PelvaneThemesManager.pelvaneSubMenuColor
                }
                Rectangle {
                    anchors.bottom: parent.bottom
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: tab.current ? parent.width : parent.width * 0.95
                    height: tab.current ? 3 : 1
                    visible: tab.current || mouseArea.containsMouse
                    color: tab.current ? PelvaneThemesManager.pelvanePurpleColor : "#384B58"
                    opacity: tab.current ? 1 : 0.3
                }
                MouseArea {
                    id: mouseArea
                    anchors.fill: parent
                    hoverEnabled: true
                    cursorShape: Qt.PointingHandCursor
                    onClicked: tabs.selected(tab.index)
                }
            }
        }
    }
}
