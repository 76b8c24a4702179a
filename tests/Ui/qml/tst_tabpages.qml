import QtQuick
import QtTest
import "Find.js" as Find

// The tab pages are built when first shown, not under the connect screen before the
// window's first frame, and kept once built.
WindowTestCase {
    id: testCase
    name: "TabPages"

    readonly property var pageNames: ["globalSettingsPage", "applicationSpecificPage", "setUpPage", "aboutPage"]

    function builtPages() {
        return pageNames.filter(function (name) {
            var page = Find.named(window.contentItem, name)
            return page !== null && page.item !== null
        })
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

    function test_pagesAreBuiltWhenFirstShown() {
        compare(builtPages(), [], "no page under the connect screen")
        Find.named(window.contentItem, "connectScreen").visible = false
        compare(builtPages(), ["globalSettingsPage"])
        showTab(3)
        tryCompare(Find.named(window.contentItem, "aboutPage"), "status", Loader.Ready)
        compare(builtPages(), ["globalSettingsPage", "aboutPage"])
        var about = Find.named(window.contentItem, "aboutPage").item
        showTab(0)
        compare(Find.named(window.contentItem, "aboutPage").item, about, "kept once built")
        compare(builtPages(), ["globalSettingsPage", "aboutPage"])
    }
}
