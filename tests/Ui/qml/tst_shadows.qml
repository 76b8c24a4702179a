import QtQuick
import QtTest
import PelvaneApp 1.0
import "Find.js" as Find
import "Contrast.js" as Contrast

// The window's soft shadows, through the whole window in both themes. Each pixel is compared
// with what lies behind the widget (the same place with the widget at opacity 0): a
// see-through button shows what is behind it, with its label as legible as the theme's
// colours make it; a filled widget has a shadow that fades over its radius without a step;
// the theme switcher's shadow follows its bubble and arrow; the numbers on the controller's
// picture have a soft halo.
WindowTestCase {
    id: testCase
    name: "Shadows"
    when: windowShown

    // The largest difference of two colours' channels, in levels of 255.
    function difference(a, b) {
        return Math.round(255 * Math.max(Math.abs(a.r - b.r), Math.abs(a.g - b.g), Math.abs(a.b - b.b)))
    }
    // How much darker the shown colour is than the one behind, in levels of 255.
    function darkening(shown, behind) {
        return 255 * (behind.r + behind.g + behind.b - shown.r - shown.g - shown.b) / 3
    }

    // Nothing under the pointer: a hovered button draws no shadow.
    function moveAway() {
        mouseMove(window.contentItem, 620, window.height - 3)
    }

    // The window with item drawn, and with hidden (item by default) at opacity 0.
    function grabBoth(item, hidden) {
        hidden = hidden || item
        waitForRendering(window.contentItem)
        var shown = grabImage(window.contentItem)
        var kept = hidden.opacity
        hidden.opacity = 0
        waitForRendering(window.contentItem)
        var behind = grabImage(window.contentItem)
        hidden.opacity = kept
        return {
            "shown": shown,
            "behind": behind
        }
    }

    function at(image, item, x, y) {
        var point = item.mapToItem(window.contentItem, x, y)
        return image.pixel(Math.floor(point.x), Math.floor(point.y))
    }

    // A fade read outward from an edge, d[k] the darkening k pixels beyond it: visible, with no
    // step larger than 30 % of its depth, still seen over half the radius past the offset, and
    // ended past the radius.
    function verifyFade(what, d, offset, radius) {
        var peak = Math.max.apply(null, d)
        verify(peak >= 6, what + ": no shadow, " + d.map(Math.round))
        var last = -1
        for (var k = 0; k < d.length; ++k) {
            if (k + 1 < d.length)
                verify(Math.abs(d[k + 1] - d[k]) <= 0.3 * peak + 1, what + ": a step at " + k + ", " + d.map(Math.round))
            if (d[k] >= 1)
                last = k
        }
        verify(last >= offset + radius / 2, what + ": fades out after " + last + " px, " + d.map(Math.round))
        verify(d[d.length - 1] <= 1, what + ": no end, " + d.map(Math.round))
    }

    function show(data) {
        if (data.tab !== undefined)
            clickTab(data.tab)
        if (data.open)
            window[data.open]()
    }

    function initTestCase() {
        windowFixture.useFactoryPreferences()
        openWindow()
        showMax()
        closeStartUpAlerts()
        closeAccountPopupOnceOpen()
        // A second profile, for a row that expands.
        window.appController.addProfile("Second")
        clickTab(0)
    }

    function cleanupTestCase() {
        window.destroy()
        windowFixture.useFactoryPreferences()
    }

    function init() {
        failOnWarning(/.?/)
    }

    // What a test opened is closed, even when it failed.
    function cleanup() {
        window.closeLoginWindow()
        window.hideProfileMenu()
        window.hideAddNewAppConfigurationContextWindow()
        window.hideThemeSwitcher()
        clickTab(0)
    }

    function test_seeThroughButtonsShowWhatIsBehindThem_data() {
        return [{
                "tag": "About: Check for updates",
                "tab": 3,
                "name": "checkUpdatesButton"
            }, {
                "tag": "About: Reset to factory settings",
                "tab": 3,
                "name": "resetFactoryButton"
            }, {
                "tag": "Application specific: New",
                "tab": 1,
                "name": "newContextButton"
            }, {
                "tag": "account: Sign in",
                "open": "openLoginWindow",
                "name": "loginButton"
            }, {
                "tag": "account: Create a new account",
                "open": "openLoginWindow",
                "name": "registerButton"
            }, {
                "tag": "account: Microsoft",
                "open": "openLoginWindow",
                "name": "microsoftButton"
            }, {
                "tag": "account: Google",
                "open": "openLoginWindow",
                "name": "googleButton"
            }, {
                "tag": "profile menu: Create new profile",
                "open": "openProfileMenu",
                "name": "createProfileButton"
            }, {
                "tag": "new program dialog: Cancel",
                "open": "showAddNewAppConfigurationContextWindow",
                "name": "contextCancelButton"
            }]
    }

    // The named item once it is built and shown (pages and overlays are built when first
    // shown), and at rest (a tab's page slides in).
    function shown(name) {
        var item = null
        tryVerify(function () {
            item = Find.named(window.contentItem, name)
            return item !== null && item.visible && item.width > 0 && item.height > 0
        }, 5000, name)
        // At rest: the same place over a few frames.
        var last = null, still = 0
        for (var tries = 0; tries < 100 && still < 3; ++tries) {
            wait(50)
            var place = item.mapToItem(window.contentItem, 0, 0)
            still = last !== null && place.x === last.x && place.y === last.y ? still + 1 : 0
            last = place
        }
        verify(still === 3, name + " moves")
        return item
    }

    function test_seeThroughButtonsShowWhatIsBehindThem(data) {
        show(data)
        var button = shown(data.name)
        verify(!button.disabled && button.haveShadow)
        var label = null
        for (var i = 0; i < button.children.length; ++i) {
            if (button.children[i].text === button.btnText)
                label = button.children[i]
        }
        verify(label)
        eachTheme(function (theme) {
            moveAway()
            tryVerify(function () {
                return !button.hovered
            })
            var images = grabBoth(button)
            // Inside the pill, away from its border and its label.
            var worst = 0, where = ""
            for (var y = 3; y <= button.height - 4; y += 2) {
                for (var x = button.height / 2; x <= button.width - button.height / 2; x += 3) {
                    if (x >= label.x - 1 && x <= label.x + label.width + 1 && y >= label.y - 1 && y <= label.y + label.height + 1)
                        continue
                    var seen = difference(at(images.shown, button, x, y), at(images.behind, button, x, y))
                    if (seen > worst) {
                        worst = seen
                        where = x + "," + y
                    }
                }
            }
            verify(worst <= 4, data.tag + ", theme " + theme + ": " + worst + " levels from what is behind at " + where)
            // The label reads against what is behind it as the theme's text colour does.
            var behind = at(images.behind, button, button.height / 2, button.height / 2)
            var expected = Contrast.ratio(PelvaneThemesManager.buttonTextColor, behind)
            var seenContrast = Contrast.ratio(label.color, at(images.shown, button, button.height / 2, button.height / 2))
            verify(Math.abs(seenContrast - expected) <= 0.03 * expected, data.tag + ", theme " + theme + ": contrast " + seenContrast.toFixed(2) + " for " + expected.toFixed(2))
        })
    }

    function test_filledWidgetsCastAFadingShadow_data() {
        return [{
                "tag": "current tab",
                "tab": 0,
                "name": "tab0",
                "column": 0.5,
                "offset": function () {
                    return PelvaneThemesManager.dropShadowVOffsetItemTab
                },
                "radius": 10
            }, {
                "tag": "expanded profile row",
                "open": "openProfileMenu",
                "name": "profileRow1",
                "expand": 1,
                "column": 0.95,
                "offset": function () {
                    return 3
                },
                "radius": 10
            }, {
                "tag": "new program dialog: Apply",
                "open": "showAddNewAppConfigurationContextWindow",
                "name": "contextApplyButton",
                "column": 0.5,
                "offset": function () {
                    return 4
                },
                "radius": 5
            }]
    }

    function test_filledWidgetsCastAFadingShadow(data) {
        show(data)
        if (data.expand !== undefined)
            Find.named(window.contentItem, "profileMenu").expandedIndex = data.expand
        var item = shown(data.name)
        eachTheme(function (theme) {
            moveAway()
            var images = grabBoth(item)
            var offset = data.offset(), d = []
            // From the first whole pixel below the widget.
            for (var k = 0; k <= offset + data.radius + 3; ++k) {
                var x = item.width * data.column, y = item.height + 1 + k
                d.push(darkening(at(images.shown, item, x, y), at(images.behind, item, x, y)))
            }
            verifyFade(data.tag + ", theme " + theme, d, offset, data.radius)
        })
    }

    function test_themeSwitcherShadowFollowsItsBubbleAndArrow() {
        var bar = Find.named(window.contentItem, "themeSwitcher")
        eachTheme(function (theme) {
            window.showThemeSwitcher()
            moveAway()
            // Behind the switcher: the window with the switcher closed.
            waitForRendering(window.contentItem)
            var images = {
                "shown": grabImage(window.contentItem)
            }
            window.hideThemeSwitcher()
            waitForRendering(window.contentItem)
            images.behind = grabImage(window.contentItem)
            var what = "theme " + theme + ": "
            // Beside the arrow, above the bubble, is what is behind.
            var arrowLeft = bar.width / 2 - bar.arrowWidth / 2, arrowRight = bar.width / 2 + bar.arrowWidth / 2
            for (var across = 2; across < bar.width - 2; across += 3) {
                if (across > arrowLeft - 12 && across < arrowRight + 12)
                    continue
                verify(difference(at(images.shown, bar, across, 2), at(images.behind, bar, across, 2)) <= 2, what + "the band beside the arrow is covered at " + across)
            }
            // The arrow's slanted side casts a shadow too.
            var side = bar.width / 2 - (bar.arrowWidth / 2) * 8 / bar.arrowHeight - 3
            verify(darkening(at(images.shown, bar, side, 8), at(images.behind, bar, side, 8)) >= 4, what + "no shadow beside the arrow")
            // Below the bubble, where the tab area is bare, the shadow fades.
            var d = [], x = bar.width * 0.15
            for (var k = 0; k <= 2 + 10 + 3; ++k)
                d.push(darkening(at(images.shown, bar, x, bar.height + 1 + k), at(images.behind, bar, x, bar.height + 1 + k)))
            verifyFade(what + "below the bubble", d, 2, 10)
        })
    }

    function test_buttonNumbersHaveASoftHalo_data() {
        return [{
                "tag": "a white number",
                "number": 14
            }, {
                "tag": "a black number",
                "number": 1
            }]
    }

    function test_buttonNumbersHaveASoftHalo(data) {
        clickTab(0)
        var number = shown("number" + data.number)
        compare(number.style, Text.Normal)
        var halo = Find.named(window.contentItem, "numberShadow" + data.number)
        verify(halo)
        moveAway()
        var images = grabBoth(number, halo)
        // Leftwards from the number's box, on its middle line: a halo that fades over a few
        // pixels, not a rim one pixel wide.
        var d = []
        for (var k = 0; k <= 8; ++k)
            d.push(darkening(at(images.shown, number, -1 - k, number.height / 2), at(images.behind, number, -1 - k, number.height / 2)))
        verify(d[0] >= 4, "no halo: " + d.map(Math.round))
        verify(d[2] >= 2, "the halo stops short: " + d.map(Math.round))
        verify(d[8] <= 1, "the halo does not end: " + d.map(Math.round))
        for (k = 0; k + 1 < d.length; ++k)
            verify(d[k + 1] <= d[k] + 1, "the halo does not fade: " + d.map(Math.round))
    }
}
