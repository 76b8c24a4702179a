// The view models as the QML documents see them: their meta-objects against the names,
// types and notify signals the documents bind to, their lists and enums from QML, objects
// handed to QML that outlive a garbage collection, and bindings that hold the selection while
// the device list is cleared.

#include <QMetaMethod>
#include <QMetaProperty>
#include <QPointer>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlListReference>
#include <QTest>

#include <memory>

#include "tests/ui/app/AppSession.h"
#include "tests/ui/app/QmlWarnings.h"
#include "tests/ui/app/QtTestMain.h"
#include "ui/app/QmlTypeRegistration.h"
#include "ui/app/SoftwareUpdateController.h"

Q_DECLARE_METATYPE(const QMetaObject*)

namespace {

// Each property as "name type notify", each signal and invokable as "S name(types)" or
// "M name(types)", in meta-object order; only the class's own members.
QStringList members(const QMetaObject& meta) {
    QStringList result;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
        const QMetaProperty property = meta.property(i);
        result.append(QString("%1 %2 %3%4")
                          .arg(property.name(), property.typeName(),
                               QString(property.notifySignal().name()),
                               property.isWritable() ? " rw" : ""));
    }
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        const QMetaMethod method = meta.method(i);
        if (method.methodType() == QMetaMethod::Signal) {
            result.append("S " + QString(method.methodSignature()));
        } else if (method.methodType() == QMetaMethod::Method) {
            result.append("M " + QString(method.methodSignature()));
        }
    }
    return result;
}

const char* kBindings = R"(
import QtQuick
import WhirlenUI 1.0
QtObject {
    property var selected: app.selectedDeviceController
    property int selectedModel: app.selectedProductModel
    property int selectedIndex: app.selectedProductIndex
    property string boundKey: selected ? selected.selectedProfileKey : "none"
    property bool services: app.authController !== null && app.configSyncController !== null
                            && app.alertsController !== null
    property int shown: app.listDeviceControllers.length
    property int firstModel: shown > 0 ? app.listDeviceControllers[0].modelType : -1
    property var profile: selected ? selected.selectedProfileController : null
    property int mainButtons: profile ? profile.listMainButtons.length : -1
    property int dialButtons: profile ? profile.listDialButtons.length : -1
    property int jogButtons: profile ? profile.listJogWheelButtons.length : -1
    property var enums: [DeviceController.MultimediaLite, MacroGroupActionController.MacroAction_TypeText,
                         ApplicationController.NameAlreadyExists,
                         ApplicationController.ProgramPathAlreadyExists,
                         ButtonController.Button_DialLeft]
    function touchMacro(name) { return app.getMacroController(name).name }
    function touchGlobalButton(control) {
        return profile.getActionDefaultProfileSetting(control).buttonType
    }
}
)";

}  // namespace

class ViewModelQmlTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<AppSession> session;
    std::unique_ptr<QQmlEngine> engine;
    std::unique_ptr<QObject> bindings;

