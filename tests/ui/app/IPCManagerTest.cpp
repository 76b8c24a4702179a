// The configuration program's end of the agent link against a recording stand-in for the
// agent: what it announces, how the agent's lists change the device table, and that all of
// it is handled on the main thread.

#include <unistd.h>

#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "shared/ipc/IPCPrefsUpdateMessage.h"
#include "shared/ipc/IPCResponseConnectedDevices.h"
#include "shared/prefs/PreferencesStore.h"
#include "tests/shared/ipc/IPCTestSupport.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/ui/app/QtTestMain.h"
#include "ui/app/DevicesManager.h"
#include "ui/app/IPCManager.h"

namespace {

ConnectedDevice record(uint32_t model, const std::string& uuid, uint32_t battery = 0,
                       uint32_t driverDeviceId = 0) {
    ConnectedDevice device(1, model, true, uuid, "dummy", "dummy");
    device.batteryLevel = battery;
    device.driverDeviceId = driverDeviceId;
    return device;
}

std::vector<uint8_t> listFrame(const std::vector<ConnectedDevice>& devices) {
    IPCResponseConnectedDevices list;
    for (const ConnectedDevice& device : devices) {
        list.addDevice(device);
    }
    return list.serialize();
}

std::vector<std::string> serials(const DevicesManager::Descriptors& descriptors) {
    std::vector<std::string> result;
    for (const auto& descriptor : descriptors) {
        result.push_back(descriptor->serial());
    }
    return result;
}

}  // namespace

class IPCManagerTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        runtime = std::make_unique<ipctest::TempRuntimeDir>();
        files = std::make_unique<TemporaryFolder>("ipc-manager");
        std::filesystem::copy_file(WHIRLEN_BACKUP_PREFERENCES_FILE,
                                   files->file("pelvane_default_backup.json"));
        store = std::make_unique<PreferencesStore>(PreferencesStorePaths{
            files->file("pelvane_default.json"), files->file("pelvane_profile_bind.json"),
            files->file("pelvane_default_backup.json")});
        store->load();
        devices = std::make_shared<DevicesManager>(*store);
        link = std::make_unique<IPCManager>(devices, *store);
        link->setReconnectDelay(std::chrono::milliseconds(10));
        listener = ipctest::listenRaw();
        QVERIFY(listener >= 0);
        devices->start(*link);
        QVERIFY(link->start());
        agent = ipctest::acceptRaw(listener);
        QVERIFY(agent >= 0);
        announcement = ipctest::readFrames(agent, 2);
        watchThreads();
    }

    void cleanup() {
        link.reset();
        ::close(agent);
        ::close(listener);
        devices.reset();
        store.reset();
        files.reset();
        runtime.reset();
        QVERIFY(offMainThread.empty());
    }

    void announcesADeviceRequestThenAPreferencesUpdate() {
        QCOMPARE(announcement.size(), size_t{2});
        QCOMPARE(announcement[0], IPCMessage(IPCMessageType::RequestDevices).serialize());
        IPCPrefsUpdateMessage update;
        update.setText("{}");
        QCOMPARE(announcement[1], update.serialize());
    }

    void sendersReachTheAgentInOrder() {
        link->sendPreferencesUpdate();
        link->sendSettingsUpdate();
        link->requestConnectedDevices();
        const std::vector<IPCFrame> frames = ipctest::readFrames(agent, 3);
        QCOMPARE(frames.size(), size_t{3});
        QCOMPARE(frames[0], announcement[1]);
        QCOMPARE(frames[1], IPCMessage(IPCMessageType::SettingsUpdate).serialize());
        QCOMPARE(frames[2], announcement[0]);
    }

    void placeholdersStandForBothModels() {
        QCOMPARE(
            serials(devices->configurationDevices()),
            (std::vector<std::string>{"configuration_whirlenmax", "configuration_whirlenlite"}));
        QVERIFY(!devices->configurationDevices()[0]->isRealDevice());
        // Each holds its model's default bindings.
        QVERIFY(!devices->configurationDevices()[1]->configurationFor("").empty());
    }

    void listsAddRefreshAndDropDevices() {
        QSignalSpy updated(devices.get(), &DevicesManager::connectedDevicesUpdated);
        QSignalSpy added(devices.get(), &DevicesManager::newConnectedDevice);

        // A Max and a Lite at once: one update, one arrival, of the last one added.
        send({record(1, "max"), record(2, "lite")});
        QVERIFY(updated.wait());
        QCOMPARE(updated.count(), 1);
        QCOMPARE(added.count(), 1);
        const int model = added[0][0].toInt();
        QVERIFY(model == 1 || model == 2);
        QCOMPARE(devices->countConnectedDevices(), 2);

        // The Max goes: dropped, and no arrival.
        send({record(2, "lite")});
        QVERIFY(updated.wait());
        QCOMPARE(serials(devices->connectedDevices()), std::vector<std::string>{"lite"});
        QCOMPARE(added.count(), 1);

        // Only invalid records: a model 3, an empty identifier. They drop what was there.
        send({record(3, "lite"), record(1, "")});
        QVERIFY(updated.wait());
        QCOMPARE(devices->countConnectedDevices(), 0);

        // An empty list empties the table, and says so even when it was empty.
        send({});
        QVERIFY(updated.wait());
        QCOMPARE(updated.count(), 4);
    }

    void aRepeatedIdentifierGivesOneDeviceFromTheLaterRecord() {
        QSignalSpy updated(devices.get(), &DevicesManager::connectedDevicesUpdated);
        send({record(1, "same", 10), record(2, "same", 20)});
        QVERIFY(updated.wait());
        const auto table = devices->connectedDevices();
        QCOMPARE(table.size(), size_t{1});
        QCOMPARE(table[0]->model(), 2u);
        QVERIFY(table[0]->isRealDevice());
        // New devices keep battery 0 until the next list.
        QCOMPARE(table[0]->batteryLevel(), 0);
    }

    void driverIdsGiveTheirDriverValues() {
        QSignalSpy updated(devices.get(), &DevicesManager::connectedDevicesUpdated);
        send({record(1, "five", 0, 5), record(1, "six", 0, 6), record(1, "seven", 0, 7)});
        QVERIFY(updated.wait());
        for (const auto& descriptor : devices->connectedDevices()) {
            const int expected = descriptor->serial() == "five"  ? 48
                                 : descriptor->serial() == "six" ? 32
                                                                 : 0;
            QCOMPARE(descriptor->driverValue(), expected);
        }
    }

    void anUnchangedListEmitsNothingAndABatteryChangeOnlyItsDeviceSignal() {
        QSignalSpy updated(devices.get(), &DevicesManager::connectedDevicesUpdated);
        send({record(1, "max"), record(2, "lite")});
        QVERIFY(updated.wait());
        const auto table = devices->connectedDevices();
        const auto& max = table[0]->serial() == "max" ? table[0] : table[1];
        const auto& lite = table[0]->serial() == "max" ? table[1] : table[0];
        QSignalSpy maxInfo(max.get(), &DeviceDescriptor::deviceInfoUpdated);
        QSignalSpy liteInfo(lite.get(), &DeviceDescriptor::deviceInfoUpdated);
        QSignalSpy added(devices.get(), &DevicesManager::newConnectedDevice);
        watch(lite.get(), &DeviceDescriptor::deviceInfoUpdated);

        send({record(1, "max"), record(2, "lite")});
        send({record(1, "max"), record(2, "lite", 70)});
        // Frames are handled in order: once the second list is in, so is the first.
        QVERIFY(liteInfo.wait());
        QCOMPARE(liteInfo.count(), 1);
        QCOMPARE(lite->batteryLevel(), 70);
        QCOMPARE(maxInfo.count(), 0);
        QCOMPARE(updated.count(), 1);
        QCOMPARE(added.count(), 0);
    }

    void aPreferencesUpdateRebuildsEveryDescriptor() {
        QSignalSpy updated(devices.get(), &DevicesManager::connectedDevicesUpdated);
        send({record(1, "max")});
        QVERIFY(updated.wait());
        std::vector<std::unique_ptr<QSignalSpy>> rebuilt;
        for (const auto& descriptor : devices->connectedDevices()) {
            watch(descriptor.get(), &DeviceDescriptor::prefsUpdate);
            rebuilt.push_back(
                std::make_unique<QSignalSpy>(descriptor.get(), &DeviceDescriptor::prefsUpdate));
        }
        for (const auto& descriptor : devices->configurationDevices()) {
            rebuilt.push_back(
                std::make_unique<QSignalSpy>(descriptor.get(), &DeviceDescriptor::prefsUpdate));
        }

        IPCPrefsUpdateMessage update;
        update.setText("{}");
        QVERIFY(ipctest::sendRaw(agent, update.serialize()));

        for (const auto& spy : rebuilt) {
            QVERIFY(spy->count() > 0 || spy->wait());
        }
    }

    void framesThatDoNotParseAreIgnored() {
        QSignalSpy updated(devices.get(), &DevicesManager::connectedDevicesUpdated);
        std::vector<uint8_t> broken = listFrame({record(1, "max")});
        broken[broken.size() - 3] = '{';
        QVERIFY(ipctest::sendRaw(agent, broken));
        send({record(2, "lite")});
        QVERIFY(updated.wait());
        QCOMPARE(updated.count(), 1);
        QCOMPARE(serials(devices->connectedDevices()), std::vector<std::string>{"lite"});
    }

    void aHeaderWithACorruptLengthCostsOnlyItself() {
        QSignalSpy updated(devices.get(), &DevicesManager::connectedDevicesUpdated);
        // A known type, and a length that the valid list behind it does not come near.
        std::vector<uint8_t> corrupt = IPCMessage(IPCMessageType::ConnectedDevices).serialize();
        corrupt[8] = 1;
        QVERIFY(ipctest::sendRaw(agent, corrupt));
        send({record(2, "lite")});
        QVERIFY(updated.wait());
        QCOMPARE(serials(devices->connectedDevices()), std::vector<std::string>{"lite"});
    }

    void reconnectsOnTheNextPassWhenTheAgentComesBack() {
        // An hour's pause between attempts: only a reconnect without one passes.
        link->stop();
        link->setReconnectDelay(std::chrono::hours(1));
        QVERIFY(link->start());
        ::close(agent);
        agent = ipctest::acceptRaw(listener);
        QVERIFY(agent >= 0);
        QCOMPARE(ipctest::readFrames(agent, 2), announcement);
        QSignalSpy updated(devices.get(), &DevicesManager::connectedDevicesUpdated);
        send({record(1, "max")});
        QVERIFY(updated.wait());
        // The agent restarts: a new socket listens before the old connection drops.
        ::close(listener);
        listener = ipctest::listenRaw();
        QVERIFY(listener >= 0);
        ::close(agent);
        agent = ipctest::acceptRaw(listener);
        QVERIFY(agent >= 0);
        QCOMPARE(ipctest::readFrames(agent, 2), announcement);
    }

