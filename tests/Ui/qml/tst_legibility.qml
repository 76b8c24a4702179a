import QtQuick
import QtTest
import QtQuick.Controls
import QuickFlux 1.1
import WhirlenUI 1.0
import PelvaneApp 1.0
import "qrc:/Ui/Actions"
import "Find.js" as Find
import "Contrast.js" as Contrast

// The whole window at its design size, in both themes: its texts read against what lies
// under them, what it lays out stays inside the page, and what it covers looks covered.
WindowTestCase {
    id: testCase
    name: "Legibility"
    when: windowShown

    function blend(over, opacity, under) {
        return Qt.rgba(over.r * opacity + under.r * (1 - opacity), over.g * opacity + under.g * (1 - opacity), over.b * opacity + under.b * (1 - opacity), 1)
    }

    function globalRows() {
        var page = Find.named(window.contentItem, "globalLayoutLoader")
        tryVerify(function () {
            return page.item && Find.allNamed(page.item, "keybindItem").length > 0
        })
        return page.item
    }

    function initTestCase() {
        windowFixture.useFactoryPreferences()
        openWindow()
        compare(window.width, 1200)
        compare(window.height, 700)
        showMax()
        closeStartUpAlerts()
        closeAccountPopupOnceOpen()
        clickTab(0)
    }

    function cleanupTestCase() {
        window.destroy()
        windowFixture.useFactoryPreferences()
    }

    function init() {
        failOnWarning(/.?/)
    }

    function test_selectedTileLabelReads() {
        var labels = Find.allNamed(window.contentItem, "tileLabel").filter(function (label) {
            return label.parent.selected
        })
        compare(labels.length, 1)
        var label = labels[0]
        var veil = Find.allNamed(label.parent, "tileVeil")[0]
        eachTheme(function (theme) {
            var under = label.parent.color
            var text = label.color
            if (veil.visible) {
                under = blend(veil.color, veil.opacity, under)
                // A label under the veil is dimmed with its tile.
                if (veil.z >= label.z)
                    text = blend(veil.color, veil.opacity, text)
            }
            var ratio = Contrast.ratio(text, under)
            verify(ratio >= 4.5, "theme " + theme + ": " + ratio.toFixed(2))
        })
    }

    function test_applicationPageRowEndsAtTheMargin() {
        clickTab(1)
        var row = Find.named(window.contentItem, "pickerRow")
        var remove = Find.named(row, "deleteContextButton")
        waitForRendering(window.contentItem)
        // The row is as wide as the page less its margin.
        verify(remove.mapToItem(row, remove.width, 0).x <= row.width, remove.mapToItem(row, remove.width, 0).x + " > " + row.width)
        var picker = Find.named(row, "contextPicker")
        verify(picker.width > row.width * 0.6)
        clickTab(0)
    }

    // A screen reader names the program picker by what it shows.
    function test_programPickerIsNamedByItsChoice() {
        var controller = window.appController
        compare(controller.addApplicationContextConfiguration("Editor", "/usr/bin/editor"), 0)
        clickTab(1)
        var picker = Find.named(window.contentItem, "contextPicker")
        controller.selectedAppContext = "Editor"
        tryCompare(picker, "selectedText", "Editor")
        compare(picker.Accessible.name, "Editor")
        controller.selectedAppContext = ""
        tryCompare(picker.Accessible, "name", Strings.selectProgram)
        controller.deleteConfiguration("Editor")
        clickTab(0)
        // The editor's program: its path field reads the chosen file.
        var button = window.selectedProfileController.listMainButtons[0]
        button.prepareForButtonEdit()
        window.showButtonsActionsWindow(button)
        button.editActionType = ButtonController.Action_OpenFile
        var path = Find.named(window.contentItem, "programPathField")
        compare(path.inputItem.Accessible.name, Strings.programPathToRun)
        path.parent.parent.acceptUrl("file:///usr/bin/gnome%20calculator")
        compare(path.inputItem.Accessible.name, "/usr/bin/gnome calculator")
        window.hideButtonsActionsWindow()
    }

    function test_editorVeilTakesTheHover() {
        var layout = globalRows()
        var row = Find.allNamed(Find.named(layout, "buttonsList"), "keybindItem")[2]
        mouseMove(row, row.width / 2, row.height / 2)
        tryVerify(function () {
            return row.hovered
        })
        mouseClick(row, row.width / 2, row.height / 2)
        var editor = Find.named(window.contentItem, "editorPanel")
        tryVerify(function () {
            return editor.visible
        })
        mouseMove(row, row.width / 2 + 5, row.height / 2)
        tryVerify(function () {
            return !row.hovered
        }, 2000, "the row under the veil still looks hovered")
        window.hideButtonsActionsWindow()
        // An alert's veil, and a dialog's, take it the same way.
        mouseMove(row, row.width / 2, row.height / 2)
        tryVerify(function () {
            return row.hovered
        })
        AppDispatcher.dispatch(UiActionsTypes.showAlertBox, {
                                   "alertBoxDetails": {
                                       "alertType": UiActionsTypes.alertBoxTypeNormal,
                                       "alertTitle": Strings.softwareUpToDate,
                                       "alertButtons": [{
                                               "txt": Strings.confirmationButtonText,
                                               "predefinedAction": "close"
                                           }]
                                   }
                               })
        mouseMove(row, row.width / 2 + 5, row.height / 2)
        tryVerify(function () {
            return !row.hovered
        }, 2000, "the row under the alert still looks hovered")
        AppDispatcher.dispatch(UiActionsTypes.closeCurrentAlertBox)
        mouseMove(row, row.width / 2, row.height / 2)
        tryVerify(function () {
            return row.hovered
        })
        window.openSettingsWindow()
        mouseMove(row, row.width / 2 + 5, row.height / 2)
        tryVerify(function () {
            return !row.hovered
        }, 2000, "the row under the settings still looks hovered")
        window.hideSettingsWindow()
    }

    function test_editorApplyReads() {
        var button = window.selectedProfileController.listMainButtons[0]
        button.prepareForButtonEdit()
        window.showButtonsActionsWindow(button)
        var apply = Find.named(window.contentItem, "applyButton")
        eachTheme(function (theme) {
            var normal = Contrast.ratio(apply.btnTextColor, apply.mainBackgroundColor)
            var hovered = Contrast.ratio(apply.btnTextColorHover, apply.hoverColor)
            verify(normal >= 4.5, "theme " + theme + ": " + normal.toFixed(2))
            verify(hovered >= 4.5, "theme " + theme + " under the pointer: " + hovered.toFixed(2))
        })
        window.hideButtonsActionsWindow()
    }

    // In the window's own size every pane, the macro pane the longest, shows its comment
    // field without being scrolled.
    function test_commentFieldsShowWithoutScrolling() {
        var button = window.selectedProfileController.listMainButtons[0]
        button.prepareForButtonEdit()
        window.showButtonsActionsWindow(button)
        var area = Find.named(window.contentItem, "paneArea")
        var bar = Find.named(window.contentItem, "paneScrollBar")
        // The mouse and system pane's list of choices scrolls: its bar says so.
        button.editActionType = 9
        waitForRendering(window.contentItem)
        verify(area.contentHeight > area.height)
        compare(bar.policy, ScrollBar.AlwaysOn)
        var rows = [0, 5, 6, 7, 8, 11, 12]
        rows.forEach(function (row) {
            button.editActionType = row
            waitForRendering(window.contentItem)
            compare(bar.policy, area.contentHeight > area.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff)
            var shown = Find.allNamed(area, "commentField").filter(function (field) {
                return field.visible
            })
            compare(shown.length, 1, "row " + row)
            var bottom = shown[0].mapToItem(area, 0, shown[0].height).y
            verify(bottom <= area.height, "row " + row + ": the comment field ends at " + bottom + " of " + area.height)
        })
        window.hideButtonsActionsWindow()
    }

    // A transfer's percentage reads over the empty track and over the fill.
    function test_progressValueReads() {
        var record = {
            "alertType": UiActionsTypes.alertBoxTypeProgress,
            "alertTitle": Strings.downloadingSoftwareUpdate,
            "alertProgress": 50,
            "alertButtons": [{
                    "txt": Strings.cancelBtnLabel,
                    "predefinedAction": "close"
                }]
        }
        AppDispatcher.dispatch(UiActionsTypes.showAlertBox, {
                                   "alertBoxDetails": record
                               })
        AppDispatcher.dispatch(UiActionsTypes.showAlertBox, {
                                   "alertBoxDetails": record
                               })
        var text = null
        tryVerify(function () {
            text = Find.named(window.contentItem, "progressText")
            return text !== null
        })
        var fill = Find.named(window.contentItem, "progressFill")
        var onFill = Find.named(window.contentItem, "progressTextOnFill")
        eachTheme(function (theme) {
            var onTrack = Contrast.ratio(text.color, text.parent.color)
            var overFill = Contrast.ratio(onFill.color, fill.color)
            verify(onTrack >= 4.5, "theme " + theme + " on the track: " + onTrack.toFixed(2))
            verify(overFill >= 4.5, "theme " + theme + " on the fill: " + overFill.toFixed(2))
        })
        AppDispatcher.dispatch(UiActionsTypes.closeCurrentAlertBox)
    }

    // Between two rocks the account popup's "Online" badge stands still, and its white text
    // reads on its purple as sharply as it is drawn: not smoothed over two pixels, which
    // takes its brightest pixels down to a grey.
    function test_onlineBadgeIsSharpAtRest() {
        window.openLoginWindow()
        var badge = null
        tryVerify(function () {
            badge = Find.named(window.contentItem, "onlineBadge")
            return badge !== null && badge.visible
        })
        var purple = Qt.color("#8016dd")
        // The grab draws the badge as it stands when taken: still, between two rocks.
        var image = null
        tryVerify(function () {
            if (badge.rotation !== 0)
                return false
            image = grabImage(window.contentItem)
            return badge.rotation === 0
        }, 10000)
        // Its label, inside the edges that blend with the panel around it.
        var label = Find.named(badge, "onlineBadgeLabel")
        var corner = label.mapToItem(window.contentItem, 0, 0)
        var lightest = purple
        for (var y = Math.ceil(corner.y) + 2; y < corner.y + label.height - 2; ++y) {
            for (var x = Math.ceil(corner.x) + 2; x < corner.x + label.width - 2; ++x) {
                var pixel = image.pixel(x, y)
                if (Contrast.luminance(pixel) > Contrast.luminance(lightest))
                    lightest = pixel
            }
        }
        var ratio = Contrast.ratio(lightest, purple)
        // A fraction of a pixel softens the text less than the threshold above can tell on
        // every font: the picture itself stands on whole pixels, at its whole size.
        var place = badge.mapToItem(window.contentItem, 0, 0)
        var size = [badge.width, badge.height, label.width, label.height]
        window.closeLoginWindow()
        verify(ratio >= 5.5, "the badge's text at " + corner.x + ", " + corner.y + ": " + lightest + " on its purple, " + ratio.toFixed(2) + ":1")
        verify(Number.isInteger(place.x) && Number.isInteger(place.y), "the badge stands at " + place.x + ", " + place.y)
        verify(size.every(Number.isInteger), "the badge's sizes " + size)
    }

    function test_jogWheelNamesReadWhole() {
        var profile = window.selectedProfileController
        if (!profile.isJogWheelToggled)
            profile.toggleJogWheel("")
        var layout = globalRows()
        mouseClick(Find.named(layout, "listTab2"))
        var list = Find.named(layout, "jogWheelList")
        tryVerify(function () {
            return Find.allNamed(list, "keybindItem").length > 0
        })
        var rows = Find.named(list, "keybindRows")
        var headings = {}
        var checkedRows = 0
        // The list a few rows at a time, so that every group heading shows.
        for (var first = 0; first < rows.count; first += 5) {
            rows.positionViewAtIndex(first, ListView.Beginning)
            waitForRendering(window.contentItem)
            Find.allNamed(list, "groupHeading").forEach(function (heading) {
                if (!heading.parent.parent.visible || heading.text === "")
                    return
                headings[heading.text] = true
                verify(!heading.truncated, heading.text)
                verify(heading.implicitWidth <= heading.width, heading.text)
            })
            // A name, whole or cut, keeps a gap before the action column.
            Find.allNamed(list, "keybindItem").forEach(function (row) {
                // Rows pooled out of view, or not laid out yet.
                if (!row.visible || row.width <= 0)
                    return
                ++checkedRows
                var name = Find.named(row, "keyLabel")
                var action = Find.named(row, "valueLabel")
                var end = function () {
                    return name.mapToItem(row, name.leftPadding + name.contentWidth, 0).x
                }
                var start = function () {
                    return action.mapToItem(row, 0, 0).x
                }
                // A row the view has just made may be laid out a frame later.
                tryVerify(function () {
                    return end() + 4 <= start()
                }, 2000, name.text + " ends at " + end() + ", its action starts at " + start())
            })
        }
        rows.positionViewAtBeginning()
        verify(checkedRows >= rows.count, checkedRows)
        // The forward and the backward transitions.
        compare(Object.keys(headings).length, 2, Object.keys(headings).join(", "))
        mouseClick(Find.named(layout, "listTab0"))
    }
}
