import QtQuick 2.0
import QtTest 1.2
import QuickFlux 1.0

TestCase {
    name: "KeyTable"

    Component {
        id: tableComponent
        KeyTable {
            property string unsetName
            property string emptyName: ""
            property string given: "x"
            property int count: 3
            property real ratio: 1.2345678
            property bool flag: true
            property point spot: Qt.point(1.5, -2)
            property rect area: Qt.rect(0.1, 2, 30, 4.25)
            property var leftOut: 5
        }
    }

    Component {
        id: stringsOnlyComponent
        KeyTable {
            property string only
        }
    }

    function init() {
        failOnWarning(/.*/)
    }

    function test_string_properties_filled_at_completion_data() {
        return [
            {tag: "unset", name: "unsetName", value: "unsetName"},
            {tag: "empty", name: "emptyName", value: "emptyName"},
            {tag: "given", name: "given", value: "x"},
        ]
    }

    function test_string_properties_filled_at_completion(data) {
        var table = createTemporaryObject(tableComponent, this)
        compare(table[data.name], data.value)
        compare(table.objectName, "")
    }

    function test_header_file() {
        var table = createTemporaryObject(tableComponent, this)
        compare(table.genHeaderFile("Keys"),
                "#pragma once\n#include <QString>\n\n#include <QPointF>\n#include <QRectF>\n" +
                "class Keys {\n\npublic:\n\n" +
                "    static QString unsetName;\n\n" +
                "    static QString emptyName;\n\n" +
                "    static QString given;\n\n" +
                "    static int count;\n\n" +
                "    static qreal ratio;\n\n" +
                "    static bool flag;\n\n" +
                "    static QPointF spot;\n\n" +
                "    static QRectF area;\n\n" +
                "};\n")
    }

    function test_header_file_of_strings_only() {
        var table = createTemporaryObject(stringsOnlyComponent, this)
        compare(table.genHeaderFile("Only"),
                "#pragma once\n#include <QString>\n\nclass Only {\n\npublic:\n\n" +
                "    static QString only;\n\n};\n")
    }

    function test_source_file() {
        var table = createTemporaryObject(tableComponent, this)
        compare(table.genSourceFile("Keys", "keys.h"),
                "#include \"keys.h\"\n\n" +
                "QString Keys::unsetName = \"unsetName\";\n\n" +
                "QString Keys::emptyName = \"emptyName\";\n\n" +
                "QString Keys::given = \"x\";\n\n" +
                "int Keys::count = 3;\n\n" +
                "qreal Keys::ratio = 1.2345678;\n\n" +
                "bool Keys::flag = true;\n\n" +
                "QPointF Keys::spot = QPointF(1.5,-2);\n\n" +
                "QRectF Keys::area = QRectF(0.1,2,30,4.25);\n")
    }
}
