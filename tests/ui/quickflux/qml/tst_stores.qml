import QtQuick 2.0
import QtTest 1.2
import QuickFlux 1.1

TestCase {
    id: testCase
    name: "Stores"

    property int storesDestroyed: 0

    Component {
        id: treeComponent
        Item {
            id: root
            property var log: []
            property alias dispatcher: dispatcher
            property alias store: parentStore
            Dispatcher { id: dispatcher }
            Store {
                id: other
                filterFunctionEnabled: true
                function ping(message) { root.log.push("target:" + message) }
            }
            Store {
                id: parentStore
                bindSource: dispatcher
                filterFunctionEnabled: true
                redispatchTargets: [other]
                function ping(message) { root.log.push("parent:" + message) }
                function pong() { root.log.push("parent pong") }
                onDispatched: function (type) { root.log.push("dispatched:" + type) }
                Store {
                    filterFunctionEnabled: true
                    function ping(message) { root.log.push("child:" + message) }
                }
                Filter {
                    type: "ping"
                    onDispatched: root.log.push("filter")
                }
            }
        }
    }

    Component {
        id: handlerStoreComponent
        Store {
            property var log: []
            function ping(message) { log.push("ping:" + message) }
            Component.onDestruction: testCase.storesDestroyed++
        }
    }

    Component {
        id: dispatcherComponent
        Dispatcher {}
    }

    Component {
        id: creatorComponent
        ActionCreator {
            signal ping(int n)
        }
    }

    function init() {
        failOnWarning(/.*/)
    }

    function test_children_and_targets_handle_before_the_store_itself() {
        var holder = createTemporaryObject(treeComponent, this)
        holder.dispatcher.addListener(function (type) { holder.log.push("listener:" + type) })
        holder.dispatcher.dispatch("ping", 1)
        compare(holder.log, ["listener:ping", "child:1", "target:1", "parent:1",
                             "dispatched:ping", "filter"])
        holder.log = []
        holder.dispatcher.dispatch("pong")
        compare(holder.log, ["listener:pong", "parent pong", "dispatched:pong"])
    }

    function test_handlers_only_with_filter_functions_enabled_data() {
        return [
            {tag: "enabled", enabled: true, log: ["ping:1"]},
            {tag: "disabled", enabled: false, log: []},
        ]
    }

    function test_handlers_only_with_filter_functions_enabled(data) {
        var store = createTemporaryObject(handlerStoreComponent, this,
                                          {filterFunctionEnabled: data.enabled})
        var heard = []
        store.dispatched.connect(function (type) { heard.push(type) })
        store.dispatch("ping", 1)
        compare(store.log, data.log)
        compare(heard, ["ping"])
    }

    function test_actions_named_like_the_stores_own_methods_call_nothing() {
        var dispatcher = createTemporaryObject(dispatcherComponent, this)
        var store = createTemporaryObject(handlerStoreComponent, this,
                                          {filterFunctionEnabled: true, bindSource: dispatcher})
        var destroyedBefore = storesDestroyed
        dispatcher.dispatch("deleteLater")
        dispatcher.dispatch("setup")
        dispatcher.dispatch("dispatch", "again")
        wait(0)
        compare(storesDestroyed, destroyedBefore)
        dispatcher.dispatch("ping", 2)
        compare(store.log, ["ping:2"])
    }

    function test_a_destroyed_child_or_target_drops_out() {
        var dispatcher = createTemporaryObject(dispatcherComponent, this)
        var store = createTemporaryObject(handlerStoreComponent, this,
                                          {filterFunctionEnabled: true, bindSource: dispatcher})
        var child = handlerStoreComponent.createObject(null, {filterFunctionEnabled: true})
        var target = handlerStoreComponent.createObject(null, {filterFunctionEnabled: true})
        var kept = createTemporaryObject(handlerStoreComponent, this, {filterFunctionEnabled: true})
        store.children = [child]
        store.redispatchTargets = [target, kept]
        dispatcher.dispatch("ping", 1)
        compare(child.log, ["ping:1"])
        compare(target.log, ["ping:1"])
        child.destroy()
        target.destroy()
        wait(0)
        compare(store.children.length, 0)
        compare(store.redispatchTargets.length, 1)
        compare(store.redispatchTargets[0], kept)
        dispatcher.dispatch("ping", 2)
        compare(kept.log, ["ping:1", "ping:2"])
        compare(store.log, ["ping:1", "ping:2"])
    }

    function test_a_store_bound_to_a_creator_follows_its_dispatcher() {
        var first = createTemporaryObject(dispatcherComponent, this)
        var second = createTemporaryObject(dispatcherComponent, this)
        var creator = createTemporaryObject(creatorComponent, this, {dispatcher: first})
        var store = createTemporaryObject(handlerStoreComponent, this, {filterFunctionEnabled: true})
        var bindSpy = createTemporaryQmlObject("import QtTest 1.2; SignalSpy { signalName: \"bindSourceChanged\" }", this)
        bindSpy.target = store
        store.bind(creator)
        compare(bindSpy.count, 1)
        first.dispatch("ping", 1)
        creator.dispatcher = second
        first.dispatch("ping", 2)
        second.dispatch("ping", 3)
        compare(store.log, ["ping:1", "ping:3"])
    }

    function test_a_source_of_another_kind_leaves_the_store_unbound() {
        var dispatcher = createTemporaryObject(dispatcherComponent, this)
        var store = createTemporaryObject(handlerStoreComponent, this,
                                          {filterFunctionEnabled: true, bindSource: dispatcher})
        store.bindSource = store
        dispatcher.dispatch("ping", 1)
        compare(store.log, [])
    }
}
