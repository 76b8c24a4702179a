import QtQuick
import QtTest
import PelvaneApp 1.0
import "qrc:/Ui/Widgets/BaseWidgets"

Item {
    id: root
    width: 600
    height: 600

    PelvaneComboBoxSearch {
        id: search
        width: 200
        items: ["b", "A", "c"]
    }

    PelvaneInputFieldKeyInput {
        id: keyField
        y: 300
        width: 200
    }

    SignalSpy {
        id: ctrlSpy
        target: keyField
        signalName: "ctrlPressed"
    }
    SignalSpy {
        id: specialSpy
        target: keyField
        signalName: "specialPressed"
    }
    SignalSpy {
        id: shiftSpy
        target: keyField
        signalName: "shiftPressed"
    }

    ListModel {
        id: rowsModel
    }

    Column {
        id: rows
        x: 300
        y: 50
        width: 200

        Repeater {
            model: rowsModel
            delegate: PelvaneDraggableItem {
                id: draggable
                draggedItemParent: root
                onMoveItemRequested: function (from, to) {
                    moves.push([from, to])
                }
                Rectangle {
                    width: 200
                    height: 40
                    color: "#dddddd"
                    border.width: 1
                }
            }
        }
    }

    property var moves: []

    Text {
        id: boldText
        text: "Bold"
        font.family: PelvaneThemesManager.defaultMediumFontFamily
        font.weight: PelvaneThemesManager.defaultMediumFontWeight
    }

    PelvaneButton {
        id: themedButton
        y: 500
        btnText: "Ok"
        mainBackgroundColor: PelvaneThemesManager.productsSelectedBarBackgroundColor
    }

    PelvaneIconButton {
        id: swappingIcon
        x: 300
        y: 450
        width: 20
        height: 20
        normalSource: PelvaneThemesManager.closeIcon
        hoverSource: PelvaneThemesManager.closeIconBlack
    }
    PelvaneIconButton {
        id: plainIcon
        x: 350
        y: 450
        width: 20
        height: 20
        normalSource: PelvaneThemesManager.closeIcon
    }
    SignalSpy {
        id: iconClickSpy
        target: plainIcon
        signalName: "clicked"
    }

    TestCase {
        name: "Widgets"
        when: windowShown

        function init() {
            failOnWarning(/.?/)
            PelvaneThemesManager.currentThemeIndex = 1
        }

        // Every base control is created, in either theme, without a warning.
        function test_everyBaseControlLoads_data() {
            var names = ["PelvaneButton", "PelvaneActionButton", "PelvaneToggle", "PelvaneCheckBox", "PelvaneRadioButton", "PelvaneInputField", "PelvaneInputFieldKeyInput", "PelvaneComboBox", "PelvaneComboBoxSearch", "PelvaneActionComboBox", "PelvaneActionMenu", "PelvaneActionMenuItem", "PelvaneDropAreaItem", "PelvaneIconButton"]
            var rows = []
            for (var theme = 0; theme < 2; ++theme) {
                for (var i = 0; i < names.length; ++i)
                    rows.push({
                                  "tag": names[i] + " " + theme,
                                  "name": names[i],
                                  "theme": theme
                              })
            }
            return rows
        }

        function test_everyBaseControlLoads(data) {
            PelvaneThemesManager.currentThemeIndex = data.theme
            var component = Qt.createComponent("qrc:/Ui/Widgets/BaseWidgets/" + data.name + ".qml")
            compare(component.status, Component.Ready, component.errorString())
            var control = createTemporaryObject(component, root, {
                                                    "y": 550
                                                })
            verify(control)
            waitForRendering(root)
        }

        // A row limit shows that many rows and scrolls the rest; a longer limit the whole list.
        function test_comboPopupShowsAtMostItsRowLimit_data() {
            return [{
                    "tag": "limited",
                    "limit": 4,
                    "shown": 4
                }, {
                    "tag": "longer than the list",
                    "limit": 20,
                    "shown": 10
                }]
        }

        function test_comboPopupShowsAtMostItsRowLimit(data) {
            var component = Qt.createComponent("qrc:/Ui/Widgets/BaseWidgets/PelvaneComboBox.qml")
            var combo = createTemporaryObject(component, root, {
                                                  "width": 150,
                                                  "maxPopupItems": data.limit,
                                                  "model": ["1", "2", "3", "4", "5", "6", "7", "8", "9", "10"]
                                              })
            combo.popup.open()
            tryVerify(function () {
                return combo.popup.opened
            })
            var list = combo.popup.contentItem
            var rowHeight = list.contentHeight / list.count
            verify(rowHeight > 0)
            fuzzyCompare(combo.popup.height, data.shown * rowHeight + 2, 0.5)
            combo.popup.close()
        }

        // Presets count the named rows; separators and presets out of range fall to the first.
        function test_repetitionRowsAndPresets() {
            var component = Qt.createComponent("qrc:/Ui/Widgets/ActionEditor/RepetitionCombo.qml")
            var combo = createTemporaryObject(component, root)
            var rowsToPresets = [[0, 0], [2, 2], [3, 0], [4, 3], [10, 9], [11, 0], [12, 10], [15, 13]]
            rowsToPresets.forEach(function (pair) {
                combo.currentIndex = pair[0]
                compare(combo.preset, pair[1], "row " + pair[0])
            })
            var presetsToRows = [[0, 0], [3, 4], [10, 12], [13, 15], [14, 0], [-1, 0]]
            presetsToRows.forEach(function (pair) {
                combo.showPreset(pair[0])
                compare(combo.currentIndex, pair[1], "preset " + pair[0])
            })
        }

        function test_actionMenuReportsTheChosenEntry() {
            var component = Qt.createComponent("qrc:/Ui/Widgets/BaseWidgets/PelvaneActionMenu.qml")
            var menu = createTemporaryObject(component, root, {
                                                 "model": ["one", "two", "three"]
                                             })
            var chosen = []
            menu.finishSelection.connect(function () {
                chosen.push(menu.currentIndex)
            })
            compare(menu.count, 3)
            menu.itemAt(1).triggered()
            compare(chosen, [1])
        }

        function test_searchComboSortsFiltersAndReselects() {
            compare(search.textAt(0), "A")
            compare(search.textAt(1), "b")
            compare(search.textAt(2), "c")
            compare(search.indexOfValue("b"), 1)
            search.popup.open()
            tryCompare(search.popup, "opened", true)
            search.updateFilter("B")
            compare(search.filteredItems, ["b"])
            search.selectText("c")
            search.popup.close()
            compare(search.currentIndex, 2)
            search.items = ["c", "a2", "a1"]
            compare(search.currentIndex, 2)
            compare(search.selectedText, "c")
            search.items = ["x"]
            compare(search.currentIndex, -1)
            compare(search.selectedText, search.noSelectionText)
            search.items = ["b", "A", "c"]
        }

        function dragRow(from, toY) {
            // The dragged row collapses, so the rows below it move up by a row.
            var start = Qt.point(rows.x + 100, rows.y + from * 40 + 20)
            mousePress(root, start.x, start.y)
            // Drop areas learn of a moved item through queued events, and the rows close
            // up on the next polish: let each move land.
            for (var step = 1; step <= 10; ++step) {
                mouseMove(root, start.x, start.y + (toY - start.y) * step / 10, -1, Qt.LeftButton)
                waitForItemPolished(rows)
                wait(0)
            }
            mouseRelease(root, start.x, toY)
        }

        function test_dragReorder_data() {
            return [{
                    "tag": "third row onto the line under the first",
                    "from": 2,
                    "lineY": 90,
                    "moves": [[2, 1]]
                }, {
                    "tag": "a row back onto the line where it was",
                    "from": 1,
                    "lineY": 90,
                    "moves": []
                }, {
                    "tag": "first row under the last",
                    "from": 0,
                    "lineY": 170,
                    "moves": [[0, 3]]
                }]
        }

        function test_dragReorder(data) {
            rowsModel.clear()
            for (var i = 0; i < 4; ++i)
                rowsModel.append({
                                     "n": i
                                 })
            moves = []
            tryCompare(rows, "height", 160)
            waitForItemPolished(rows)
            dragRow(data.from, data.lineY)
            compare(moves, data.moves)
        }

        function test_keyCapture() {
            keyField.forceActiveFocus()
            keyField.currentKey = 0
            keyPress(Qt.Key_Control)
            keyRelease(Qt.Key_Control)
            compare(ctrlSpy.count, 1)
            compare(specialSpy.count, 0)
            keyPress(Qt.Key_Super_L)
            keyRelease(Qt.Key_Super_L)
            keyPress(Qt.Key_Meta)
            keyRelease(Qt.Key_Meta)
            compare(specialSpy.count, 2)
            compare(ctrlSpy.count, 1)
            compare(keyField.currentKey, 0)
            keyPress(Qt.Key_Shift)
            keyRelease(Qt.Key_A, Qt.ShiftModifier)
            compare(shiftSpy.count, 1)
            compare(keyField.currentKey, 0)
            keyClick(Qt.Key_5, Qt.KeypadModifier)
            compare(keyField.currentKey, 139)
            compare(keyField.keyText, "NumPad 5")
            keyClick(Qt.Key_Asterisk, Qt.KeypadModifier)
            compare(keyField.keyText, "NumPad *")
            keyClick(Qt.Key_NumLock)
            compare(keyField.currentKey, Qt.Key_NumLock)
            compare(keyField.keyText, "Num Lock")
            keyClick(Qt.Key_Enter, Qt.KeypadModifier)
            compare(keyField.currentKey, Qt.Key_Enter)
            keyClick(Qt.Key_F5)
            compare(keyField.keyText, "F5")
        }

        // Under the pointer an icon button shows its hover image, or keeps its own without one.
        function test_iconButtonHoverImage_data() {
            return [{
                        "tag": "hover image",
                        "button": swappingIcon,
                        "hovered": PelvaneThemesManager.closeIconBlack
                    }, {
                        "tag": "none",
                        "button": plainIcon,
                        "hovered": PelvaneThemesManager.closeIcon
                    }]
        }

        function test_iconButtonHoverImage(data) {
            mouseMove(root, 590, 590)
            compare(data.button.source, Qt.resolvedUrl(PelvaneThemesManager.closeIcon))
            mouseMove(data.button)
            tryVerify(() => data.button.hovered)
            compare(data.button.source, Qt.resolvedUrl(data.hovered))
            mouseMove(root, 590, 590)
            tryVerify(() => !data.button.hovered)
            compare(data.button.source, Qt.resolvedUrl(PelvaneThemesManager.closeIcon))
        }

        function test_iconButtonReportsClicksAndPressAction() {
            iconClickSpy.clear()
            mouseClick(plainIcon)
            compare(iconClickSpy.count, 1)
            plainIcon.Accessible.pressAction()
            compare(iconClickSpy.count, 2)
        }

        function test_boldRoleIsPoppinsBold() {
            compare(boldText.fontInfo.family, "Poppins")
            verify(boldText.fontInfo.bold)
            compare(boldText.fontInfo.styleName, "Bold")
        }

        function test_themeSwitchRecolours() {
            verify(Qt.colorEqual(themedButton.mainBackgroundColor, "#5883cf"))
            PelvaneThemesManager.currentThemeIndex = 0
            verify(Qt.colorEqual(themedButton.mainBackgroundColor, "#A8D2FF"))
            verify(Qt.colorEqual(PelvaneThemesManager.mainBackgroundColor, "#efefef"))
        }
    }
}
