#include "ui/app/WindowRenderer.h"

#include <QGuiApplication>
#include <QQuickWindow>
#include <QSGRendererInterface>

#include "platform/X11OpenGlProbe.h"
#include "shared/prefs/LogManager.h"

namespace {

bool userChoseRenderer() {
    return !qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND") ||
           !qEnvironmentVariableIsEmpty("QSG_RHI_BACKEND");
}

}  // namespace

void chooseWindowRenderer() {
    // Other window systems (the off-screen one answers as X without a connection) keep Qt's
    // choice.
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr) {
        return;
    }
    X11OpenGlProbe openGl(connection);
    chooseWindowRenderer(openGl);
}

void chooseWindowRenderer(OpenGlProbe& probe) {
    if (userChoseRenderer() || !probe.softwareRasteriserOnly()) {
        return;
    }
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    LogManager::instance().log('W',
                               "OpenGL here is only a software rasteriser: the window draws "
                               "with Qt Quick's software renderer");
}
