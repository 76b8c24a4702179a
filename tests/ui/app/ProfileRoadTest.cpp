// Profiles between the window's view models and the agent program on a made-up Whirlen Max:
// a profile made active in the window is the one whose bindings the next press runs, edits
// after the switch land in it, and a switch made on the device moves the window's selection,
// on the main thread.

#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <chrono>
#include <memory>
#include <vector>

#include "shared/prefs/PreferencesStore.h"
#include "tests/ui/app/AgentRoad.h"
#include "tests/ui/app/QtTestMain.h"
#include "ui/app/ApplicationController.h"
#include "ui/app/ApplicationManager.h"
#include "ui/app/IPCManager.h"

// Only the keysyms: Xlib's other macros (None, Bool...) clash with names here.
#include <X11/keysym.h>

namespace {

constexpr int kPatienceMs = 30000;

const QString kDefaultProfile = AgentRoad::kDefaultProfile;
const QString kOtherProfile = AgentRoad::kOtherProfile;

}  // namespace

class ProfileRoadTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<AgentRoad> road_;
    std::unique_ptr<ApplicationManager> manager_;
    std::unique_ptr<ApplicationController> controller_;

    DeviceController* selected() const { return controller_->selectedDeviceController(); }

    bool pressAndSee(uint16_t button, unsigned long keysym) {
        return road_->pressAndSee(button, keysym);
    }

private slots:
    void init() {
        road_ = std::make_unique<AgentRoad>();
        QVERIFY(road_->start(AgentRoad::twoProfiles(false)));
        manager_ = std::make_unique<ApplicationManager>();
        manager_->preferencesStore().reload(false);
        manager_->ipcManager()->setReconnectDelay(std::chrono::milliseconds(50));
        controller_ = std::make_unique<ApplicationController>(*manager_);
        manager_->start();
        // The device reported within the first seconds takes the selection.
        QTRY_VERIFY_WITH_TIMEOUT(selected() != nullptr && !selected()->isConfiguration() &&
                                     selected()->selectedProfileKey() == kDefaultProfile,
                                 kPatienceMs);
        // The agent handles frames in order: its answer means the program's announcement,
        // and the reload it asks for, are behind it.
        QVERIFY(AgentRoad::agentAnswers());
    }

    void cleanup() {
        controller_.reset();
        manager_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        road_.reset();
    }

    void theNextPressFollowsTheProfileMadeActiveAndItsEdits() {
        QVERIFY(pressAndSee(0x0001, XK_a));

        controller_->setActiveProfile(kOtherProfile);
        QCOMPARE(selected()->selectedProfileKey(), kOtherProfile);
        QVERIFY(AgentRoad::agentAnswers());
        QVERIFY(pressAndSee(0x0001, XK_c));

        ButtonController* button = selected()->selectedProfileController()->button(0);
        QVERIFY(button != nullptr);
        button->prepareForButtonEdit();
        button->setEditPressKey('D');
        button->applyEditSettings();
        QVERIFY(AgentRoad::agentAnswers());
        QVERIFY(pressAndSee(0x0001, XK_d));

        controller_->setActiveProfile(kDefaultProfile);
        QVERIFY(AgentRoad::agentAnswers());
        QVERIFY(pressAndSee(0x0001, XK_a));
    }

    void aSwitchOnTheDeviceMovesTheSelectedProfileOnTheMainThread() {
        bool offMainThread = false;
        connect(
            selected(), &DeviceController::selectedProfileControllerChanged, this,
            [&] { offMainThread |= QThread::currentThread() != thread(); }, Qt::DirectConnection);

        // Pressed and held: a release written at once would be read with the press as one.
        QVERIFY(road_->writeAndSee(0x0002, {}));

        QTRY_COMPARE_WITH_TIMEOUT(selected()->selectedProfileKey(), kOtherProfile, kPatienceMs);
        QVERIFY(!offMainThread);
        QTRY_COMPARE(selected()->selectedProfileController()->button(0)->getPressKey(), int('C'));
    }
};

WHIRLEN_QT_TEST_MAIN(ProfileRoadTest)
#include "ProfileRoadTest.moc"
