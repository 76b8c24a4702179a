// The road of an edit between the configuration program and the agent program, both
// ways: a key picked for button 1 is saved, the agent reloads, and the next press of the
// button types it in an application on a private X server; a press that switches the
// controller's profile makes the agent tell the program, whose device entry then shows
// the new profile's bindings.

#include <QTest>

#include <memory>
#include <string>

#include <nlohmann/json.hpp>

#include "shared/prefs/PreferencesStore.h"
#include "tests/support/TestFiles.h"
#include "tests/ui/app/AgentRoad.h"
#include "tests/ui/app/QtTestMain.h"
#include "ui/app/ButtonController.h"
#include "ui/app/DeviceDescriptor.h"
#include "ui/app/DevicesManager.h"
#include "ui/app/IPCManager.h"

// Only the keysyms: Xlib's other macros (None, Bool...) clash with names here.
#include <X11/keysym.h>

namespace {

using nlohmann::json;

constexpr int kKeyPress = AgentRoad::kKeyPress;
constexpr int kKeyRelease = AgentRoad::kKeyRelease;
constexpr int kPatienceMs = 30000;

}  // namespace

class ButtonEditRoadTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<AgentRoad> road_;
    std::unique_ptr<PreferencesStore> store_;
    std::shared_ptr<DevicesManager> devices_;
    std::shared_ptr<IPCManager> ipc_;

    std::string settingsFile(const std::string& name) const { return road_->settingsFile(name); }

    // Whether the report makes the application see exactly that one key event.
    bool writeAndSee(uint16_t pressed, int type, unsigned long keysym) {
        return road_->writeAndSee(pressed, {SeenInput{type, keysym, 0}});
    }

    std::shared_ptr<DeviceDescriptor> device() const {
        const DevicesManager::Descriptors connected = devices_->connectedDevices();
        return connected.empty() ? nullptr : connected.front();
    }

    ActionPreference buttonOne() const {
        const ControlActionMap actions = device()->configurationFor("");
        const auto found = actions.find(0);
        return found == actions.end() ? ActionPreference() : found->second;
    }

    std::string savedKeyOfButtonOne() const {
        const json saved =
            json::parse(readFileBytes(settingsFile("pelvane_default.json")), nullptr, false);
        for (const json& profile : saved["ProfilesPreferences"]) {
            for (const json& action : profile["Actions"]) {
                if (profile["Name"] == "default" && action["MouseButton"] == "DeviceButton_1") {
                    return action["KeyCode"].get<std::string>();
                }
            }
        }
        return {};
    }

private slots:
    void init() {
        road_ = std::make_unique<AgentRoad>();
        QVERIFY(road_->start(AgentRoad::twoProfiles(true)));
        store_ = std::make_unique<PreferencesStore>(PreferencesStorePaths{
            settingsFile("pelvane_default.json"), settingsFile("pelvane_profile_bind.json"),
            WHIRLEN_BACKUP_PREFERENCES_FILE});
        store_->load();
        devices_ = std::make_shared<DevicesManager>(*store_);
        ipc_ = std::make_shared<IPCManager>(devices_, *store_);
        devices_->start(*ipc_);
        QVERIFY(ipc_->start());
        QTRY_VERIFY_WITH_TIMEOUT(device() != nullptr, kPatienceMs);
        // The agent handles frames in order: its answer means the reload that the link's
        // announcement asks for is behind it, and no press meets it half done.
        QVERIFY(AgentRoad::agentAnswers());
    }

    void cleanup() {
        if (ipc_) {
            ipc_->stop();
        }
        ipc_.reset();
        devices_.reset();
        store_.reset();
        road_.reset();
    }

    void aKeyPickedForButtonOneIsTypedAtTheNextPress() {
        ButtonController controller(*store_, ipc_);
        controller.setAction(buttonOne());
        QCOMPARE(controller.getPressKey(), int('A'));
        controller.prepareForButtonEdit();
        controller.setEditModifierStatus(ButtonController::ModifierType_Control, false);
        controller.setEditPressKey('B');
        controller.applyEditSettings();

        QCOMPARE(savedKeyOfButtonOne(), std::string("KEY_B"));
        QVERIFY(AgentRoad::agentAnswers());
        QVERIFY(writeAndSee(0x0001, kKeyPress, XK_b));
        QVERIFY(writeAndSee(0x0000, kKeyRelease, XK_b));
    }

    void aProfileSwitchOnTheDeviceRebuildsItsEntry() {
        QCOMPARE(buttonOne().profile(), std::string(AgentRoad::kDefaultProfile));
        road_->write(0x0002, 0);
        QTRY_VERIFY_WITH_TIMEOUT(buttonOne().profile() == AgentRoad::kOtherProfile, kPatienceMs);
        QCOMPARE(buttonOne().keyCode(), int64_t('C'));
        // Button 2 up and button 1 down in one report; the agent types with the new
        // profile too.
        QVERIFY(writeAndSee(0x0001, kKeyPress, XK_c));
        QVERIFY(writeAndSee(0x0000, kKeyRelease, XK_c));
    }
};

WHIRLEN_QT_TEST_MAIN(ButtonEditRoadTest)
#include "ButtonEditRoadTest.moc"
