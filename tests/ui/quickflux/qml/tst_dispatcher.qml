import QtQuick 2.0
import QtTest 1.2
import QuickFlux 1.1

TestCase {
    name: "Dispatcher"

    Component {
        id: dispatcherComponent
        Dispatcher {}
    }

    function init() {
        failOnWarning(/.*/)
    }

    function freshDispatcher() {
        return createTemporaryObject(dispatcherComponent, this)
    }

    // Records every delivery and every dispatched signal of a dispatcher, in one log.
    function recordDispatched(dispatcher, log) {
        dispatcher.dispatched.connect(function (type) { log.push("dispatched:" + type) })
    }

    function test_listeners_run_in_registration_order_with_ids_from_one() {
        var d = freshDispatcher()
        var log = []
        compare(d.addListener(function (type, message) { log.push("1:" + type + ":" + message.value) }), 1)
        compare(d.addListener(function (type, message) { log.push("2:" + type + ":" + message.value) }), 2)
        recordDispatched(d, log)
        d.dispatch("a", {value: 7})
        compare(log, ["1:a:7", "2:a:7", "dispatched:a"])
    }

    function test_dispatch_without_listeners_emits_dispatched_once() {
        var d = freshDispatcher()
        var log = []
        recordDispatched(d, log)
        d.dispatch("alone")
        compare(log, ["dispatched:alone"])
    }

    function test_dispatch_without_message_delivers_undefined() {
        var d = freshDispatcher()
        var seen = null
        d.addListener(function (type, message) { seen = typeof message })
        d.dispatch("bare")
        compare(seen, "undefined")
    }

    function test_nested_dispatch_follows_the_outer_dispatched() {
        var d = freshDispatcher()
        var log = []
        d.addListener(function (type) {
            log.push("1:" + type)
            if (type === "outer")
                d.dispatch("inner")
        })
        d.addListener(function (type) { log.push("2:" + type) })
        recordDispatched(d, log)
        d.dispatch("outer")
        compare(log, ["1:outer", "2:outer", "dispatched:outer", "1:inner", "2:inner", "dispatched:inner"])
    }

    function test_waitFor_runs_each_listener_once_in_the_asked_order() {
        var d = freshDispatcher()
        var log = []
        var ids = {}
        ids.first = d.addListener(function () {
            d.waitFor([ids.third])
            log.push("first")
        })
        ids.second = d.addListener(function () { log.push("second") })
        ids.third = d.addListener(function () {
            d.waitFor([ids.second])
            log.push("third")
        })
        d.dispatch("a")
        compare(log, ["second", "third", "first"])
    }

    function test_waitFor_outside_a_delivery_or_empty_does_nothing() {
        var d = freshDispatcher()
        var log = []
        var id = d.addListener(function () {
            d.waitFor([])
            log.push("ran")
        })
        d.waitFor([id])
        compare(log, [])
        d.dispatch("a")
        compare(log, ["ran"])
    }

    function test_mutual_waitFor_warns_once_and_runs_each_once() {
        var d = freshDispatcher()
        var log = []
        var ids = {}
        ids.a = d.addListener(function () {
            d.waitFor([ids.b])
            log.push("a")
        })
        ids.b = d.addListener(function () {
            d.waitFor([ids.a])
            log.push("b")
        })
        ignoreWarning("AppDispatcher: Cyclic dependency detected")
        d.dispatch("x")
        compare(log, ["b", "a"])
    }

    function test_a_throwing_callback_is_reported_and_the_rest_run() {
        var d = freshDispatcher()
        var log = []
        d.addListener(function () { throw new Error("broken listener") })
        d.addListener(function () { log.push("second") })
        ignoreWarning(/^.*tst_dispatcher\.qml:\d+: Error: broken listener$/)
        d.dispatch("x")
        compare(log, ["second"])
    }

    function test_a_listener_removed_during_delivery_is_skipped() {
        var d = freshDispatcher()
        var log = []
        var ids = {}
        ids.first = d.addListener(function () {
            log.push("first")
            d.removeListener(ids.second)
        })
        ids.second = d.addListener(function () { log.push("second") })
        d.dispatch("x")
        d.dispatch("y")
        compare(log, ["first", "first"])
    }

    function test_listener_added_during_delivery_hears_the_next_action() {
        var d = freshDispatcher()
        var log = []
        var added = false
        d.addListener(function (type) {
            if (!added) {
                added = true
                d.addListener(function (type) { log.push("late:" + type) })
            }
        })
        d.dispatch("x")
        d.dispatch("y")
        compare(log, ["late:y"])
    }

    function test_removed_ids_are_never_handed_out_again() {
        var d = freshDispatcher()
        var first = d.addListener(function () {})
        d.removeListener(first)
        d.removeListener(99)
        compare(d.addListener(function () {}), first + 1)
    }
}
