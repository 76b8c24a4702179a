// The action editor's view of one control: how the stored action and its edit
// copy show, how the edit copy changes, and what writing it back stores,
// saves and tells the agent, on a store of temporary files and the real link
// manager talking to a socket that stands in for the agent.

#include <QMetaEnum>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <unistd.h>

#include <nlohmann/json.hpp>

#include "shared/ipc/IPCMessage.h"
#include "shared/prefs/PreferencesStore.h"
#include "shared/prefs/PreferencesUpdateSubscriber.h"
#include "tests/shared/ipc/IPCTestSupport.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestFiles.h"
#include "tests/ui/app/QtTestMain.h"
#include "ui/app/ButtonController.h"
#include "ui/app/IPCManager.h"
#include "ui/app/QmlTypeRegistration.h"

namespace {

const std::string kWorkProfile = "Profile##whirlen#whirlenmax#Work";
const std::string kDefaultProfile = "Profile##whirlen#whirlenmax#default";

nlohmann::json action(const std::string& control, const std::string& type,
                      const std::string& profile, nlohmann::json members = {}) {
    nlohmann::json json = {{"MouseButton", control}, {"ActionType", type}, {"Profile", profile}};
    json.update(members);
    return json;
}

nlohmann::json profile(const std::string& name, nlohmann::json actions) {
    return {{"DeviceType", "whirlen"},
            {"DeviceModel", "whirlenmax"},
            {"Comment", ""},
            {"Name", name},
            {"Settings", nlohmann::json::object()},
            {"Actions", std::move(actions)}};
}

// A "Work" profile with a keystroke, a command and typed text, the default
// profile with a keystroke, one application context and one macro.
nlohmann::json document() {
    return {
        {"MajorVersion", 1},
        {"MinorVersion", 1},
        {"Comment", ""},
        {"AppContextConfigurations",
         {{{"ConfigName", "Editor"}, {"ProgramContextPath", "editor"}}}},
        {"Macros",
         {{{"DeviceType", "all"}, {"DeviceModel", "all"}, {"Name", "M"}, {"MacroGroups", {}}}}},
        {"ProfilesPreferences",
         {profile("Work",
                  {action("DeviceButton_1", "keypress", kWorkProfile,
                          {{"KeyCode", "KEY_A"}, {"UseCtrl", true}}),
                   action("DeviceButton_2", "command", kWorkProfile,
                          {{"Command", "notepad"}, {"CommandArgs", "a.txt"}}),
                   action("DeviceButton_3", "TypeText", kWorkProfile, {{"TextToWrite", "hello"}})}),
          profile("default", {action("DeviceButton_1", "keypress", kDefaultProfile,
                                     {{"KeyCode", "KEY_B"}})})}},
    };
}

class CountingSubscriber : public PreferencesUpdateSubscriber {
public:
    void onPreferencesUpdated() override { ++count; }
    int count = 0;
};

}  // namespace

class ButtonControllerTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TemporaryFolder> folder_;
    PreferencesStorePaths paths_;
    std::unique_ptr<PreferencesStore> store_;
    CountingSubscriber notified_;

    std::string defaultFile() const { return folder_->file("pelvane_default.json"); }

    ActionPreference stored(const std::string& profileKey, uint32_t control) const {
        const auto profile = store_->profiles().at(profileKey);
        return profile->findAction("", control).value_or(ActionPreference());
    }

    // A controller of a control of a profile, as the profile's view model
    // fills it; no agent link unless one is given.
    std::unique_ptr<ButtonController> controllerOf(const std::string& profileKey, uint32_t control,
                                                   std::weak_ptr<IPCManager> ipc = {}) {
        auto controller = std::make_unique<ButtonController>(*store_, std::move(ipc));
        controller->setAction(stored(profileKey, control));
        return controller;
    }

    // The "KeyCode" of the saved file's action of that profile and control.
    std::optional<std::string> savedKeyName(const std::string& profileName,
                                            const std::string& control) const {
        const auto json = nlohmann::json::parse(readFileBytes(defaultFile()), nullptr, false);
        for (const auto& profile : json["ProfilesPreferences"]) {
            if (profile["Name"] != profileName) {
                continue;
            }
            for (const auto& action : profile["Actions"]) {
                if (action["MouseButton"] == control && action["AppContextConfig"] == "") {
                    return action["KeyCode"].get<std::string>();
                }
            }
        }
        return std::nullopt;
    }

