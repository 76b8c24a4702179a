import QtQuick

// A pane of an action editor, shown while the editor's current row is one of its rows.
// A pane of one kind of action lays out its own fields; the editor that uses it may add
// further ones, which come below them.
Column {
    property var rows: []
    property int currentRow: -1

    width: parent ? parent.width : 0
    spacing: 8
    visible: rows.indexOf(currentRow) >= 0
}
