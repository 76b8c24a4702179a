#include "ui/app/QmlTypeRegistration.h"

#include <QQmlEngine>
#include <QUrl>

#include "ui/app/ApplicationController.h"
#include "ui/app/ButtonController.h"
#include "ui/app/LocalizationController.h"
#include "ui/app/PlatformInfo.h"
#include "ui/app/ShadowImageProvider.h"
#include "ui/app/SoftwareUpdateController.h"
#include "ui/cloud/AuthAccount.h"
#include "ui/cloud/OAuth2MacOS.h"

void registerQmlTypes() {
    qmlRegisterSingletonType<PlatformInfo>("PlatformInfo", 1, 0, "PlatformInfo",
                                           &PlatformInfo::qmlInstance);
    qmlRegisterSingletonType(QUrl("qrc:/Ui/Themes/PelvaneThemesManager.qml"), "PelvaneApp", 1, 0,
                             "PelvaneThemesManager");
    qmlRegisterSingletonType(QUrl("qrc:/Ui/Localization/Strings.qml"), "PelvaneApp", 1, 0,
                             "Strings");
    // The "WhirlenUI" controllers, in this order: ApplicationController, DeviceController,
    // AlertsController, LocalizationController, ProfileController, MacroController,
    // MacroGroupController, ButtonController, MacroGroupActionController,
    // SoftwareUpdateController, AuthController, AuthAccount, ConfigSyncController.
    qmlRegisterType<ApplicationController>("WhirlenUI", 1, 0, "ApplicationController");
    qmlRegisterType<DeviceController>("WhirlenUI", 1, 0, "DeviceController");
    qmlRegisterType<AlertsController>("WhirlenUI", 1, 0, "AlertsController");
    qmlRegisterType<LocalizationController>("WhirlenUI", 1, 0, "LocalizationController");
    qmlRegisterType<ProfileController>("WhirlenUI", 1, 0, "ProfileController");
    qmlRegisterType<MacroController>("WhirlenUI", 1, 0, "MacroController");
    qmlRegisterType<MacroGroupController>("WhirlenUI", 1, 0, "MacroGroupController");
    qmlRegisterUncreatableType<ButtonController>(
        "WhirlenUI", 1, 0, "ButtonController",
        "ButtonController objects come from their profile's ProfileController");
    qmlRegisterType<MacroGroupActionController>("WhirlenUI", 1, 0, "MacroGroupActionController");
    qmlRegisterType<SoftwareUpdateController>("WhirlenUI", 1, 0, "SoftwareUpdateController");
    qmlRegisterType<AuthController>("WhirlenUI", 1, 0, "AuthController");
    qmlRegisterType<AuthAccount>("WhirlenUI", 1, 0, "AuthAccount");
    qmlRegisterType<ConfigSyncController>("WhirlenUI", 1, 0, "ConfigSyncController");
    // Known to the type system for the desktops that hand the sign-in back themselves.
    qRegisterMetaType<OAuth2MacOS*>("OAuth2MacOS*");
}

void addImageProviders(QQmlEngine& engine) {
    // The engine owns and deletes the provider.
    engine.addImageProvider(QStringLiteral("shadow"), new ShadowImageProvider);
}
