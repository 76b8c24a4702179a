import QtQuick
import PelvaneApp 1.0
import "qrc:/Ui/Widgets/BaseWidgets/ShadowBlur.js" as ShadowBlur

// A bubble under the theme button with one row per theme, drawn in the theme's colours.
Item {
    id: bar

    readonly property int rowHeight: 60
    readonly property int margin: 5
    readonly property int arrowWidth: 26
    readonly property int arrowHeight: 16
    readonly property int themeCount: Strings.availableThemesNames.length
    // The bubble's soft shadow, drawn with it so that it follows the arrow as well as the body.
    property real shadowVerticalOffset: 0
    property real shadowRadius: 0
    property int shadowSamples: 1
    property color shadowColor: "transparent"

    implicitWidth: 200
    height: arrowHeight + 2 * margin + Math.min(themeCount, 3) * rowHeight + (Math.min(themeCount, 3) - 1) * margin

    onShadowVerticalOffsetChanged: bubble.requestPaint()
    onShadowRadiusChanged: bubble.requestPaint()
    onShadowSamplesChanged: bubble.requestPaint()
    onShadowColorChanged: bubble.requestPaint()

    Canvas {
        id: bubble
        objectName: "switcherBubble"

        // Room for the shadow on every side.
        readonly property int shadowRoom: Math.ceil(bar.shadowRadius + Math.abs(bar.shadowVerticalOffset))
        anchors.fill: parent
        anchors.margins: -shadowRoom
        onPaint: {
            var ctx = getContext("2d")
            ctx.reset()
            ctx.translate(shadowRoom, shadowRoom)
            ctx.shadowOffsetY = bar.shadowVerticalOffset
            // A canvas blurs with a deviation of half its shadowBlur.
            ctx.shadowBlur = 2 * ShadowBlur.deviation(bar.shadowRadius, bar.shadowSamples)
            ctx.shadowColor = bar.shadowColor
            ctx.fillStyle = "white"
            var top = bar.arrowHeight, r = 10, w = bar.width, h = bar.height
            ctx.beginPath()
            ctx.moveTo(r, top)
            ctx.lineTo(w / 2 - bar.arrowWidth / 2, top)
            ctx.lineTo(w / 2, 0)
            ctx.lineTo(w / 2 + bar.arrowWidth / 2, top)
            ctx.lineTo(w - r, top)
            ctx.arcTo(w, top, w, top + r, r)
            ctx.lineTo(w, h - r)
            ctx.arcTo(w, h, w - r, h, r)
            ctx.lineTo(r, h)
            ctx.arcTo(0, h, 0, h - r, r)
            ctx.lineTo(0, top + r)
            ctx.arcTo(0, top, r, top, r)
            ctx.closePath()
            ctx.fill()
        }
    }

    Flickable {
        x: bar.margin
        y: bar.arrowHeight + bar.margin
        width: bar.width - 2 * bar.margin
        height: bar.height - y - bar.margin
        clip: true
        contentHeight: themes.height
        boundsBehavior: Flickable.StopAtBounds

        Column {
            id: themes
            width: parent.width
            spacing: bar.margin

            Repeater {
                model: Strings.availableThemesNames
                delegate: Rectangle {
                    id: row
                    required property int index
                    required property string modelData
                    readonly property var swatch: PelvaneThemesManager.availableThemesColors[index]
                    objectName: "themeRow" + index
                    width: themes.width
                    height: bar.rowHeight
                    radius: 5
                    color: "white"
                    gradient: Gradient {
                        orientation: row.swatch.end.x - row.swatch.start.x >= row.swatch.end.y - row.swatch.start.y ? Gradient.Horizontal : Gradient.Vertical
                        GradientStop {
                            position: 0
                            color: row.swatch.gradients[0].color
                        }
                        GradientStop {
                            position: row.swatch.gradients.length > 2 ? row.swatch.gradients[1].pos : 0.5
                            color: row.swatch.gradients.length > 2 ? row.swatch.gradients[1].color : row.swatch.gradients[0].color
                        }
                        GradientStop {
                            position: 1
                            color: row.swatch.gradients[row.swatch.gradients.length - 1].color
                        }
                    }

                    Text {
                        anchors.centerIn: parent
                        text: (row.index === PelvaneThemesManager.currentThemeIndex ? "> " : "") + row.modelData
                        color: "white"
                        font.pixelSize: 14
                        font.family: PelvaneThemesManager.defaultNormalFontFamily
                    }
                    Rectangle {
                        anchors.fill: parent
                        radius: 5
                        color: "white"
                        opacity: 0.4
                        visible: rowArea.containsMouse
                    }
                    MouseArea {
                        id: rowArea
                        anchors.fill: parent
                        hoverEnabled: true
                        cursorShape: Qt.PointingHandCursor
                        onClicked: {
                            appController.currentUiThemeIndex = row.index
                            mainWindow.hideThemeSwitcher()
                        }
                    }
                }
            }
        }
    }
}
