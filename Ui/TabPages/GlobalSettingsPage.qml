import QtQuick
import QtQuick.Controls
import PelvaneApp 1.0

// The profile's general bindings on the selected controller's picture.
Item {
    id: page

    property real lateralMargin: 0

    Flickable {
        anchors.fill: parent
        clip: true
        contentWidth: width
        contentHeight: column.height
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar {}

        Column {
            id: column
            width: page.width - page.lateralMargin

            Item {
                width: 1
                height: 50
            }
            PageTitle {
                id: title
                text: Strings.globalSettingsTabTitle
            }
            Item {
                width: 1
                height: 18
            }
            PageDescription {
                id: description
                text: Strings.globalSettingsTabDescription
            }
            Item {
                width: 1
                height: 24
            }
            ProductLayoutLoader {
                objectName: "globalLayoutLoader"
                width: parent.width
                height: Math.max(0, page.height - 92 - description.height - title.height)
            }
        }
    }
}
