import QtQuick 2.0
import QtTest 1.2
import QuickFlux 1.0

TestCase {
    name: "Scripts"

    // The test hands each script its body as a function, so one component serves all.
    Component {
        id: scriptComponent
        AppScript {
            property var body: null
            property var log: []
            script: {
                if (body)
                    body()
            }
            onStarted: log.push("started")
            onFinished: function (returnCode) { log.push("finished:" + returnCode) }
        }
    }

    Component {
        id: bareScriptComponent
        AppScript {
            property var log: []
            onStarted: log.push("started")
            onFinished: function (returnCode) { log.push("finished:" + returnCode) }
        }
    }

    Component {
        id: failingScriptComponent
        AppScript {
            script: missingFunction()
        }
    }

    Component {
        id: groupComponent
        AppScriptGroup {}
    }

    QtObject {
        id: source
        signal pinged(int number, string text)
    }

    function init() {
        failOnWarning(/.*/)
    }

    function makeScript(body, properties) {
        var script = createTemporaryObject(scriptComponent, this, properties || {})
        script.body = function () { body(script) }
        return script
    }

    function test_empty_script_starts_and_finishes_at_once() {
        var script = createTemporaryObject(bareScriptComponent, this)
        script.run()
        compare(script.log, ["started", "finished:0"])
        compare(script.running, false)
    }

    function test_exit_when_not_running_still_finishes() {
        var script = createTemporaryObject(bareScriptComponent, this)
        script.exit()
        compare(script.log, ["finished:0"])
    }

    function test_once_with_and_without_auto_exit_data() {
        return [
            {tag: "autoExit", autoExit: true, log: ["started", "step:1", "finished:0"], running: false},
            {tag: "no autoExit", autoExit: false, log: ["started", "step:1"], running: true},
        ]
    }

    function test_once_with_and_without_auto_exit(data) {
        var script = makeScript(function (s) {
            s.once("T", function (message) { s.log.push("step:" + message) })
        }, {autoExit: data.autoExit})
        script.run()
        AppDispatcher.dispatch("T", 1)
        AppDispatcher.dispatch("T", 2)
        compare(script.log, data.log)
        compare(script.running, data.running)
    }

    function test_then_chains_wait_for_their_predecessor() {
        var script = makeScript(function (s) {
            s.once("T1", function () { s.log.push("f") }).then("T2", function () { s.log.push("g") })
        })
        script.run("go")
        compare(script.message, "go")
        AppDispatcher.dispatch("T2")
        AppDispatcher.dispatch("T1")
        compare(script.log, ["started", "f"])
        AppDispatcher.dispatch("T2")
        compare(script.log, ["started", "f", "g", "finished:0"])
    }

    function test_on_fires_every_time_and_never_ends_by_itself() {
        var script = makeScript(function (s) {
            s.on("T", function (message) { s.log.push("on:" + message) })
        })
        script.run()
        AppDispatcher.dispatch("T", 1)
        AppDispatcher.dispatch("other")
        AppDispatcher.dispatch("T", 2)
        compare(script.log, ["started", "on:1", "on:2"])
        verify(script.running)
    }

    function test_exit_in_a_step_skips_the_later_steps() {
        var script = makeScript(function (s) {
            s.on("T", function () { s.exit(5) })
            s.on("T", function () { s.log.push("later step") })
        })
        script.run()
        AppDispatcher.dispatch("T")
        compare(script.log, ["started", "finished:5"])
        verify(!script.running)
    }

    function test_signal_condition_passes_the_signal_arguments() {
        var script = makeScript(function (s) {
            s.once(source.pinged, function (number, text) { s.log.push(number + ":" + text) })
        })
        script.run()
        source.pinged(7, "seven")
        compare(script.log, ["started", "7:seven", "finished:0"])
        source.pinged(8, "eight")
        compare(script.log.length, 3)
    }

    function test_run_when_restarts_a_running_script() {
        var script = makeScript(function (s) {
            s.on("never", function () {})
        }, {runWhen: "go"})
        AppDispatcher.dispatch("go", 1)
        compare(script.log, ["started"])
        compare(script.message, 1)
        AppDispatcher.dispatch("go", 2)
        compare(script.log, ["started", "finished:-1", "started"])
        compare(script.message, 2)
        verify(script.running)
    }

    function test_run_within_the_script_warns_and_is_ignored() {
        var script = makeScript(function (s) { s.run() })
        ignoreWarning("AppScript::run(): Don't call run() within script / wait callback")
        script.run()
        compare(script.log, ["started", "finished:0"])
    }

    function test_run_within_a_step_warns_and_is_ignored() {
        var script = makeScript(function (s) {
            s.once("T", function () { s.run() })
        })
        script.run()
        ignoreWarning("AppScript::run(): Don't call run() within script / wait callback")
        AppDispatcher.dispatch("T")
        compare(script.log, ["started", "finished:0"])
    }

    function test_a_throwing_step_is_reported_and_counts_as_run() {
        var script = makeScript(function (s) {
            s.once("T", function () { throw new Error("step broke") })
        })
        script.run()
        ignoreWarning(/tst_scripts\.qml:\d+: Error: step broke$/)
        AppDispatcher.dispatch("T")
        compare(script.log, ["started", "finished:0"])
    }

    function test_an_invalid_condition_warns_and_never_fires() {
        var script = makeScript(function (s) {
            s.once(42, function () { s.log.push("fired") })
        })
        ignoreWarning("AppScript: Invalid condition type")
        script.run()
        AppDispatcher.dispatch("")
        AppDispatcher.dispatch("42")
        compare(script.log, ["started"])
        verify(script.running)
    }

    function test_a_script_that_fails_to_evaluate_warns_and_finishes() {
        var script = createTemporaryObject(failingScriptComponent, this)
        var codes = []
        script.finished.connect(function (code) { codes.push(code) })
        ignoreWarning(/tst_scripts\.qml:\d+: ReferenceError: missingFunction is not defined$/)
        script.run()
        compare(codes, [0])
    }

    function test_group_ignores_a_value_that_is_not_an_array() {
        var group = createTemporaryObject(groupComponent, this)
        ignoreWarning("AppScriptGroup: Invalid scripts property")
        group.scripts = 5
    }

    function test_group_keeps_its_scripts_exclusive() {
        var keepRunning = function (s) { s.on("never", function () {}) }
        var a = makeScript(keepRunning)
        var b = makeScript(keepRunning)
        var group = createTemporaryObject(groupComponent, this)
        ignoreWarning("AppScriptGroup: Invalid scripts property")
        group.scripts = [a, "not a script", b]
        b.run()
        verify(b.running)
        a.run()
        verify(a.running)
        compare(b.log, ["started", "finished:0"])
        verify(!b.running)
        group.exitAll()
        compare(a.log.slice(-2), ["started", "finished:0"])
        verify(!a.running)
    }
}
