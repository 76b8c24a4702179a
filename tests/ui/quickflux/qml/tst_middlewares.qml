import QtQuick 2.0
import QtTest 1.2
import QuickFlux 1.1

TestCase {
    name: "Middlewares"

    Component {
        id: dispatcherComponent
        Dispatcher {}
    }

    // One middleware whose behaviour the test picks; the listener log records the result.
    Component {
        id: behaviourComponent
        Item {
            id: root
            property string mode
            property alias dispatcher: dispatcher
            property var held: []
            Dispatcher { id: dispatcher }
            MiddlewareList {
                applyTarget: dispatcher
                Middleware {
                    id: middleware
                    filterFunctionEnabled: root.mode === "filter function"
                    Timer {
                        id: release
                        interval: 0
                        onTriggered: {
                            while (root.held.length > 0) {
                                var action = root.held.shift()
                                middleware.next(action.type, action.message)
                            }
                        }
                    }
                    function special(message) {
                        next("special", {n: message.n * 100})
                    }
                    function dispatch(type, message) {
                        switch (root.mode) {
                        case "pass":
                        case "filter function":
                            next(type, message)
                            break
                        case "double":
                            next(type, message)
                            next(type, message)
                            break
                        case "retype":
                            next(type + "!", {n: message.n + 1})
                            break
                        case "delay":
                            root.held.push({type: type, message: message})
                            release.start()
                            break
                        }
                    }
                }
            }
        }
    }

    // Appends its mark to each type it passes on.
    Component {
        id: markingListComponent
        MiddlewareList {
            property string mark
            Middleware {
                function dispatch(type, message) {
                    next(type + mark, message)
                }
            }
        }
    }

    Component {
        id: timerFirstComponent
        MiddlewareList {
            Timer {}
            Filter {}
            Middleware {
                function dispatch(type, message) { next(type + "-a", message) }
            }
            Item {}
            Middleware {
                function dispatch(type, message) { next(type + "-b", message) }
            }
        }
    }

    Component {
        id: emptyListComponent
        MiddlewareList {}
    }

    Component {
        id: creatorComponent
        ActionCreator {
            signal ping(int n)
        }
    }

    // A middleware holds A back on a timer and passes everything else at once.
    Component {
        id: holdingComponent
        Item {
            id: root
            property alias dispatcher: dispatcher
            property var held: []
            Dispatcher { id: dispatcher }
            MiddlewareList {
                applyTarget: dispatcher
                Middleware {
                    id: holder
                    Timer {
                        id: release
                        interval: 0
                        onTriggered: {
                            var action = root.held.shift()
                            holder.next(action.type, action.message)
                        }
                    }
                    function dispatch(type, message) {
                        if (type === "A") {
                            root.held.push({type: type, message: message})
                            release.start()
                        } else {
                            next(type, message)
                        }
                    }
                }
            }
        }
    }

    function init() {
        failOnWarning(/.*/)
    }

    function record(dispatcher) {
        var log = []
        dispatcher.addListener(function (type, message) {
            log.push(message === undefined ? type : type + ":" + message.n)
        })
        return log
    }

    function test_middleware_behaviours_data() {
        return [
            {tag: "pass", mode: "pass", log: ["x:1", "special:2"]},
            {tag: "block", mode: "block", log: []},
            {tag: "double", mode: "double", log: ["x:1", "x:1", "special:2", "special:2"]},
            {tag: "retype", mode: "retype", log: ["x!:2", "special!:3"]},
            {tag: "delay", mode: "delay", log: ["x:1", "special:2"]},
            {tag: "filter function", mode: "filter function", log: ["x:1", "special:200"]},
        ]
    }

    function test_middleware_behaviours(data) {
        var holder = createTemporaryObject(behaviourComponent, this, {mode: data.mode})
        var log = record(holder.dispatcher)
        holder.dispatcher.dispatch("x", {n: 1})
        holder.dispatcher.dispatch("special", {n: 2})
        tryVerify(function () { return holder.held.length === 0 })
        wait(0)
        compare(log, data.log)
    }

    function test_an_empty_list_passes_actions_unchanged() {
        var dispatcher = createTemporaryObject(dispatcherComponent, this)
        createTemporaryObject(emptyListComponent, this, {applyTarget: dispatcher})
        var log = record(dispatcher)
        dispatcher.dispatch("x", {n: 1})
        compare(log, ["x:1"])
    }

    function test_other_objects_in_the_list_leave_the_middlewares_linked() {
        var dispatcher = createTemporaryObject(dispatcherComponent, this)
        var list = createTemporaryObject(timerFirstComponent, this)
        list.applyTarget = dispatcher
        var log = record(dispatcher)
        dispatcher.dispatch("x", {n: 1})
        compare(log, ["x-a-b:1"])
    }

    function test_a_list_moved_to_another_dispatcher_leaves_the_first_direct() {
        var first = createTemporaryObject(dispatcherComponent, this)
        var second = createTemporaryObject(dispatcherComponent, this)
        var list = createTemporaryObject(markingListComponent, this, {mark: "+", applyTarget: first})
        var firstLog = record(first)
        var secondLog = record(second)
        first.dispatch("x")
        list.applyTarget = second
        list.applyTarget = second
        first.dispatch("y")
        second.dispatch("z")
        compare(firstLog, ["x+", "y"])
        compare(secondLog, ["z+"])
    }

    function test_a_list_leaving_keeps_the_hook_of_the_list_that_replaced_it() {
        var shared = createTemporaryObject(dispatcherComponent, this)
        var elsewhere = createTemporaryObject(dispatcherComponent, this)
        var one = createTemporaryObject(markingListComponent, this, {mark: "1", applyTarget: shared})
        createTemporaryObject(markingListComponent, this, {mark: "2", applyTarget: shared})
        var sharedLog = record(shared)
        var elsewhereLog = record(elsewhere)
        shared.dispatch("x")
        one.applyTarget = elsewhere
        shared.dispatch("y")
        elsewhere.dispatch("z")
        wait(0)
        shared.dispatch("w")
        compare(sharedLog, ["x2", "y2", "w2"])
        compare(elsewhereLog, ["z1"])
    }

    function test_a_list_moved_while_its_chain_is_running() {
        var first = createTemporaryObject(dispatcherComponent, this)
        var second = createTemporaryObject(dispatcherComponent, this)
        var list = createTemporaryObject(markingListComponent, this, {mark: "+", applyTarget: first})
        var firstLog = record(first)
        var secondLog = record(second)
        first.addListener(function () { list.applyTarget = second })
        first.dispatch("x")
        wait(0)
        first.dispatch("y")
        second.dispatch("z")
        compare(firstLog, ["x+", "y"])
        compare(secondLog, ["z+"])
    }

    function test_an_invalid_target_warns_and_unhooks_the_dispatcher() {
        var dispatcher = createTemporaryObject(dispatcherComponent, this)
        var list = createTemporaryObject(markingListComponent, this, {mark: "+", applyTarget: dispatcher})
        var log = record(dispatcher)
        ignoreWarning("Middlewares.apply(): Invalid input")
        list.apply(list)
        dispatcher.dispatch("x")
        compare(log, ["x"])
    }

    function test_a_list_on_an_action_creator_follows_its_dispatcher() {
        var first = createTemporaryObject(dispatcherComponent, this)
        var second = createTemporaryObject(dispatcherComponent, this)
        var creator = createTemporaryObject(creatorComponent, this, {dispatcher: first})
        createTemporaryObject(markingListComponent, this, {mark: "+", applyTarget: creator})
        var firstLog = record(first)
        var secondLog = record(second)
        creator.ping(1)
        creator.dispatcher = second
        creator.ping(2)
        first.dispatch("direct")
        compare(firstLog, ["ping+:1", "direct"])
        compare(secondLog, ["ping+:2"])
    }

    function test_a_destroyed_list_leaves_the_dispatcher_direct() {
        var dispatcher = createTemporaryObject(dispatcherComponent, this)
        var list = createTemporaryObject(markingListComponent, this, {mark: "+", applyTarget: dispatcher})
        var log = record(dispatcher)
        list.destroy()
        wait(0)
        dispatcher.dispatch("x")
        compare(log, ["x"])
    }

    function test_list_next_forwards_to_its_hook() {
        var dispatcher = createTemporaryObject(dispatcherComponent, this)
        var list = createTemporaryObject(markingListComponent, this, {mark: "+", applyTarget: dispatcher})
        var log = record(dispatcher)
        list.next(-1, "x", {n: 1})
        list.next(0, "y", {n: 2})
        compare(log, ["x+:1", "y:2"])
    }

    function test_an_action_held_back_is_delivered_whole_before_one_dispatched_meanwhile() {
        var holder = createTemporaryObject(holdingComponent, this)
        var d = holder.dispatcher
        var log = []
        var ids = {}
        ids.first = d.addListener(function (type) {
            d.waitFor([ids.second])
            log.push("1:" + type)
            if (type === "A")
                d.dispatch("B")
        })
        ids.second = d.addListener(function (type) { log.push("2:" + type) })
        d.dispatched.connect(function (type) { log.push("dispatched:" + type) })
        d.dispatch("A")
        compare(log, [])
        tryVerify(function () {
            return log.indexOf("dispatched:A") >= 0 && log.indexOf("dispatched:B") >= 0
        })
        compare(log, ["2:A", "1:A", "dispatched:A", "2:B", "1:B", "dispatched:B"])
    }
}
