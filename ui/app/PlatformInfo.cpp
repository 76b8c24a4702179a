#include "ui/app/PlatformInfo.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QQmlEngine>
#include <QWindow>

#include <utility>

#include "platform/X11DesktopCompositing.h"
#include "shared/prefs/LogManager.h"

namespace {

// The main window's title as the string table gives it, translated the same way.
QString mainWindowTitle() {
    return QCoreApplication::translate("Strings",
                                       "Pelvane Multimedia Controller Device Configuration");
}

}  // namespace

PlatformInfo::PlatformInfo() = default;

PlatformInfo::PlatformInfo(std::unique_ptr<DesktopCompositing> compositing)
    : compositing_(std::move(compositing)) {}

PlatformInfo::~PlatformInfo() = default;

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
        if (!compositing_) {
            // No connection on other window systems (Wayland, the off-screen one, which
            // answers as X without a connection).
            const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
            compositing_ = std::make_unique<X11DesktopCompositing>(
                x11 != nullptr ? x11->connection() : nullptr);
        }
        translucentWindows_ = compositing_->composites();
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
