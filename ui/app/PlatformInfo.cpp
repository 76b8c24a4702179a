#include "ui/app/PlatformInfo.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QQmlEngine>
#include <QWindow>

#include "shared/prefs/LogManager.h"

namespace {

// The main window's title as the string table gives it, translated the same way.
QString mainWindowTitle() {
    return QCoreApplication::translate("Strings",
                                       "Pelvane Multimedia Controller Device Configuration");
}

}  // namespace

PlatformInfo& PlatformInfo::instance() {
    static PlatformInfo info;
    return info;
}

QObject* PlatformInfo::qmlInstance(QQmlEngine*, QJSEngine*) {
    PlatformInfo* info = &instance();
    QQmlEngine::setObjectOwnership(info, QQmlEngine::CppOwnership);
    return info;
}

void PlatformInfo::restartComputer() {
    LogManager::instance().log('W', "Restart requested; please restart the computer yourself");
}

void PlatformInfo::bringToFront() {
    const QString title = mainWindowTitle();
    for (QWindow* window : QGuiApplication::allWindows()) {
        if (window->title() == title) {
            window->showMinimized();
            window->show();
            window->raise();
            window->requestActivate();
            return;
        }
    }
}
