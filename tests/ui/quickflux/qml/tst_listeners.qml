import QtQuick 2.0
import QtTest 1.2
import QuickFlux 1.1

TestCase {
    name: "Listeners"

    Component {
        id: listenerComponent
        AppListener {}
    }

    Component {
        id: filteredListenerComponent
        AppListener {
            id: filteredListener
            property var heard: []
            Filter {
                objectName: "filterA"
                type: "A"
                onDispatched: function (type, message) { filteredListener.heard.push("filterA:" + type + ":" + message.n) }
                Filter {
                    types: ["A", "B"]
                    onDispatched: function (type) { filteredListener.heard.push("chained:" + type) }
                }
            }
        }
    }

    Component {
        id: groupComponent
        Item {
            property var log: []
            property alias group: group
            property alias outsider: outsider
            AppListener {
                id: outsider
                onDispatched: log.push("outsider")
            }
            AppListenerGroup {
                id: group
                AppListener {
                    onDispatched: log.push("member")
                }
                Item {
                    AppListener {
                        onDispatched: log.push("nested")
                        AppListener {
                            onDispatched: log.push("inner")
                        }
                    }
                }
            }
        }
    }

    // A parent whose dispatched signal carries its message as a variant.
    Component {
        id: variantSourceComponent
        Item {
            id: variantSource
            property var heard: []
            signal dispatched(string type, var message)
            Filter {
                type: "A"
                onDispatched: function (type, message) { variantSource.heard.push(type + ":" + message.n) }
            }
        }
    }

    Component {
        id: creatorComponent
        ActionCreator {
            signal open(string name, int count)
            signal close()
            function ownHelper() {}
        }
    }

    Component {
        id: emptyCreatorComponent
        ActionCreator {}
    }

    Component {
        id: dispatcherComponent
        Dispatcher {}
    }

    function init() {
        failOnWarning(/.*/)
    }

    function heardTypes(listener) {
        var heard = []
        listener.dispatched.connect(function (type) { heard.push(type) })
        return heard
    }

    function test_filter_rules_data() {
        return [
            {tag: "no rule", filter: "", filters: [], heard: ["A", "B", "C"]},
            {tag: "filter", filter: "A", filters: [], heard: ["A"]},
            {tag: "filters", filter: "", filters: ["B", "C"], heard: ["B", "C"]},
            {tag: "both", filter: "A", filters: ["B"], heard: ["A", "B"]},
            {tag: "case matters", filter: "a", filters: [], heard: []},
        ]
    }

    function test_filter_rules(data) {
        var listener = createTemporaryObject(listenerComponent, this,
                                             {filter: data.filter, filters: data.filters})
        var heard = heardTypes(listener)
        AppDispatcher.dispatch("A")
        AppDispatcher.dispatch("B")
        AppDispatcher.dispatch("C")
        compare(heard, data.heard)
    }

    function test_disabled_listener_hears_only_when_always_on_data() {
        return [
            {tag: "enabled", enabled: true, alwaysOn: false, heard: true},
            {tag: "disabled", enabled: false, alwaysOn: false, heard: false},
            {tag: "disabled, always on", enabled: false, alwaysOn: true, heard: true},
        ]
    }

    function test_disabled_listener_hears_only_when_always_on(data) {
        var listener = createTemporaryObject(listenerComponent, this,
                                             {enabled: data.enabled, alwaysOn: data.alwaysOn})
        var heard = heardTypes(listener)
        var called = 0
        listener.on("A", function () { called++ })
        AppDispatcher.dispatch("A")
        compare(heard.length, data.heard ? 1 : 0)
        compare(called, data.heard ? 1 : 0)
    }

    function test_on_callbacks_by_type() {
        var listener = createTemporaryObject(listenerComponent, this)
        var log = []
        function twice(message) { log.push("twice:" + message) }
        compare(listener.on("A", twice).on("A", twice).on("B", function (message) {
            log.push("b:" + message)
        }), listener)
        AppDispatcher.dispatch("A", 1)
        AppDispatcher.dispatch("B", 2)
        compare(log, ["twice:1", "twice:1", "b:2"])

        log = []
        listener.removeListener("A", twice)
        listener.removeListener("A", function () {})
        AppDispatcher.dispatch("A", 3)
        compare(log, ["twice:3"])

        log = []
        listener.removeAllListener("A")
        AppDispatcher.dispatch("A", 4)
        AppDispatcher.dispatch("B", 5)
        compare(log, ["b:5"])

        log = []
        listener.on("A", twice)
        listener.removeAllListener()
        AppDispatcher.dispatch("A", 6)
        AppDispatcher.dispatch("B", 7)
        compare(log, [])
    }

    function test_a_throwing_on_callback_is_silent_and_the_next_runs() {
        var listener = createTemporaryObject(listenerComponent, this)
        var log = []
        listener.on("A", function () { throw new Error("ignored") })
        listener.on("A", function () { log.push("second") })
        AppDispatcher.dispatch("A")
        compare(log, ["second"])
    }

    function test_listener_ids_grow_and_are_not_reused() {
        var listener = createTemporaryObject(listenerComponent, this)
        var id = listener.listenerId
        verify(id > 0)
        listener.destroy()
        wait(0)
        AppDispatcher.dispatch("after")
        compare(createTemporaryObject(listenerComponent, this).listenerId, id + 1)
    }

    function test_waitFor_between_app_listeners() {
        var log = []
        var first = createTemporaryObject(listenerComponent, this)
        var second = createTemporaryObject(listenerComponent, this)
        first.dispatched.connect(function () { log.push("first") })
        second.dispatched.connect(function () { log.push("second") })
        first.waitFor = [second.listenerId]
        AppDispatcher.dispatch("A")
        compare(log, ["second", "first"])
    }

    function test_group_members_wait_for_the_group_which_waits_for_its_list() {
        var holder = createTemporaryObject(groupComponent, this)
        compare(holder.group.listenerIds.length, 3)
        var later = createTemporaryObject(listenerComponent, this)
        later.dispatched.connect(function () { holder.log.push("later") })
        holder.group.waitFor = [later.listenerId]
        AppDispatcher.dispatch("A")
        // The latest listener runs first: the members wait for the group, the group for it.
        var members = holder.log.filter(function (entry) { return entry !== "outsider" })
        compare(members[0], "later")
        compare(members.slice(1).sort(), ["inner", "member", "nested"])
    }

    function test_a_listener_waiting_for_the_group_runs_after_every_member() {
        var holder = createTemporaryObject(groupComponent, this)
        holder.outsider.waitFor = holder.group.listenerIds
        AppDispatcher.dispatch("A")
        compare(holder.log.slice(0, 3).sort(), ["inner", "member", "nested"])
        compare(holder.log[3], "outsider")
    }

    function test_filters_in_a_listener_and_in_a_filter() {
        var listener = createTemporaryObject(filteredListenerComponent, this)
        AppDispatcher.dispatch("A", {n: 1})
        AppDispatcher.dispatch("B", {n: 2})
        compare(listener.heard, ["filterA:A:1", "chained:A"])
    }

    function test_filter_on_a_variant_signal() {
        var source = createTemporaryObject(variantSourceComponent, this)
        source.dispatched("A", {n: 1})
        source.dispatched("B", {n: 2})
        compare(source.heard, ["A:1"])
    }

    function test_filter_type_and_types() {
        var listener = createTemporaryObject(filteredListenerComponent, this)
        var filter = listener.data[0]
        compare(filter.objectName, "filterA")
        var typeSpy = createTemporaryQmlObject("import QtTest 1.2; SignalSpy { signalName: \"typeChanged\" }", this)
        typeSpy.target = filter
        filter.types = []
        compare(filter.type, "")
        filter.type = "Z"
        compare(filter.types, ["Z"])
        compare(typeSpy.count, 2)
    }

    function test_action_creator_message_keys_follow_parameter_names() {
        var dispatcher = createTemporaryObject(dispatcherComponent, this)
        var creator = createTemporaryObject(creatorComponent, this, {dispatcher: dispatcher})
        var log = []
        dispatcher.addListener(function (type, message) {
            log.push(type + ":" + JSON.stringify(message) + ":" + Object.keys(message).join(","))
        })
        creator.open("file", 3)
        creator.close()
        creator.dispatch("direct", {x: 1})
        compare(log, ['open:{"count":3,"name":"file"}:count,name', 'close:{}:', 'direct:{"x":1}:x'])
    }

    function test_action_creator_defaults_to_app_dispatcher_and_follows_a_new_one() {
        var creator = createTemporaryObject(creatorComponent, this)
        compare(creator.dispatcher, AppDispatcher)
        var heard = heardTypes(createTemporaryObject(listenerComponent, this))
        creator.close()
        compare(heard, ["close"])

        var dispatcher = createTemporaryObject(dispatcherComponent, this)
        var moved = []
        dispatcher.dispatched.connect(function (type) { moved.push(type) })
        creator.dispatcher = dispatcher
        creator.close()
        compare(heard, ["close"])
        compare(moved, ["close"])
    }

    function test_gen_key_table_data() {
        return [
            {tag: "no signals", component: emptyCreatorComponent,
             text: "pragma Singleton\nimport QtQuick 2.0\nimport QuickFlux 1.0\n\nKeyTable {\n\n}"},
            {tag: "two signals", component: creatorComponent,
             text: "pragma Singleton\nimport QtQuick 2.0\nimport QuickFlux 1.0\n\nKeyTable {\n\n" +
                   "    property string open;\n\n    property string close;\n\n}"},
        ]
    }

    function test_gen_key_table(data) {
        var creator = createTemporaryObject(data.component, this)
        compare(creator.genKeyTable(), data.text)
    }
}
