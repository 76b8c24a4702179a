#pragma once

#include <QObject>

#include <memory>
#include <optional>
#include <string>

class DesktopCompositing;
class QJSEngine;
class QQmlEngine;

// Platform facts for the program and its QML, and the raising of the main window. One
// object serves both: the QML singleton is this same object, never owned by the engine.
class PlatformInfo : public QObject {
    Q_OBJECT
    Q_PROPERTY(PlatformType platformType READ platformType NOTIFY platformTypeChanged)
    Q_PROPERTY(bool translucentWindows READ translucentWindows CONSTANT)

public:
    // The documents know two families; everything that is not macOS takes the first.
    enum PlatformType { Windows = 0, MacOS = 1 };
    Q_ENUM(PlatformType)

    static PlatformInfo& instance();
    // Public for tests, which give it a desktop of their own; the program uses instance(),
    // which asks the window system the application runs on.
    explicit PlatformInfo(std::unique_ptr<DesktopCompositing> compositing);
    ~PlatformInfo() override;
    PlatformInfo(const PlatformInfo&) = delete;
    PlatformInfo& operator=(const PlatformInfo&) = delete;

    // The QML singleton's provider: the process's object, kept in C++ ownership.
    static QObject* qmlInstance(QQmlEngine* engine, QJSEngine* scriptEngine);

    PlatformType platformType() const { return Windows; }
    // Whether a window's transparent parts show what is behind it: on X only while a
    // compositing manager runs, read once when first asked. Without one the X server fills
    // them black and still draws every frame of a window with an alpha channel through an
    // off-screen copy (the first frame of the program's window waits some 40 ms for it here),
    // so the window then draws those corners opaque black.
    bool translucentWindows();
    // What the cloud services are told this program runs on.
    static std::string platformName() { return "Linux"; }

    // Offered after an update; restarting the computer is not this program's business.
    Q_INVOKABLE void restartComputer();
    // Shows, raises and activates the main window, found by its title.
    void bringToFront();

signals:
    void platformTypeChanged();

private:
    PlatformInfo();

    // The program's own is made when first asked, once the application is connected to its
    // window system.
    std::unique_ptr<DesktopCompositing> compositing_;
    std::optional<bool> translucentWindows_;
};
