import QtQuick
import QtQuick.Controls.Basic
import PelvaneApp 1.0

// A drop-down list of texts, sorted case-insensitively, with a search field that narrows
// the popup's list. currentIndex, indexOfValue() and textAt() refer to the whole sorted
// list; the popup shows only the entries that contain the search text.
ComboBox {
    id: combo

    property string noneText: Strings.noneText
    property string searchText: Strings.searchText + "..."
    property real maxPopupHeight: 200
    property bool scrollBarAlwaysVisible: false
    property var items: []
    property string noSelectionText: ""
    property string selectedText: ""
    property var sortedItems: []
    property var filteredItems: []
    property bool completed: false

    function initModel() {
        var sorted = items.slice()
        sorted.sort(function (a, b) {
            return a.toLowerCase().localeCompare(b.toLowerCase())
        })
        sortedItems = sorted
        filteredItems = sorted
    }

    function selectNone() {
        currentIndex = -1
        filterList.positionViewAtBeginning()
        selectedText = noSelectionText
    }

    function selectText(text) {
        currentIndex = indexOfValue(text)
        selectedText = currentIndex >= 0 ? text : noSelectionText
    }

    function updateFilter(text) {
        var needle = text.toLowerCase()
        filteredItems = sortedItems.filter(function (entry) {
            return entry.toLowerCase().indexOf(needle) >= 0
        })
        filterList.currentIndex = filteredItems.indexOf(selectedText)
    }

    Component.onCompleted: {
        if (noSelectionText === "")
            noSelectionText = displayText
        if (selectedText === "")
            selectedText = noSelectionText
        initModel()
        completed = true
    }

    onItemsChanged: {
        if (!completed)
            return
        var remembered = selectedText
        initModel()
        updateFilter(searchField.inputText)
        selectText(remembered)
    }

    model: sortedItems
    implicitHeight: 30
    // The box shows the chosen entry, not its display text: so does its name.
    Accessible.name: selectedText
    font.family: PelvaneThemesManager.defaultNormalFontFamily

    background: Rectangle {
        color: PelvaneThemesManager.dropDownBackColor
    }

    contentItem: Text {
        leftPadding: 10
        rightPadding: combo.indicator.width + 10
        text: combo.popup.visible ? combo.noneText : combo.selectedText
        font: combo.font
        color: PelvaneThemesManager.buttonTextColor
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight

        // While open, the box's text offers "none".
        MouseArea {
            anchors.fill: parent
            enabled: combo.popup.visible
            onClicked: {
                combo.selectNone()
                combo.popup.close()
            }
        }
    }

    indicator: Image {
        x: combo.width - width - 10
        y: (combo.height - height) / 2
        height: combo.height * 0.4
        width: height
        fillMode: Image.PreserveAspectFit
        source: PelvaneThemesManager.dropDownArrow
    }

    popup: Popup {
        y: combo.height
        width: combo.width
        padding: 1
        onOpened: {
            searchField.inputText = ""
            combo.updateFilter("")
            searchField.inputItem.forceActiveFocus()
        }

        contentItem: Column {
            PelvaneInputField {
                id: searchField
                width: parent.width
                height: 30
                radius: 0
                placeHolderText: combo.searchText
                onInputTextChanged: combo.updateFilter(inputText)
            }
            ListView {
                id: filterList
                width: parent.width
                height: Math.min(contentHeight, combo.maxPopupHeight)
                clip: true
                model: combo.filteredItems
                highlightMoveDuration: 0
                ScrollBar.vertical: ScrollBar {
                    width: 7.5
                    policy: combo.scrollBarAlwaysVisible ? ScrollBar.AlwaysOn : ScrollBar.AsNeeded
                }
                delegate: ItemDelegate {
                    id: row
                    required property int index
                    required property string modelData
                    width: filterList.width
                    height: 25
                    highlighted: ListView.isCurrentItem
                    contentItem: Text {
                        leftPadding: 10
                        text: row.modelData
                        font: combo.font
                        color: PelvaneThemesManager.buttonTextColor
                        verticalAlignment: Text.AlignVCenter
                        elide: Text.ElideRight
                    }
                    onClicked: {
                        combo.selectText(row.modelData)
                        combo.popup.close()
                    }
                }
            }
        }

        background: Rectangle {
            color: PelvaneThemesManager.dropDownBackColor
            border.width: 1
            border.color: PelvaneThemesManager.actionButtonsBorder
        }
    }
}