private slots:
    void initTestCase() { registerQmlTypes(); }

    void init() {
        folder_ = std::make_unique<TemporaryFolder>("button-controller");
        writeFileBytes(defaultFile(), document().dump());
        paths_ = {defaultFile(), folder_->file("pelvane_profile_bind.json"),
                  folder_->file("pelvane_default_backup.json")};
        std::filesystem::copy_file(WHIRLEN_BACKUP_PREFERENCES_FILE, paths_.backupFile);
        writeFileBytes(paths_.profileBindFile, R"({"ProfileBind":[]})");
        store_ = std::make_unique<PreferencesStore>(paths_);
        store_->load();
        notified_.count = 0;
        store_->subscribe(&notified_);
    }

    void cleanup() {
        store_->unsubscribe(&notified_);
        store_.reset();
        folder_.reset();
    }

    void mainActionTypeMapsEveryActionType_data() {
        QTest::addColumn<uint>("type");
        QTest::addColumn<bool>("pressModifier");
        QTest::addColumn<int>("main");
        const std::map<uint, int> mains = {
            {1, 9},  {2, 9},  {6, 9},  {7, 9},  {8, 9},   {11, 7},  {12, 5}, {13, 9},
            {14, 9}, {15, 9}, {16, 9}, {17, 9}, {18, 9},  {19, 9},  {20, 9}, {21, 9},
            {22, 2}, {23, 3}, {25, 8}, {26, 9}, {27, 11}, {28, 12},
        };
        for (uint type = 0; type <= 30; ++type) {
            const auto found = mains.find(type);
            const int main = found == mains.end() ? 0 : found->second;
            QTest::addRow("type %u", type) << type << false << main;
        }
        QTest::newRow("type 12 holding modifiers") << 12u << true << 6;
    }

    void mainActionTypeMapsEveryActionType() {
        QFETCH(uint, type);
        QFETCH(bool, pressModifier);
        QFETCH(int, main);
        ActionPreference stored;
        stored.setActionType(type);
        stored.setPressModifier(pressModifier);
        ButtonController controller(*store_, {});
        controller.setAction(stored);
        QCOMPARE(controller.mainActionType(), main);
        QCOMPARE(controller.property("realActionType").toInt(), static_cast<int>(type));
        QCOMPARE(controller.editActionType(), 0);
        QSignalSpy kind(&controller, &ButtonController::editActionTypeChanged);
        controller.prepareForButtonEdit();
        QCOMPARE(controller.property("editActionType").toInt(), main);
        QCOMPARE(kind.count(), 1);
    }

    void setEditActionTypeTransitions_data() {
        QTest::addColumn<uint>("fromType");
        QTest::addColumn<bool>("fromPressModifier");
        QTest::addColumn<int>("main");
        QTest::addColumn<uint>("toType");
        QTest::addColumn<bool>("toPressModifier");
        QTest::addColumn<bool>("changes");
        QTest::newRow("disabled to keystroke") << 0u << false << 5 << 12u << false << true;
        QTest::newRow("keystroke again") << 12u << false << 5 << 12u << false << false;
        QTest::newRow("keystroke to modifiers") << 12u << false << 6 << 12u << true << true;
        QTest::newRow("modifiers again") << 12u << true << 6 << 12u << true << false;
        QTest::newRow("modifiers to keystroke") << 12u << true << 5 << 12u << false << true;
        QTest::newRow("keystroke to disabled") << 12u << false << 0 << 0u << false << true;
        QTest::newRow("disabled again") << 0u << false << 0 << 0u << false << false;
        QTest::newRow("default setting") << 0u << false << 2 << 22u << false << true;
        QTest::newRow("same as lower value") << 0u << false << 3 << 23u << false << true;
        QTest::newRow("open file") << 0u << false << 7 << 11u << false << true;
        QTest::newRow("run macro") << 0u << false << 8 << 25u << false << true;
        QTest::newRow("mouse and system") << 0u << false << 9 << 26u << false << true;
        QTest::newRow("mouse and system from a click") << 1u << false << 9 << 26u << false << true;
        QTest::newRow("type text") << 0u << false << 11 << 27u << false << true;
        QTest::newRow("switch profile") << 0u << false << 12 << 28u << false << true;
        for (int ignored : {1, 4, 10, 13, -1}) {
            QTest::addRow("row %d does nothing", ignored)
                << 12u << false << ignored << 12u << false << false;
        }
    }

    void setEditActionTypeTransitions() {
        QFETCH(uint, fromType);
        QFETCH(bool, fromPressModifier);
        QFETCH(int, main);
        QFETCH(uint, toType);
        QFETCH(bool, toPressModifier);
        QFETCH(bool, changes);
        ActionPreference stored;
        stored.setActionType(fromType);
        stored.setPressModifier(fromPressModifier);
        ButtonController controller(*store_, {});
        controller.setAction(stored);
        controller.prepareForButtonEdit();
        QSignalSpy changed(&controller, &ButtonController::editActionTypeChanged);
        QVERIFY(controller.setProperty("editActionType", main));
        QCOMPARE(changed.count(), changes ? 1 : 0);
        ActionPreference expected;
        expected.setActionType(toType);
        expected.setPressModifier(toPressModifier);
        ButtonController reference(*store_, {});
        reference.setAction(expected);
        QCOMPARE(controller.editActionType(), reference.mainActionType());
    }

    void switchingTheActionClearsWhatBelongedToTheOldOne() {
        auto controller = controllerOf(kWorkProfile, 0);
        controller->prepareForButtonEdit();
        controller->setProperty("editComment", "mine");
        controller->setEditActionType(ButtonController::Action_TypeText);
        QCOMPARE(controller->editPressKey(), 0);
        QVERIFY(!controller->getEditModifierStatus(ButtonController::ModifierType_Control));
        QCOMPARE(controller->editComment(), QString("mine"));
        // The stored action is untouched until the edit is applied.
        QCOMPARE(controller->getPressKey(), int('A'));
        QVERIFY(controller->getModifierStatus(ButtonController::ModifierType_Control));
    }

    void mouseAndSystemStoresTheChosenRealAction_data() {
        QTest::addColumn<int>("realEditActionType");
        QTest::addColumn<int>("storedType");
        QTest::newRow("volume up chosen") << int(ButtonController::VolumeUp) << 13;
        QTest::newRow("nothing chosen") << 29 << 26;
    }

    void mouseAndSystemStoresTheChosenRealAction() {
        QFETCH(int, realEditActionType);
        QFETCH(int, storedType);
        auto controller = controllerOf(kWorkProfile, 0);
        controller->prepareForButtonEdit();
        controller->setEditActionType(ButtonController::Action_MouseAndSystemControls);
        QSignalSpy editChanged(controller.get(), &ButtonController::editActionTypeChanged);
        controller->setProperty("realEditActionType", realEditActionType);
        QCOMPARE(editChanged.count(), 0);
        controller->applyEditSettings();
        QCOMPARE(controller->getActionType(), storedType);
        QCOMPARE(static_cast<int>(stored(kWorkProfile, 0).actionType()), storedType);
    }

    void keysSaveUnderTheirOwnNames_data() {
        QTest::addColumn<int>("uiKey");
        QTest::addColumn<QString>("keyName");
        QTest::addColumn<int>("readBack");
        QTest::newRow("letter") << int('Q') << "KEY_Q" << int('Q');
        QTest::newRow("semicolon") << 59 << "KEY_SEMICOLON" << 59;
        QTest::newRow("equals") << 61 << "KEY_=" << 61;
        QTest::newRow("captured keypad 0") << 134 << "KEY_NUMPAD0" << 134;
        QTest::newRow("listed keypad 0") << 20000096 << "KEY_NUMPAD0" << 134;
        QTest::newRow("captured keypad asterisk") << 128 << "KEY_MULTIPLY" << 128;
        QTest::newRow("listed keypad divide") << 20000111 << "KEY_DIVIDE" << 133;
        QTest::newRow("F5") << int(Qt::Key_F5) << "KEY_F5" << int(Qt::Key_F5);
        QTest::newRow("space") << int(Qt::Key_Space) << "KEY_SPACE" << int(Qt::Key_Space);
    }

    void keysSaveUnderTheirOwnNames() {
        QFETCH(int, uiKey);
        QFETCH(QString, keyName);
        QFETCH(int, readBack);
        auto controller = controllerOf(kWorkProfile, 0);
        controller->prepareForButtonEdit();
        QSignalSpy keyChanged(controller.get(), &ButtonController::editPressKeyUpdated);
        QVERIFY(controller->setProperty("editPressKey", uiKey));
        QCOMPARE(keyChanged.count(), 1);
        QVERIFY(controller->setProperty("editPressKey", readBack));
        QCOMPARE(keyChanged.count(), 1);
        controller->applyEditSettings();
        QCOMPARE(savedKeyName("Work", "DeviceButton_1"), std::optional(keyName.toStdString()));
        // What the next start of the program shows.
        PreferencesStore reread(paths_);
        reread.load();
        ButtonController shown(reread, {});
        shown.setAction(reread.profiles().at(kWorkProfile)->findAction("", 0).value());
        QCOMPARE(shown.getPressKey(), readBack);
    }

    void onlyASavedChangeIsAnnouncedToTheAgent() {
        const ipctest::TempRuntimeDir runtime;
        const int listener = ipctest::listenRaw();
        QVERIFY(listener >= 0);
        auto ipc = std::make_shared<IPCManager>(std::weak_ptr<DevicesManager>(), *store_);
        QVERIFY(ipc->start());
        const int agent = ipctest::acceptRaw(listener);
        QVERIFY(agent >= 0);
        // The announcement of a new connection: a device request and an update.
        QCOMPARE(ipctest::readFrames(agent, 2).size(), size_t(2));

        auto controller = controllerOf(kWorkProfile, 0, ipc);
        QSignalSpy shown(controller.get(), &ButtonController::mainActionTypeChanged);
        controller->prepareForButtonEdit();
        controller->applyEditSettings();
        QCOMPARE(shown.count(), 0);
        QCOMPARE(notified_.count, 0);

        const std::string fileBefore = readFileBytes(defaultFile());
        controller->setEditPressKey('X');
        controller->applyEditSettings("", false);
        QCOMPARE(notified_.count, 1);
        QCOMPARE(readFileBytes(defaultFile()), fileBefore);
        QCOMPARE(controller->getPressKey(), int('X'));

        // Nor is an edit whose save failed: the file the agent would read is as it was.
        const std::filesystem::path folder = folder_->path();
        const std::filesystem::path kept = folder.string() + ".kept";
        std::filesystem::rename(folder, kept);
        controller->prepareForButtonEdit();
        controller->setEditPressKey('Z');
        QCOMPARE(controller->applyEditSettings(), int(ButtonController::Refusal_None));
        std::filesystem::rename(kept, folder);
        QCOMPARE(readFileBytes(defaultFile()), fileBefore);
        QCOMPARE(controller->getPressKey(), int('Z'));

        controller->prepareForButtonEdit();
        controller->setEditPressKey('Y');
        controller->applyEditSettings();
        QCOMPARE(savedKeyName("Work", "DeviceButton_1"), std::optional<std::string>("KEY_Y"));
        // A device request marks the end: everything before it came from the edits.
        ipc->requestConnectedDevices();
        const std::vector<IPCFrame> frames = ipctest::readFrames(agent, 2);
        QCOMPARE(frames.size(), size_t(2));
        QCOMPARE(frames[0][2], uint8_t(IPCMessageType::PrefsUpdate));
        QCOMPARE(frames[1][2], uint8_t(IPCMessageType::RequestDevices));
        ipc->stop();
        ::close(agent);
        ::close(listener);
    }

    void aRefusedEditShowsWhatTheProfileHolds_data() {
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<int>("expected");
        QTest::newRow("disabled under a new application context")
            << "disabled" << int(ButtonController::Refusal_DisabledForApplication);
        QTest::newRow("profile gone") << "gone" << int(ButtonController::Refusal_ProfileGone);
        QTest::newRow("over the application's own binding")
            << "taken" << int(ButtonController::Refusal_BindingExists);
    }

    // The edit is refused, says why, and the controller keeps showing what the profile holds.
    void aRefusedEditShowsWhatTheProfileHolds() {
        QFETCH(QString, refusal);
        QFETCH(int, expected);
        ActionPreference keystroke = stored(kWorkProfile, 0);
        if (refusal == "gone") {
            keystroke.setProfile("Profile##whirlen#whirlenmax#Gone");
        }
        if (refusal == "taken") {
            // The application already has a binding of its own for the control.
            ActionPreference inEditor = keystroke;
            inEditor.setAppContextByName("Editor");
            inEditor.setKeyCode('E');
            QVERIFY(store_->setProfileAction(keystroke, inEditor, false).isTaken());
            notified_.count = 0;
        }
        ButtonController controller(*store_, {});
        controller.setAction(keystroke);
        controller.prepareForButtonEdit();
        QSignalSpy shown(&controller, &ButtonController::mainActionTypeChanged);
        int refused = ButtonController::Refusal_None;
        if (refusal == "disabled") {
            // The profile does not take a disabled action for a context of its own.
            controller.setEditActionType(ButtonController::Action_Disabled);
            refused = controller.applyEditSettings("Editor");
        } else {
            controller.setEditPressKey('Z');
            refused = controller.applyEditSettings(refusal == "taken" ? "Editor" : "");
        }
        QCOMPARE(refused, expected);
        QCOMPARE(shown.count(), 1);
        QCOMPARE(controller.mainActionType(), int(ButtonController::Action_TypeKeystroke));
        QCOMPARE(controller.getPressKey(), int('A'));
        QCOMPARE(notified_.count, 0);
        QCOMPARE(stored(kWorkProfile, 0).keyCode(), int64_t('A'));
    }

    void resetOutsideTheDefaultProfileDisables() {
        auto controller = controllerOf(kWorkProfile, 0);
        controller->prepareForButtonEdit();
        controller->setEditActionType(ButtonController::Action_TypeText);
        QSignalSpy reinit(controller.get(), &ButtonController::reinitWindow);
        QSignalSpy kind(controller.get(), &ButtonController::editActionTypeChanged);
        controller->resetToDefault();
        QCOMPARE(reinit.count(), 1);
        QCOMPARE(kind.count(), 1);
        QCOMPARE(controller->editActionType(), int(ButtonController::Action_Disabled));
        QCOMPARE(controller->realEditActionType(), 0);
        // The control's other fields stay as stored.
        QCOMPARE(controller->editPressKey(), int('A'));
        QVERIFY(controller->getEditModifierStatus(ButtonController::ModifierType_Control));
        QCOMPARE(controller->mainActionType(), int(ButtonController::Action_TypeKeystroke));
        QCOMPARE(notified_.count, 0);
    }

    void resetInTheDefaultProfileTakesTheFactoryAction() {
        auto controller = controllerOf(kDefaultProfile, 0);
        controller->prepareForButtonEdit();
        controller->resetToDefault();
        const ActionPreference factory =
            store_->defaultAction(ApplicationContextConfiguration(), 0, 1);
        QCOMPARE(controller->getEditModifierStatus(ButtonController::ModifierType_Control),
                 factory.useCtrl());
        QCOMPARE(controller->realEditActionType(), static_cast<int>(factory.actionType()));
        QCOMPARE(controller->editPressKey(), 0);
        QCOMPARE(controller->getPressKey(), int('B'));
    }

    // A row keeps its controller across rebuilds: a new action is announced, the same one not.
    void aNewStoredActionIsAnnouncedToTheRow() {
        auto controller = controllerOf(kWorkProfile, 0);
        QSignalSpy shown(controller.get(), &ButtonController::mainActionTypeChanged);
        QSignalSpy comment(controller.get(), &ButtonController::actionCommentChanged);
        controller->setAction(stored(kWorkProfile, 0));
        QCOMPARE(shown.count(), 0);
        controller->setAction(stored(kWorkProfile, 2));
        QCOMPARE(shown.count(), 1);
        QCOMPARE(comment.count(), 1);
        QCOMPARE(controller->mainActionType(), int(ButtonController::Action_TypeText));
    }

    // A keystroke without a key, as the file holds a press of modifiers, opens as one.
    void aKeystrokeWithoutAKeyReadsAsAPressOfModifiers() {
        ActionPreference modifiers = stored(kWorkProfile, 0);
        modifiers.setKeyCode(0);
        ButtonController controller(*store_, {});
        controller.setAction(modifiers);
        QCOMPARE(controller.mainActionType(), int(ButtonController::Action_PressModifier));
        controller.prepareForButtonEdit();
        controller.setEditActionType(ButtonController::Action_PressModifier);
        QCOMPARE(controller.applyEditSettings(), int(ButtonController::Refusal_None));
        QCOMPARE(notified_.count, 0);
    }

    void editCopyAndStoredActionAreReadApart() {
        auto command = controllerOf(kWorkProfile, 1);
        command->prepareForButtonEdit();
        command->setEditCommandAndCommandArgs("calc", "-x");
        QCOMPARE(command->getCommandName(), QString("notepad"));
        QCOMPARE(command->getCommandArgs(), QString("a.txt"));
        QCOMPARE(command->getEditCommandName(), QString("calc"));
        QCOMPARE(command->getEditCommandArgs(), QString("-x"));

        auto text = controllerOf(kWorkProfile, 2);
        text->prepareForButtonEdit();
        text->setEditCommandAndCommandArgs("bye", "ignored");
        QCOMPARE(text->getTypeText(), QString("hello"));
        QCOMPARE(text->getEditTypeText(), QString("bye"));
        QCOMPARE(text->getEditCommandArgs(), QString());

        text->setEditActionType(ButtonController::Action_RunMacro);
        text->setMacroToRun("M");
        QCOMPARE(text->getEditMacroToRun(), QString("M"));
        QCOMPARE(text->getMacroToRun(), QString());
        text->clearMacroIfNamed(store_->macroKey("M"));
        QCOMPARE(text->getEditMacroToRun(), QString());
        QCOMPARE(text->editActionType(), int(ButtonController::Action_Disabled));

        // A keystroke takes neither a command nor a text.
        auto keystroke = controllerOf(kWorkProfile, 0);
        keystroke->prepareForButtonEdit();
        keystroke->setEditCommandAndCommandArgs("calc", "-x");
        QCOMPARE(keystroke->getEditCommandName(), QString());
        QCOMPARE(keystroke->getEditTypeText(), QString());
    }

    void editCopyModifiersRepeatAndTarget() {
        auto controller = controllerOf(kWorkProfile, 0);
        controller->prepareForButtonEdit();
        controller->setEditModifierStatus(ButtonController::ModifierType_Shift, true);
        controller->setEditModifierStatus(ButtonController::ModifierType_Control, false);
        controller->setEditModifierStatus(ButtonController::ModifierType_None, true);
        QVERIFY(controller->getEditModifierStatus(ButtonController::ModifierType_Shift));
        QVERIFY(!controller->getEditModifierStatus(ButtonController::ModifierType_Control));
        QVERIFY(!controller->getModifierStatus(ButtonController::ModifierType_Shift));

        controller->setRepeatType(ButtonController::Repeat30TimesPerSec);
        QCOMPARE(controller->getEditRepeatType(), ButtonController::Repeat30TimesPerSec);
        QCOMPARE(controller->getRepeatType(), ButtonController::OnceOnly);

        QSignalSpy target(controller.get(), &ButtonController::editSwitchToProfileKeyUpdated);
        controller->setProperty("editSwitchToProfileKey", QString::fromStdString(kDefaultProfile));
        controller->setProperty("editSwitchToProfileKey", QString::fromStdString(kDefaultProfile));
        QCOMPARE(target.count(), 1);
        QCOMPARE(controller->getSwitchToProfileKey(), QString());

        controller->applyEditSettings();
        const ActionPreference saved = stored(kWorkProfile, 0);
        QVERIFY(saved.useShift() && !saved.useCtrl());
        QCOMPARE(saved.repeatType(), uint32_t(ButtonController::Repeat30TimesPerSec));
        QCOMPARE(saved.switchToProfile(), kDefaultProfile);
    }

    void controlKinds_data() {
        QTest::addColumn<uint>("control");
        QTest::addColumn<QString>("group");
        QTest::addColumn<bool>("main");
        QTest::addColumn<bool>("dial");
        QTest::addColumn<bool>("jogWheel");
        QTest::newRow("button 1") << 0u << "" << true << false << false;
        QTest::newRow("button 15") << 14u << "" << true << false << false;
        QTest::newRow("dial left") << 15u << "" << false << true << false;
        QTest::newRow("dial right") << 16u << "" << false << true << false;
        QTest::newRow("zone -7") << 17u << "" << false << false << true;
        QTest::newRow("zone 7") << 31u << "" << false << false << true;
        QTest::newRow("first forward") << 32u << "Transitions Right" << false << false << true;
        QTest::newRow("last forward") << 45u << "Transitions Right" << false << false << true;
        QTest::newRow("first backward") << 46u << "Transitions Left" << false << false << true;
        QTest::newRow("last backward") << 59u << "Transitions Left" << false << false << true;
        QTest::newRow("no control") << 60u << "" << false << false << false;
    }

    void controlKinds() {
        QFETCH(uint, control);
        QFETCH(QString, group);
        QFETCH(bool, main);
        QFETCH(bool, dial);
        QFETCH(bool, jogWheel);
        ActionPreference stored;
        stored.setControl(control);
        ButtonController controller(*store_, {});
        controller.setAction(stored);
        QCOMPARE(controller.property("buttonType").toInt(), static_cast<int>(control));
        QCOMPARE(controller.buttonGroup(), group);
        QCOMPARE(controller.isMainButton(), main);
        QCOMPARE(controller.isDialButton(), dial);
        QCOMPARE(controller.isJogWheelButton(), jogWheel);
    }

    // The action editor's calls, from a document: enums by name as arguments, results
    // and property values, and the short form of applyEditSettings.
    void documentsEditThroughTheEnums() {
        QTest::failOnWarning(QRegularExpression(".*"));
        auto controller = controllerOf(kWorkProfile, 0);
        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData(
            "import QtQml\nimport WhirlenUI 1.0\n"
            "QtObject {\n"
            "  required property ButtonController button\n"
            "  function edit() {\n"
            "    button.prepareForButtonEdit()\n"
            "    button.editActionType = ButtonController.Action_TypeKeystroke\n"
            "    button.setEditModifierStatus(ButtonController.ModifierType_Shift, true)\n"
            "    button.setRepeatType(ButtonController.Repeat30TimesPerSec)\n"
            "    if (button.getEditRepeatType() !== ButtonController.Repeat30TimesPerSec)\n"
            "      return false\n"
            "    button.applyEditSettings()\n"
            "    return button.mainActionType === ButtonController.Action_TypeKeystroke\n"
            "        && button.getModifierStatus(ButtonController.ModifierType_Shift)\n"
            "        && button.buttonType === ButtonController.Button_1\n"
            "  }\n"
            "}\n",
            QUrl("qrc:/ButtonEditProbe.qml"));
        std::unique_ptr<QObject> probe(component.createWithInitialProperties(
            {{"button", QVariant::fromValue(controller.get())}}));
        QVERIFY2(probe, qPrintable(component.errorString()));
        QVariant edited;
        QVERIFY(QMetaObject::invokeMethod(probe.get(), "edit", Q_RETURN_ARG(QVariant, edited)));
        QVERIFY(edited.toBool());
        QCOMPARE(stored(kWorkProfile, 0).repeatType(),
                 uint32_t(ButtonController::Repeat30TimesPerSec));
    }

    void metaObjectNamesWhatTheDocumentsUse() {
        struct Property {
            const char* name;
            const char* type;
            const char* notify;
            bool writable;
        };
        const Property properties[] = {
            {"buttonType", "ButtonController::ButtonUI", "buttonTypeChanged", false},
            {"mainActionType", "int", "mainActionTypeChanged", false},
            {"realActionType", "int", "mainActionTypeChanged", false},
            {"editActionType", "int", "editActionTypeChanged", true},
            {"realEditActionType", "int", "editActionTypeChanged", true},
            {"isMainButton", "bool", "isMainButtonChanged", false},
            {"isDialButton", "bool", "isDialButtonChanged", false},
            {"isJogWheelButton", "bool", "isJogWheelButtonChanged", false},
            {"buttonGroup", "QString", "buttonGroupChanged", false},
            {"editPressKey", "int", "editPressKeyUpdated", true},
            {"editSwitchToProfileKey", "QString", "editSwitchToProfileKeyUpdated", true},
            {"editComment", "QString", "actionCommentChanged", true},
            {"comment", "QString", "actionCommentChanged", true},
        };
        const QMetaObject& meta = ButtonController::staticMetaObject;
        QCOMPARE(meta.propertyCount() - meta.propertyOffset(), int(std::size(properties)));
        for (const Property& expected : properties) {
            const QMetaProperty property = meta.property(meta.indexOfProperty(expected.name));
            QVERIFY2(property.isValid(), expected.name);
            QCOMPARE(property.typeName(), expected.type);
            QCOMPARE(property.notifySignal().name(), QByteArray(expected.notify));
            QCOMPARE(property.isWritable(), expected.writable);
        }

        const QList<QByteArray> signalNames = {
            "buttonTypeChanged",     "mainActionTypeChanged",
            "editActionTypeChanged", "isMainButtonChanged",
            "isDialButtonChanged",   "isJogWheelButtonChanged",
            "actionCommentChanged",  "buttonGroupChanged",
            "editPressKeyUpdated",   "editSwitchToProfileKeyUpdated",
            "reinitWindow",
        };
        QList<QByteArray> declared;
        for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
            if (meta.method(i).methodType() == QMetaMethod::Signal) {
                declared << meta.method(i).name();
            }
        }
        QCOMPARE(declared, signalNames);

        // The enums by name and value; within a run the values count up by one.
        struct EnumRun {
            const char* enumName;
            const char* first;
            int value;
            int count;
        };
        const EnumRun runs[] = {
            {"ButtonUI", "Button_1", 0, 15},
            {"ButtonUI", "Button_DialLeft", 15, 2},
            {"ButtonUI", "Button_JogWheelZone0", 17, 15},
            {"ButtonUI", "Button_JogWheelTransition0to1", 32, 14},
            {"ButtonUI", "Button_JogWheelTransition14to13", 46, 14},
            {"ButtonUI", "Button_Count", 60, 1},
            {"MainActionEnum", "Action_Disabled", 0, 1},
            {"MainActionEnum", "Action_UseDefaultSetting", 2, 2},
            {"MainActionEnum", "Action_TypeKeystroke", 5, 5},
            {"MainActionEnum", "Action_TypeText", 11, 3},
            {"RepetitionUI", "OnceOnly", 0, 15},
            {"ModifierType", "ModifierType_None", -1, 6},
            {"RealActionEnum", "None", 0, 29},
        };
        std::map<QByteArray, int> keysSeen;
        for (const EnumRun& run : runs) {
            const QMetaEnum metaEnum = meta.enumerator(meta.indexOfEnumerator(run.enumName));
            QVERIFY2(metaEnum.isValid(), run.enumName);
            int index = 0;
            while (index < metaEnum.keyCount() && QByteArray(metaEnum.key(index)) != run.first) {
                ++index;
            }
            QVERIFY2(index + run.count <= metaEnum.keyCount(), run.first);
            for (int i = 0; i < run.count; ++i) {
                QCOMPARE(metaEnum.value(index + i), run.value + i);
            }
            keysSeen[run.enumName] += run.count;
        }
        for (const auto& [enumName, count] : keysSeen) {
            QCOMPARE(meta.enumerator(meta.indexOfEnumerator(enumName)).keyCount(), count);
        }
        const QMetaEnum buttons = meta.enumerator(meta.indexOfEnumerator("ButtonUI"));
        QCOMPARE(buttons.keyToValue("Button_JogWheelTransition13to14"), 45);
        QCOMPARE(buttons.keyToValue("Button_JogWheelTransition1to0"), 59);
        const QMetaEnum real = meta.enumerator(meta.indexOfEnumerator("RealActionEnum"));
        QCOMPARE(real.keyToValue("TypeText"), 27);
        QCOMPARE(real.keyToValue("Count"), 28);
        const QMetaEnum main = meta.enumerator(meta.indexOfEnumerator("MainActionEnum"));
        QCOMPARE(main.keyToValue("Action_SwitchToProfile"), 12);
        QCOMPARE(main.keyToValue("Action_Count"), 13);
        const QMetaEnum repetition = meta.enumerator(meta.indexOfEnumerator("RepetitionUI"));
        QCOMPARE(repetition.keyToValue("AsFastAsPosible"), 2);
        QCOMPARE(repetition.keyToValue("OnceEvery4Sec"), 13);
    }
};

WHIRLEN_QT_TEST_MAIN(ButtonControllerTest)
#include "ButtonControllerTest.moc"
