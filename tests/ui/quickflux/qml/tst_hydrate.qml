import QtQuick 2.0
import QtTest 1.2
import QuickFlux 1.1

TestCase {
    name: "Hydrate"

    Component {
        id: stateComponent
        QtObject {
            property int count: 1
            property string name: "first"
            property var list: [1, 2]
            property QtObject inner: QtObject {
                property real ratio: 0.5
            }
            property QtObject none: null
            property int changes: 0
            onCountChanged: changes++
            onNameChanged: changes++
            onListChanged: changes++
            onInnerChanged: changes++
        }
    }

    Component {
        id: cycleComponent
        QtObject {
            id: top
            property int level: 0
            property QtObject child: QtObject {
                property int level: 1
                property var up: top
                property QtObject grandChild: QtObject {
                    property int level: 2
                    property QtObject root: top
                }
            }
        }
    }

    Component {
        id: storeComponent
        Store {
            property int value: 4
            Store {}
        }
    }

    function init() {
        failOnWarning(/.*/)
    }

    // A state object whose change counter starts after its initial bindings.
    function freshState() {
        var state = createTemporaryObject(stateComponent, this)
        state.changes = 0
        return state
    }

    function test_dehydrate_omits_null_objects() {
        var state = freshState()
        compare(Hydrate.dehydrate(state),
                {count: 1, name: "first", list: [1, 2], inner: {ratio: 0.5}, changes: 0})
    }

    function test_round_trip_writes_nothing() {
        var state = freshState()
        var ratioChanges = 0
        state.inner.ratioChanged.connect(function () { ratioChanges++ })
        Hydrate.rehydrate(state, Hydrate.dehydrate(state))
        compare(state.changes, 0)
        compare(ratioChanges, 0)
    }

    function test_rehydrate_writes_changed_values() {
        var state = freshState()
        Hydrate.rehydrate(state, {count: 2, name: "first", inner: {ratio: 0.75}})
        compare(state.count, 2)
        compare(state.inner.ratio, 0.75)
        compare(state.changes, 1)
    }

    function test_references_back_up_the_tree_are_left_out() {
        var top = createTemporaryObject(cycleComponent, this)
        compare(Hydrate.dehydrate(top), {level: 0, child: {level: 1, grandChild: {level: 2}}})
    }

    function test_store_wiring_is_left_out() {
        var store = createTemporaryObject(storeComponent, this)
        compare(Hydrate.dehydrate(store), {value: 4})
    }

    function test_rehydrate_skips_what_it_cannot_write_data() {
        return [
            {tag: "unknown name", source: {missing: 1, count: 5},
             warning: "Hydrate.rehydrate: missing property is not existed"},
            {tag: "not a map", source: {inner: 5, count: 5},
             warning: "Hydrate.rehydrate: expect a QVariantMap property but it is not: inner"},
            {tag: "null object", source: {none: {a: 1}, count: 5},
             warning: "Hydrate.rehydrate: none property holds no object to fill"},
        ]
    }

    function test_rehydrate_skips_what_it_cannot_write(data) {
        var state = freshState()
        ignoreWarning(data.warning)
        Hydrate.rehydrate(state, data.source)
        compare(state.count, 5)
        compare(state.inner.ratio, 0.5)
        compare(state.none, null)
    }
}
