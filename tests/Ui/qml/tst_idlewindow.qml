import QtQuick
import QtTest
import "Find.js" as Find

// A window at rest draws nothing. While the connect screen covers the window, nothing
// under it costs a frame: not the bars and pages, not the account popup that opens behind
// it. Once seen, the popup's badge rocks, and the pause between two rocks draws nothing.
WindowTestCase {
    id: testCase
    name: "IdleWindow"

    property int frames: 0

    Connections {
        target: testCase.window
        function onFrameSwapped() {
            testCase.frames++
        }
    }

    // True once `span` ms pass without a frame, trying at most `tries` times.
    function quietWithin(span, tries) {
        for (var i = 0; i < tries; ++i) {
            frames = 0
            wait(span)
            if (frames === 0)
                return true
        }
        return false
    }

    // True once a whole second passes without a frame, trying for at most `seconds`.
    function quietSecondWithin(seconds) {
        return quietWithin(1000, seconds)
    }

    function initTestCase() {
        openWindow()
    }

    function cleanupTestCase() {
        window.destroy()
    }

    function init() {
        failOnWarning(/.?/)
    }

    // Behind the connect screen the first frame waits for nothing else: the bars, the tab
    // area and every overlay are built when they are first shown.
    function test_0_coveredWindowHoldsOnlyTheConnectScreen() {
        var connectScreen = Find.named(window.contentItem, "connectScreen")
        verify(connectScreen.visible)
        verify(connectScreen.item)
        compare(Find.named(window.contentItem, "blueBarProducts"), null)
        compare(Find.named(window.contentItem, "whiteBarTabs"), null)
        var built = []
        for (var i = 0; i < window.contentItem.children.length; ++i) {
            var child = window.contentItem.children[i]
            if (child !== connectScreen && child.item)
                built.push(child.item.toString())
        }
        compare(built, [])
    }

    function test_1_coveredWindowRendersNoFrame() {
        verify(Find.named(window.contentItem, "connectScreen").visible)
        window.openLoginWindow()
        verify(quietSecondWithin(20), "the window never came to rest")
        // Longer than a rock of the badge and its pause together. A stray frame (the test
        // harness's own windows, a focus change) only postpones it.
        verify(quietWithin(3000, 4), "the covered window keeps drawing")
    }

    function test_2_badgeRocksOnlyWhileSeen() {
        frames = 0
        var connectScreen = Find.named(window.contentItem, "connectScreen")
        connectScreen.visible = false
        // Gone for the run, it keeps nothing of what it drew.
        compare(connectScreen.item, null)
        verify(Find.named(window.contentItem, "blueBarProducts"))
        tryVerify(function () {
            return testCase.frames > 0
        })
        // The 2 s pause between rocks holds a whole second without a frame.
        verify(quietSecondWithin(6), "the window draws through the badge's pause")
        // The next rock comes after the pause.
        frames = 0
        tryVerify(function () {
            return testCase.frames > 0
        }, 3000)
        window.closeLoginWindow()
        verify(quietSecondWithin(20), "the window never came to rest")
        verify(quietWithin(3000, 4), "the window keeps drawing once the popup is closed")
    }
}
