import QtQuick
import QtTest
import WhirlenUI 1.0
import PelvaneApp 1.0
import "Find.js" as Find

// The whole window, in both themes: its pictures stand on whole pixels at the size they were
// decoded at, the product list stands in its place from the first frame, the action editor's
// scroll bar shows only beside a pane that overflows, and the macro pane's label keeps its
// size in every language. The functions run in the order of their names: the connect screen
// is gone for the run once a configuration is created.
WindowTestCase {
    id: testCase
    name: "WindowPixels"
    when: windowShown

    property bool accountPopupSeen: false

    LocalizationController {
        id: localization
    }

    function isWhole(value) {
        return Math.abs(value - Math.round(value)) < 0.001
    }

    // Decoded at the size it is drawn at, and drawn at whole pixels of the window: the decoded
    // pixels are the ones on screen.
    function verifyOnWholePixels(image, what) {
        tryVerify(function () {
            return image.status === Image.Ready
        }, 5000, what + ": status " + image.status + ", " + image.source + " at " + image.sourceSize.width + " px")
        var place = image.mapToItem(null, 0, 0)
        verify(isWhole(place.x) && isWhole(place.y), what + " stands at " + place.x + ", " + place.y)
        compare(image.paintedWidth, image.width, what)
        compare(image.paintedHeight, image.height, what)
        verify(isWhole(image.width) && isWhole(image.height), what + " is drawn " + image.width + " x " + image.height)
        compare(image.implicitWidth, image.width, what + ": decoded at its drawn width")
        compare(image.implicitHeight, image.height, what + ": decoded at its drawn height")
    }

    // The window sized by its own rule, with the scale factor of a denser screen: on the
    // 1920 x 1080 test screen the factor applies to both sides, and again to the width.
    function scaleWindow(factor) {
        window.scaleFactor = factor
        window.resizeWindow()
        var width = Math.round(factor * factor * 1200)
        tryVerify(function () {
            return Math.abs(window.contentItem.width - width) <= 1
        }, 5000, window.contentItem.width + " for " + width)
    }

    // The main window on a Whirlen Max configuration; the connect screen gives way to it for
    // the run.
    function showWorkspace() {
        showMax()
        if (accountPopupSeen)
            return
        closeStartUpAlerts()
        closeAccountPopupOnceOpen()
        accountPopupSeen = true
    }

    function openEditor() {
        var button = window.selectedProfileController.listMainButtons[0]
        button.prepareForButtonEdit()
        window.showButtonsActionsWindow(button)
        return button
    }

    function initTestCase() {
        windowFixture.useFactoryPreferences()
        openWindow()
        compare(window.width, 1200)
        compare(window.height, 700)
    }

    function cleanupTestCase() {
        window.destroy()
        windowFixture.useFactoryPreferences()
    }

    function init() {
        failOnWarning(/.?/)
    }

    // A function that failed half-way leaves the window as the next one expects it.
    function cleanup() {
        if (window.scaleFactor !== 1)
            scaleWindow(1)
        localization.selectLanguage(LocalizationController.English)
        window.hideButtonsActionsWindow()
    }

    function test_0_connectScreenTilesStandOnWholePixels() {
        var tiles = Find.allNamed(window.contentItem, "createTilePicture")
        compare(tiles.length, 2)
        eachTheme(function (theme) {
            waitForRendering(window.contentItem)
            tiles.forEach(function (tile, index) {
                verifyOnWholePixels(tile, "theme " + theme + ", tile " + index)
            })
        })
    }

    // The list stands below the logo as it will once the logo is decoded, from the frame the
    // bar is first drawn in.
    function test_1_productListStandsInItsPlaceFromTheFirstFrame() {
        // At a size no other test draws the logo at, so that it is not in Qt's cache of
        // decoded images from an earlier window, and the bar's first frame comes before it.
        scaleWindow(1.1)
        window.createConfigurationAction(DeviceController.MultimediaMax)
        // The bar is built at once, before any picture of it is decoded.
        var list = Find.named(window.contentItem, "productList")
        verify(list)
        var logo = Find.named(window.contentItem, "productsLogo")
        var first = list.mapToItem(null, 0, 0).y
        tryCompare(logo, "status", Image.Ready)
        waitForRendering(window.contentItem)
        compare(list.mapToItem(null, 0, 0).y, first)
        compare(first, logo.mapToItem(null, 0, 0).y + logo.height + 40)
    }

    function test_2_picturesStandOnWholePixels_data() {
        return [{
                "tag": "max",
                "model": DeviceController.MultimediaMax,
                "scale": 1
            }, {
                "tag": "lite",
                "model": DeviceController.MultimediaLite,
                "scale": 1
            }, {
                "tag": "max, larger window",
                "model": DeviceController.MultimediaMax,
                "scale": 1.1
            }]
    }

    function test_2_picturesStandOnWholePixels(data) {
        showWorkspace()
        scaleWindow(data.scale)
        window.appController.setSelectedProductByType(data.model)
        var page = Find.named(window.contentItem, "globalLayoutLoader")
        tryVerify(function () {
            return page.item && page.item.profileController && page.item.profileController.modelType === data.model
        })
        eachTheme(function (theme) {
            waitForRendering(window.contentItem)
            var pictures = [[Find.named(window.contentItem, "productsLogo"), "logo"], [Find.named(page.item, "picture"), "controller"]]
            // The list's tiles as it holds them now: a configuration of each model, at least.
            var tiles = Find.allNamed(window.contentItem, "tilePicture")
            verify(tiles.length >= 2, tiles.length)
            tiles.forEach(function (tile, index) {
                pictures.push([tile, "tile " + index])
            })
            pictures.forEach(function (picture) {
                verifyOnWholePixels(picture[0], "theme " + theme + ", " + picture[1])
            })
        })
        window.appController.setSelectedProductByType(DeviceController.MultimediaMax)
    }

    // Per pane: the editor scrolls only a pane taller than its place, and only that far; its
    // bar then stands right of the pane's controls.
    function test_3_scrollBarShowsOnlyBesideAPaneThatOverflows() {
        showWorkspace()
        var button = openEditor()
        var area = Find.named(window.contentItem, "paneArea")
        var bar = Find.named(window.contentItem, "paneScrollBar")
        var panes = {
            "simplePane": [0, 2, 3],
            "keystrokePane": [5],
            "modifiersPane": [6],
            "programPane": [7],
            "macroPane": [8],
            "mousePane": [9],
            "textPane": [11],
            "switchPane": [12]
        }
        var overflowing = 0
        eachTheme(function (theme) {
            waitForRendering(window.contentItem)
            Object.keys(panes).forEach(function (name) {
                var pane = Find.named(window.contentItem, name)
                panes[name].forEach(function (row) {
                    var what = "theme " + theme + ", row " + row
                    // From the end of the tallest pane, scrolled as far as it goes.
                    button.editActionType = 9
                    waitForRendering(window.contentItem)
                    area.contentY = area.contentHeight - area.height
                    button.editActionType = row
                    waitForRendering(window.contentItem)
                    verify(pane.visible, what)
                    compare(area.contentHeight, pane.height, what)
                    var overflows = pane.height > area.height
                    compare(bar.visible, overflows, what)
                    mouseWheel(area, area.width / 2, area.height / 2, 0, -600)
                    tryVerify(function () {
                        return !area.moving
                    }, 5000, what)
                    compare(area.contentY, overflows ? area.contentHeight - area.height : 0, what + ": scrolled to " + area.contentY)
                    if (!overflows)
                        return
                    ++overflowing
                    tryVerify(function () {
                        return bar.contentItem.opacity > 0
                    }, 2000, what)
                    var left = bar.mapToItem(area, 0, 0).x
                    verify(left >= area.width, what + ": the bar stands at " + left + " over a pane " + area.width + " wide")
                    var right = bar.mapToItem(window.contentItem, bar.width, 0).x
                    var panel = Find.named(window.contentItem, "editorPanel")
                    verify(right <= panel.mapToItem(window.contentItem, panel.width, 0).x, what + ": the bar ends beyond the panel")
                })
            })
        })
        // The mouse and system pane's list of choices, at least, needs it.
        verify(overflowing >= 2, overflowing)
    }

    function test_4_macroLabelKeepsItsSize_data() {
        return [{
                "tag": "nl",
                "language": LocalizationController.Dutch
            }, {
                "tag": "fr",
                "language": LocalizationController.French
            }, {
                "tag": "en",
                "language": LocalizationController.English
            }, {
                "tag": "de",
                "language": LocalizationController.German
            }, {
                "tag": "es",
                "language": LocalizationController.Spanish
            }, {
                "tag": "pt",
                "language": LocalizationController.Portuguese
            }, {
                "tag": "it",
                "language": LocalizationController.Italian
            }, {
                "tag": "ja",
                "language": LocalizationController.Japanese
            }]
    }

    // The label beside the macro picker reads at the panes' size, whole, and the comment field
    // still stands in the panel without scrolling.
    function test_4_macroLabelKeepsItsSize(data) {
        showWorkspace()
        var button = openEditor()
        button.editActionType = ButtonController.Action_RunMacro
        localization.selectLanguage(data.language)
        var area = Find.named(window.contentItem, "paneArea")
        var pane = Find.named(window.contentItem, "macroPane")
        var label = Find.named(pane, "macroSelectionLabel")
        var comment = Find.allNamed(pane, "commentField")[0]
        eachTheme(function (theme) {
            waitForRendering(window.contentItem)
            compare(label.text, Strings.macroSelectionText)
            verify(label.fontInfo.pixelSize >= 11, "theme " + theme + ": " + label.fontInfo.pixelSize + " px")
            verify(!label.truncated, "theme " + theme)
            verify(label.contentWidth <= label.width, "theme " + theme + ": " + label.contentWidth + " > " + label.width)
            verify(label.contentHeight <= label.height, "theme " + theme + ": " + label.contentHeight + " > " + label.height)
            var bottom = comment.mapToItem(area, 0, comment.height).y
            verify(bottom <= area.height, "theme " + theme + ": the comment field ends at " + bottom + " of " + area.height)
        })
    }
}
