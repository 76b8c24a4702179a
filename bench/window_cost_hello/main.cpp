// What any Qt Quick program pays here: a 1200 x 700 window, a colour and one text.

#include <QGuiApplication>
#include <QQmlApplicationEngine>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    QQmlApplicationEngine engine;
    engine.loadData(R"(
import QtQuick
import QtQuick.Window

Window {
    width: 1200
    height: 700
    visible: true
    color: "#efefef"
    Text {
        anchors.centerIn: parent
        text: "Hello"
    }
}
)");
    if (engine.rootObjects().isEmpty()) {
        return -1;
    }
    return QGuiApplication::exec();
}
