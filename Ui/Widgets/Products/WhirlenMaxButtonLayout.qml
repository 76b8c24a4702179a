import QtQuick

// Stands in for the page that the tab pages load for a model; empty until it is built.
Item {}