private slots:
    void initTestCase() { registerQmlTypes(); }

    void init() {
        session = std::make_unique<AppSession>();
        QVERIFY(session->start());
        QTRY_VERIFY(session->controller().selectedDeviceController() != nullptr &&
                    session->controller().selectedDeviceController()->selectedProfileController());
        engine = std::make_unique<QQmlEngine>();
        failOnQmlWarnings(*engine);
        engine->rootContext()->setContextProperty("app", &session->controller());
        QQmlComponent component(engine.get());
        component.setData(kBindings, QUrl("qrc:/bindings.qml"));
        bindings.reset(component.create());
        QVERIFY2(bindings, qPrintable(component.errorString()));
    }

    void cleanup() {
        bindings.reset();
        engine.reset();
        session.reset();
    }

    void listsAndEnumsAsQmlSeesThem() {
        QVERIFY(bindings->property("services").toBool());
        QCOMPARE(bindings->property("shown").toInt(), 2);
        QCOMPARE(bindings->property("firstModel").toInt(), 1);
        QCOMPARE(bindings->property("selectedModel").toInt(), 1);
        QCOMPARE(bindings->property("selectedIndex").toInt(), 0);
        QCOMPARE(bindings->property("boundKey").toString(),
                 QString("Profile##whirlen#whirlenmax#default"));
        QCOMPARE(bindings->property("mainButtons").toInt(), 15);
        QCOMPARE(bindings->property("dialButtons").toInt(), 2);
        QCOMPARE(bindings->property("jogButtons").toInt(), 43);
        QCOMPARE(bindings->property("enums").toList(), (QVariantList{2, 2, 1, 2, 15}));

        session->controller().setSelectedProductByType(2);
        QTRY_COMPARE(bindings->property("mainButtons").toInt(), 5);
        QCOMPARE(bindings->property("selectedIndex").toInt(), 1);
    }

    void objectsHandedToQmlOutliveAGarbageCollection() {
        session->controller().addMacro("M");
        QTRY_VERIFY(session->controller().getMacroController("M") != nullptr);
        QPointer<MacroController> macro = session->controller().getMacroController("M");
        QPointer<ButtonController> global = session->controller()
                                                .selectedDeviceController()
                                                ->selectedProfileController()
                                                ->getActionDefaultProfileSetting(0);
        QVERIFY(global);

        for (int round = 0; round < 3; ++round) {
            QVariant name;
            QVariant control;
            QMetaObject::invokeMethod(bindings.get(), "touchMacro", Q_RETURN_ARG(QVariant, name),
                                      Q_ARG(QVariant, "M"));
            QMetaObject::invokeMethod(bindings.get(), "touchGlobalButton",
                                      Q_RETURN_ARG(QVariant, control), Q_ARG(QVariant, 0));
            QCOMPARE(name.toString(), QString("M"));
            QCOMPARE(control.toInt(), 0);
            engine->collectGarbage();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QVERIFY(macro);
        QVERIFY(global);
        QCOMPARE(session->controller().getMacroController("M"), macro.data());
    }

    void clearingTheDeviceListWhileBindingsHoldTheSelection() {
        QPointer<DeviceController> selected = session->controller().selectedDeviceController();
        QQmlListReference list(&session->controller(), "listDeviceControllers");
        QVERIFY(list.canClear());

        list.clear();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        QVERIFY(selected.isNull());
        QCOMPARE(bindings->property("shown").toInt(), 0);
        QCOMPARE(bindings->property("selectedModel").toInt(), 0);
        QCOMPARE(bindings->property("selectedIndex").toInt(), -1);
        QCOMPARE(bindings->property("boundKey").toString(), QString("none"));
    }

    void metaObjectsCarryTheNamesTheDocumentsUse_data() {
        QTest::addColumn<const QMetaObject*>("meta");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("ApplicationController")
            << &ApplicationController::staticMetaObject
            << QStringList{
                   "listDeviceControllers QQmlListProperty<DeviceController> "
                   "listDeviceControllersUpdated",
                   "selectedDeviceController DeviceController* selectedProductUpdated rw",
                   "alertsController AlertsController* alertsControllerUpdated",
                   "listMacroNames QStringList listMacroControllersUpdated",
                   "listMacroNameIndex int listMacroNameIndexUpdated rw",
                   "selectedProductModel int selectedProductUpdated",
                   "selectedProductIndex int selectedProductUpdated",
                   "appContextList QStringList prefsUpdated",
                   "selectedAppContext QString selectedAppContextUpdated rw",
                   "indexSelectedAppContext int selectedAppContextUpdated",
                   "countConnectedDevices int connectedDevicesUpdated",
                   "selectedTab int selectedTabUpdated rw",
                   "appVersion QString appVersionChanged",
                   "buildVersion QString buildVersionChanged",
                   "downloadPermission bool downloadPermissionUpdated rw",
                   "installPermission bool installPermissionUpdated rw",
                   "configSyncPermission bool configSyncPermissionUpdated rw",
                   "checkUpdatesPermission bool checkUpdatesUpdated rw",
                   "checkUpdatesInterval int checkUpdatesIntervalUpdated rw",
                   "checkUpdatesIntervals QStringList checkUpdatesIntervalsUpdated",
                   "checkNotificationsIntervals QStringList checkNotificationsIntervalsUpdated",
                   "checkForNotificationsIntervalIndex int "
                   "checkNotificationsIntervalIndexUpdated rw",
                   "cloudEnvironment QString cloudEnvironmentUpdated",
                   "authController AuthController* authControllerChanged",
                   "configSyncController ConfigSyncController* configSyncControllerChanged",
                   "currentUiThemeIndex int currentThemeIndexChanged rw",
                   "S listDeviceControllersUpdated()",
                   "S listMacroControllersUpdated()",
                   "S listMacroNameIndexUpdated()",
                   "S selectedProductUpdated()",
                   "S connectedDevicesUpdated()",
                   "S showSecurityAndPrivacyMessage()",
                   "S showMoveAppMessage()",
                   "S scrollToSelectedDeviceModel()",
                   "S selectedTabUpdated()",
                   "S appVersionChanged()",
                   "S buildVersionChanged()",
                   "S softwareUpdateCompleted()",
                   "S cloudEnvironmentUpdated()",
                   "S authControllerChanged()",
                   "S alertsControllerUpdated()",
                   "S configSyncControllerChanged()",
                   "S selectedAppContextUpdated()",
                   "S updateMacrosEvent()",
                   "S updateProfilesEvent()",
                   "S prefsUpdated()",
                   "S downloadPermissionUpdated()",
                   "S installPermissionUpdated()",
                   "S checkNotificationsIntervalsUpdated()",
                   "S checkNotificationsIntervalIndexUpdated()",
                   "S configSyncPermissionUpdated()",
                   "S checkUpdatesUpdated()",
                   "S checkUpdatesIntervalsUpdated()",
                   "S checkUpdatesIntervalUpdated()",
                   "S currentThemeIndexChanged()",
                   "S preferencesDamaged(QString)",
                   "S preferencesNotSaved(QString,int,QString)",
                   "M getMacroController(QString)",
                   "M setSelectedProductByType(int)",
                   "M uiIsCompleted()",
                   "M showSecurityAndPrivacy()",
                   "M clearAllPreferences()",
                   "M getKeyStrFromQtKeyCode(int)",
                   "M forceUpdatePrefs()",
                   "M addMacro(QString)",
                   "M renameMacro(QString,QString)",
                   "M deleteMacro(QString)",
                   "M addApplicationContextConfiguration(QString,QString)",
                   "M deleteConfiguration(QString)",
                   "M addProfile(QString)",
                   "M setActiveProfile(QString)",
                   "M renameProfile(QString,QString)",
                   "M deleteProfile(QString)",
               };
        QTest::newRow("DeviceController")
            << &DeviceController::staticMetaObject
            << QStringList{
                   "productType int productTypeChanged",
                   "modelType int modelTypeChanged",
                   "countRealDevicesConnected int realProductDescriptorsUpdated",
                   "batteryLevel int generalInfoUpdated",
                   "isConfiguration bool realProductDescriptorsUpdated",
                   "serial QString realProductDescriptorsUpdated",
                   "availableProfiles QQmlListProperty<ProfileController> "
                   "availableProfilesUpdated",
                   "profilesNames QStringList availableProfilesUpdated",
                   "profilesNamesWithoutSelected QStringList selectedProfileControllerChanged",
                   "selectedProfileController ProfileController* "
                   "selectedProfileControllerChanged",
                   "selectedProfileKey QString selectedProfileControllerChanged",
                   "S modelTypeChanged()",
                   "S productTypeChanged()",
                   "S generalInfoUpdated()",
                   "S realProductDescriptorsUpdated()",
                   "S availableProfilesUpdated()",
                   "S selectedProfileControllerChanged()",
                   "M isValid()",
                   "M setCurrentProgramContext(QString)",
               };
        QTest::newRow("ProfileController")
            << &ProfileController::staticMetaObject
            << QStringList{
                   "productType int profilePreferenceChange",
                   "modelType int profilePreferenceChange",
                   "name QString profilePreferenceChange",
                   "isDefault bool profilePreferenceChange",
                   "profileKey QString profilePreferenceChange",
                   "isSelected bool isSelectedChanged",
                   "listMainButtons QQmlListProperty<ButtonController> listButtonsUpdated",
                   "listDialButtons QQmlListProperty<ButtonController> listButtonsUpdated",
                   "listJogWheelButtons QQmlListProperty<ButtonController> listButtonsUpdated",
                   "isDialToggled bool isDialToggledUpdated",
                   "isJogWheelToggled bool isJogWheelToggledUpdated",
                   "appSpecificActive bool appSpecificActiveChanged rw",
                   "S listButtonsUpdated()",
                   "S isDialToggledUpdated()",
                   "S isJogWheelToggledUpdated()",
                   "S profilePreferenceChange()",
                   "S isSelectedChanged()",
                   "S appSpecificActiveChanged()",
                   "M toggleDial(QString)",
                   "M toggleDial()",
                   "M toggleJogWheel(QString)",
                   "M toggleJogWheel()",
                   "M getActionDefaultProfileSetting(int)",
               };
        QTest::newRow("MacroController")
            << &MacroController::staticMetaObject
            << QStringList{
                   "name QString macroChanged",
                   "listMacroGroupControllers QQmlListProperty<MacroGroupController> "
                   "macroChanged",
                   "S macroChanged()",
                   "M addNewMacroGroup()",
                   "M deleteMacroGroup(int)",
                   "M moveGroupFromToIndex(int,int)",
               };
        QTest::newRow("MacroGroupController")
            << &MacroGroupController::staticMetaObject
            << QStringList{
                   "listMacroGroupActionControllers "
                   "QQmlListProperty<MacroGroupActionController> macroGroupChanged",
                   "editMacroAction MacroGroupActionController* macroActionEditChanged",
                   "editMacroFinalAction MacroGroupActionController* "
                   "macroActionEditFinalChanged",
                   "extended bool macroGroupChanged rw",
                   "S macroGroupChanged()",
                   "S macroActionEditChanged()",
                   "S macroActionEditFinalChanged()",
                   "M generateNewMacroActionInEdit()",
                   "M applyEditSettings()",
                   "M moveActionFromToIndex(int,int)",
                   "M deleteActionController(MacroGroupActionController*)",
               };
        QTest::newRow("MacroGroupActionController")
            << &MacroGroupActionController::staticMetaObject
            << QStringList{
                   "editPressKey int macroActionChanged rw",
                   "editActionType int macroActionChanged rw",
                   "realActionType int macroActionChanged rw",
                   "indexWaitTimeType int macroActionChanged rw",
                   "S macroActionChanged()",
                   "M getPressKey()",
                   "M getModifierStatus(ModifierType)",
                   "M setEditModifierStatus(ModifierType,bool)",
                   "M setEditCommandAndCommandArgs(QString,QString)",
                   "M getCommandName()",
                   "M getTypeText()",
               };
        QTest::newRow("AlertsController")
            << &AlertsController::staticMetaObject
            << QStringList{
                   "S anyThreadShowAlertToUi(QString,int,QString,QString,bool,QVariantList)",
                   "S showAlertToUi(QString,int,QString,QString,bool,QVariantList)",
                   "S notifyButtonPressed(void*,QString,QString)",
                   "S notifyAlertClose(void*,QString)",
                   "M callbackAlertButton(QString,QString)",
                   "M callbackAlertClose(QString)",
               };
        QTest::newRow("AuthController") << &AuthController::staticMetaObject
                                        << QStringList{
                                               "authenticated bool authenticationChanged",
                                               "authAccount AuthAccount* authAccountChanged",
                                               "signInPort int ",
                                               "S authenticationChanged()",
                                               "S authAccountChanged()",
                                               "M login(QString,QString)",
                                               "M startRegister(QString,QString)",
                                               "M logout()",
                                               "M resetPass()",
                                               "M deleteAccount()",
                                           };
        QTest::newRow("ConfigSyncController") << &ConfigSyncController::staticMetaObject
                                              << QStringList{
                                                     "configVersion QString configVersionChanged",
                                                     "lastUpdateDate QString lastUpdateDateChanged",
                                                     "S configVersionChanged()",
                                                     "S lastUpdateDateChanged()",
                                                     "S internalUpdateProcessStateUpdated(int,int)",
                                                     "S syncProcessStateUpdate(int,int)",
                                                     "M startSync(bool)",
                                                     "M startSync()",
                                                     "M userResponseOnSync(int)",
                                                     "M userResponseOnUpload(int)",
                                                     "M userResponseOnRepairConfig(int)",
                                                     "M userResponseOnResetConfig(int)",
                                                     "M abortSynchronization()",
                                                 };
        QTest::newRow("SoftwareUpdateController")
            << &SoftwareUpdateController::staticMetaObject
            << QStringList{
                   "S internalUpdateProcessStateUpdated(int,int)",
                   "S updateProcessStateUpdated(int,int)",
                   "M checkForSoftwareUpdates()",
                   "M userResponseOnDownload(int)",
                   "M userResponseOnInstall(int)",
                   "M abortSoftwareUpdate()",
               };
    }

    void metaObjectsCarryTheNamesTheDocumentsUse() {
        QFETCH(const QMetaObject*, meta);
        QFETCH(QStringList, expected);
        QCOMPARE(members(*meta), expected);
    }
};

WHIRLEN_QT_TEST_MAIN(ViewModelQmlTest)
#include "ViewModelQmlTest.moc"
