import QtQuick
import QtTest
import PelvaneApp 1.0
import WhirlenUI 1.0
import "qrc:/Ui/Widgets/Overlays"
import "qrc:/Ui/Widgets/RichText.js" as RichText

// The new program configuration dialog over the real application controller: each result
// of the store shows its reason and keeps the dialog open; an accepted one is chosen.
WindowStandIn {
    id: mainWindow
    width: 1200
    height: 700

    function hideAddNewAppConfigurationContextWindow() {
        dialog.visible = false
    }

    ApplicationController {
        id: appController
    }

    ApplicationContextConfiguration {
        id: dialog
        anchors.fill: parent
    }

    TestCase {
        name: "ContextDialog"
        when: windowShown

        function init() {
            failOnWarning(/.?/)
            windowFixture.useFactoryPreferences()
            appController.selectedAppContext = ""
            compare(appController.addApplicationContextConfiguration("Writer", "/usr/bin/writer"), 0)
            dialog.resetToDefault()
            dialog.visible = true
        }

        function test_results_data() {
            return [{
                    "tag": "0 added",
                    "name": "Painter",
                    "path": "/usr/bin/painter",
                    "result": 0,
                    "nameError": "",
                    "pathError": ""
                }, {
                    "tag": "2 name taken",
                    "name": "Writer",
                    "path": "/usr/bin/painter",
                    "result": 2,
                    "nameError": Strings.configNameAlreadyExists,
                    "pathError": ""
                }, {
                    "tag": "4 path taken",
                    "name": "Painter",
                    "path": "/usr/bin/writer",
                    "result": 4,
                    "nameError": "",
                    "pathError": Strings.configPathAlreadyExists
                }, {
                    "tag": "6 both taken",
                    "name": "Writer",
                    "path": "/usr/bin/writer",
                    "result": 6,
                    "nameError": Strings.configNameAlreadyExists,
                    "pathError": Strings.configPathAlreadyExists
                }, {
                    "tag": "8 empty name",
                    "name": "",
                    "path": "/usr/bin/painter",
                    "result": 8,
                    "nameError": Strings.fieldIsEmptyText,
                    "pathError": ""
                }, {
                    "tag": "8 empty path",
                    "name": "Painter",
                    "path": "",
                    "result": 8,
                    "nameError": "",
                    "pathError": Strings.fieldIsEmptyText
                }, {
                    "tag": "8 both empty",
                    "name": "",
                    "path": "",
                    "result": 8,
                    "nameError": Strings.fieldIsEmptyText,
                    "pathError": Strings.fieldIsEmptyText
                }]
        }

        function test_results(data) {
            findChild(dialog, "configNameField").inputText = data.name
            findChild(dialog, "programPathField").inputText = data.path
            mouseClick(findChild(dialog, "contextApplyButton"))
            compare(dialog.refusal, data.result)
            compare(dialog.visible, data.result !== 0)
            var nameError = findChild(dialog, "nameError")
            compare(nameError.visible, data.nameError !== "")
            if (data.nameError !== "")
                compare(nameError.text, data.nameError)
            // Each refusal stands under the field it is about.
            var pathError = findChild(dialog, "pathError")
            compare(pathError.visible, data.pathError !== "")
            if (data.pathError !== "")
                compare(pathError.text, data.pathError)
            compare(appController.selectedAppContext, data.result === 0 ? data.name : "")
            var expected = data.result === 0 ? ["Painter", "Writer"] : ["Writer"]
            compare(appController.appContextList.slice().sort(), expected)
        }

        // A configuration's name goes into the rich-text title of the question that deletes
        // it: it shows as typed.
        function test_nameInRichTitle() {
            var shown = "&lt;b&gt;A &amp; B&lt;/b&gt; &quot;x&quot;"
            compare(RichText.withName("Delete %1?", "<b>A & B</b> \"x\""), "Delete " + shown + "?")
            compare(RichText.withName("Delete it?", "<i>x</i>"), "Delete it? &lt;i&gt;x&lt;/i&gt;")
        }

        function test_resetClearsFieldsAndErrors() {
            mouseClick(findChild(dialog, "contextApplyButton"))
            verify(findChild(dialog, "nameError").visible)
            dialog.resetToDefault()
            compare(findChild(dialog, "configNameField").inputText, "")
            verify(!findChild(dialog, "nameError").visible)
        }
    }
}
