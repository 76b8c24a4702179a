// The device table against the real agent program and a made-up controller: the table holds
// what the agent finds, beside both placeholders, and follows it when the controller goes.

#include <QSignalSpy>
#include <QTest>

#include <filesystem>
#include <memory>

#include "shared/prefs/PreferencesStore.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/FakeDeviceTree.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/ui/app/QtTestMain.h"
#include "ui/app/DevicesManager.h"
#include "ui/app/IPCManager.h"

namespace {

constexpr uint32_t kVendor = 0x0F1E;
constexpr uint32_t kMaxProduct = 0x30;
// Long enough for a start under a sanitizer on a loaded machine; only a hang runs into it.
constexpr int kPatienceMs = 60000;

}  // namespace

class AgentDeviceTableTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        environment = std::make_unique<ScopedEnvironment>();
        environment->set("XDG_RUNTIME_DIR", runtime.path().string());
        environment->set("XDG_DATA_HOME", data.path().string());
        environment->set("WHIRLEN_SYSFS_ROOT", tree.sysfsRoot());
        environment->set("WHIRLEN_DEV_ROOT", tree.devRoot());
        // No tray and no X display: the agent runs on without either.
        environment->set("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + runtime.file("no-bus"));
        environment->unset("DISPLAY");
        QVERIFY(tree.addHidraw(0, kVendor, kMaxProduct, 1, "2"));
        QVERIFY(agent.start({WHIRLEN_AGENT_PROGRAM}));

        std::filesystem::copy_file(WHIRLEN_BACKUP_PREFERENCES_FILE,
                                   files.file("pelvane_default_backup.json"));
        store = std::make_unique<PreferencesStore>(PreferencesStorePaths{
            files.file("pelvane_default.json"), files.file("pelvane_profile_bind.json"),
            files.file("pelvane_default_backup.json")});
        store->load();
        devices = std::make_shared<DevicesManager>(*store);
        link = std::make_unique<IPCManager>(devices, *store);
        link->setReconnectDelay(std::chrono::milliseconds(50));
    }

    void cleanup() {
        link.reset();
        devices.reset();
        store.reset();
        agent.stop();
        environment.reset();
    }

    void aFoundControllerJoinsThePlaceholdersAndLeavesWithIt() {
        devices->start(*link);
        QVERIFY(link->start());

        QTRY_COMPARE_WITH_TIMEOUT(devices->countConnectedDevices(), 1, kPatienceMs);
        const auto device = devices->connectedDevices()[0];
        QCOMPARE(device->model(), 1u);
        QVERIFY(device->isRealDevice());
        QVERIFY(!device->serial().empty());
        QVERIFY(!device->configurationFor("").empty());
        QCOMPARE(devices->configurationDevices().size(), size_t{2});

        QSignalSpy updated(devices.get(), &DevicesManager::connectedDevicesUpdated);
        tree.removeHidraw(0);
        QTRY_COMPARE_WITH_TIMEOUT(devices->countConnectedDevices(), 0, kPatienceMs);
        QVERIFY(updated.count() >= 1);
        QCOMPARE(devices->configurationDevices().size(), size_t{2});
    }

private:
    FakeDeviceTree tree;
    TemporaryFolder runtime{"agent-table-runtime"};
    TemporaryFolder data{"agent-table-data"};
    TemporaryFolder files{"agent-table-store"};
    std::unique_ptr<ScopedEnvironment> environment;
    ChildProcess agent;
    std::unique_ptr<PreferencesStore> store;
    std::shared_ptr<DevicesManager> devices;
    std::unique_ptr<IPCManager> link;
};

WHIRLEN_QT_TEST_MAIN(AgentDeviceTableTest)
#include "AgentDeviceTableTest.moc"
