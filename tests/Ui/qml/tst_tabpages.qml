import QtQuick
import QtTest

// The tab pages are built when first shown, not under the connect screen before the
// window's first frame, and kept once built.
TestCase {
    id: testCase
    name: "TabPages"

    property var window: null
    readonly property var pageNames: ["globalSettingsPage", "applicationSpecificPage", "setUpPage", "aboutPage"]

    function findNamed(item, name) {
        if (item.objectName === name)
            return item
        for (var i = 0; i < item.children.length; ++i) {
            var found = findNamed(item.children[i], name)
            if (found)
                return found
        }
        return null
    }

    function builtPages() {
        return pageNames.filter(function (name) {
            var page = findNamed(window.contentItem, name)
            return page !== null && page.item !== null
        })
    }

    function clickTab(index) {
        var bar = findNamed(window.contentItem, "whiteBarTabs")
        mouseClick(bar, bar.width / 2, 100 + index * 65 + 30)
        tryCompare(window.appController, "selectedTab", index)
    }

    function initTestCase() {
        var component = Qt.createComponent("qrc:/Ui/main.qml")
        compare(component.status, Component.Ready, component.errorString())
        window = component.createObject(null)
        verify(window)
        window.requestActivate()
        waitForRendering(window.contentItem)
    }

    function cleanupTestCase() {
        window.destroy()
    }

    function init() {
        failOnWarning(/.?/)
    }

    function test_pagesAreBuiltWhenFirstShown() {
        compare(builtPages(), [], "no page under the connect screen")
        findNamed(window.contentItem, "connectScreen").visible = false
        compare(builtPages(), ["globalSettingsPage"])
        clickTab(3)
        tryCompare(findNamed(window.contentItem, "aboutPage"), "status", Loader.Ready)
        compare(builtPages(), ["globalSettingsPage", "aboutPage"])
        var about = findNamed(window.contentItem, "aboutPage").item
        clickTab(0)
        compare(findNamed(window.contentItem, "aboutPage").item, about, "kept once built")
        compare(builtPages(), ["globalSettingsPage", "aboutPage"])
    }
}
