#include "ui/app/PlatformInfo.h"

#include <xcb/xcb.h>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QQmlEngine>
#include <QWindow>

#include <cstdlib>
#include <memory>
#include <string>

#include "shared/prefs/LogManager.h"

namespace {

// The main window's title as the string table gives it, translated the same way.
QString mainWindowTitle() {
    return QCoreApplication::translate("Strings",
                                       "Pelvane Multimedia Controller Device Configuration");
}

// Whether a compositing manager holds its selection (_NET_WM_CM_S<n>) for any of the X
// server's screens.
bool compositingManagerRuns(xcb_connection_t* connection) {
    const int screens = xcb_setup_roots_length(xcb_get_setup(connection));
    for (int screen = 0; screen < screens; ++screen) {
        const std::string name = "_NET_WM_CM_S" + std::to_string(screen);
        const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
            xcb_intern_atom_reply(
                connection,
                xcb_intern_atom(connection, 0, static_cast<uint16_t>(name.size()), name.c_str()),
                nullptr),
            &std::free);
        if (!atom) {
            continue;
        }
        const std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> owner(
            xcb_get_selection_owner_reply(connection,
                                          xcb_get_selection_owner(connection, atom->atom), nullptr),
            &std::free);
        if (owner && owner->owner != XCB_NONE) {
            return true;
        }
    }
    return false;
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

bool PlatformInfo::translucentWindows() {
    if (!translucentWindows_) {
        // Other window systems (Wayland, the off-screen one, which answers as X without a
        // connection) always composite.
        const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
        translucentWindows_ = connection == nullptr || compositingManagerRuns(connection);
    }
    return *translucentWindows_;
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
