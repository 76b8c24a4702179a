import QtQuick
import QtQuick.Controls.Basic

// A tab page built when it is first shown (its tab chosen and the tab area no longer under
// the connect screen) rather than before the window's first frame, and kept afterwards.
Loader {
    id: loader

    readonly property bool shown: SwipeView.isCurrentItem && visible

    active: false
    onShownChanged: if (shown)
                        active = true
    Component.onCompleted: if (shown)
                               active = true
}