private:
    void send(const std::vector<ConnectedDevice>& records) {
        QVERIFY(ipctest::sendRaw(agent, listFrame(records)));
    }

    // Records each emission of the signal that comes on another thread than the main one.
    template <typename Sender, typename Signal>
    void watch(Sender* sender, Signal signal) {
        connect(
            sender, signal, this,
            [this] {
                if (QThread::currentThread() != qApp->thread()) {
                    offMainThread.push_back(QThread::currentThread());
                }
            },
            Qt::DirectConnection);
    }

    void watchThreads() {
        watch(devices.get(), &DevicesManager::connectedDevicesUpdated);
        watch(devices.get(), &DevicesManager::newConnectedDevice);
        for (const auto& descriptor : devices->configurationDevices()) {
            watch(descriptor.get(), &DeviceDescriptor::prefsUpdate);
        }
    }

    std::unique_ptr<ipctest::TempRuntimeDir> runtime;
    std::unique_ptr<TemporaryFolder> files;
    std::unique_ptr<PreferencesStore> store;
    std::shared_ptr<DevicesManager> devices;
    std::unique_ptr<IPCManager> link;
    int listener = -1;
    int agent = -1;
    std::vector<IPCFrame> announcement;
    std::vector<QThread*> offMainThread;
};

WHIRLEN_QT_TEST_MAIN(IPCManagerTest)
#include "IPCManagerTest.moc"
