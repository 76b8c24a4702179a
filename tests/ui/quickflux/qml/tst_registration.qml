import QtQuick 2.0
import QtTest 1.2
import QuickFlux 1.1

TestCase {
    name: "Registration"

    function init() {
        failOnWarning(/.*/)
    }

    // Null when the document does not load.
    function tryCreate(text) {
        try {
            var object = Qt.createQmlObject(text, this)
            object.destroy()
            return object
        } catch (error) {
            return null
        }
    }

    function test_types_of_version_1_0_data() {
        return [
            {tag: "AppListener", type: "AppListener"},
            {tag: "AppScript", type: "AppScript"},
            {tag: "AppScriptGroup", type: "AppScriptGroup"},
            {tag: "AppListenerGroup", type: "AppListenerGroup"},
            {tag: "KeyTable", type: "KeyTable"},
            {tag: "ActionCreator", type: "ActionCreator"},
            {tag: "Filter", type: "Filter"},
        ]
    }

    function test_types_of_version_1_0(data) {
        verify(tryCreate("import QuickFlux 1.0; " + data.type + " {}") !== null)
        verify(tryCreate("import QuickFlux 1.1; " + data.type + " {}") !== null)
    }

    function test_types_only_in_version_1_1_data() {
        return [
            {tag: "Dispatcher", type: "Dispatcher"},
            {tag: "Store", type: "Store"},
            {tag: "MiddlewareList", type: "MiddlewareList"},
            {tag: "Middleware", type: "Middleware"},
        ]
    }

    function test_types_only_in_version_1_1(data) {
        compare(tryCreate("import QuickFlux 1.0; " + data.type + " {}"), null)
        verify(tryCreate("import QuickFlux 1.1; " + data.type + " {}") !== null)
    }

    function test_hydrate_singleton_only_in_version_1_1() {
        compare(tryCreate("import QtQuick 2.0; import QuickFlux 1.0; QtObject { property string h: typeof Hydrate }").h,
                "undefined")
        compare(tryCreate("import QtQuick 2.0; import QuickFlux 1.1; QtObject { property string h: typeof Hydrate }").h,
                "object")
    }

    function test_app_dispatcher_is_one_per_engine_and_seen_under_1_1() {
        var holder = tryCreate("import QtQuick 2.0; import QuickFlux 1.1; QtObject { property var d: AppDispatcher }")
        verify(holder.d !== null)
        compare(holder.d, AppDispatcher)
    }
}
