// The product bar and its selection as the agent reports devices: which entries show, in
// which order, and which one is selected at start and after a device comes or goes, on an
// injected clock, with the program's real agent link talking to a recording agent.

#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include <string>
#include <utility>
#include <vector>

#include "tests/ui/app/AppSession.h"
#include "tests/ui/app/QtTestMain.h"

namespace {

struct Report {
    int uptime;
    // Model and identifier of each device connected from then on.
    std::vector<std::pair<uint32_t, std::string>> devices;
};

using Reports = std::vector<Report>;
using Arguments = std::vector<std::string>;

ConnectedDevice device(uint32_t model, const std::string& uuid) {
    ConnectedDevice record(1, model, true, uuid, "dummy", "dummy");
    record.batteryLevel = 80;
    return record;
}

// "max"/"lite" for a placeholder, the identifier for a device.
QString entryName(const DeviceController* controller) {
    if (controller == nullptr) {
        return "none";
    }
    if (controller->isConfiguration()) {
        return controller->modelType() == 1 ? "max" : "lite";
    }
    return QString::fromStdString(controller->realDeviceId());
}

QStringList shown(ApplicationController& controller) {
    auto list = controller.listDeviceControllers();
    QStringList names;
    for (qsizetype i = 0; i < list.count(&list); ++i) {
        names.append(entryName(list.at(&list, i)));
    }
    return names;
}

QStringList connectedIds(ApplicationController& controller) {
    QStringList ids;
    for (const QString& name : shown(controller)) {
        if (name != "max" && name != "lite") {
            ids.append(name);
        }
    }
    ids.sort();
    return ids;
}

}  // namespace

class StartupSelectionTest : public QObject {
    Q_OBJECT

private slots:
    void selection_data() {
        QTest::addColumn<Arguments>("arguments");
        QTest::addColumn<Reports>("reports");
        QTest::addColumn<QStringList>("expectedList");
        QTest::addColumn<QString>("expectedSelection");
        QTest::addColumn<int>("expectedScrolls");

        QTest::newRow("no device")
            << Arguments{} << Reports{} << QStringList{"max", "lite"} << "max" << 0;
        QTest::newRow("-devModel 2, no device") << Arguments{"-devModel", "2"} << Reports{}
                                                << QStringList{"max", "lite"} << "lite" << 0;
        QTest::newRow("a Max at 2 s takes the placeholder's place")
            << Arguments{} << Reports{{2, {{1, "m1"}}}} << QStringList{"m1", "lite"} << "m1" << 1;
        QTest::newRow("the selected Max removed brings its placeholder back")
            << Arguments{} << Reports{{2, {{1, "m1"}}}, {3, {}}} << QStringList{"max", "lite"}
            << "max" << 1;
        QTest::newRow("a second device at 3 s changes nothing")
            << Arguments{} << Reports{{2, {{1, "m1"}}}, {3, {{1, "m1"}, {2, "l1"}}}}
            << QStringList{"m1", "l1"} << "m1" << 1;
        QTest::newRow("unplugging the selected one of two moves to the other")
            << Arguments{}
            << Reports{{2, {{1, "m1"}}}, {3, {{1, "m1"}, {2, "l1"}}}, {4, {{2, "l1"}}}}
            << QStringList{"l1", "max"} << "l1" << 1;
        QTest::newRow("-devId names the device reported at 1 s")
            << Arguments{"-devId", "l1"} << Reports{{1, {{2, "l1"}}}} << QStringList{"l1", "max"}
            << "l1" << 0;
        QTest::newRow("a device reported at 10 s takes the selection")
            << Arguments{} << Reports{{10, {{2, "l1"}}}} << QStringList{"l1", "max"} << "l1" << 1;
        QTest::newRow("a model-0 device is a tile that is never selected")
            << Arguments{"-devId", "z0"} << Reports{{2, {{0, "z0"}}}, {3, {{0, "z0"}, {2, "l1"}}}}
            << QStringList{"l1", "z0", "max"} << "max" << 0;
        QTest::newRow("-devModel 2 and a Max at 2 s")
            << Arguments{"-devModel", "2"} << Reports{{2, {{1, "m1"}}}} << QStringList{"m1", "lite"}
            << "m1" << 1;
    }

    void selection() {
        QFETCH(Arguments, arguments);
        QFETCH(Reports, reports);
        QFETCH(QStringList, expectedList);
        QFETCH(QString, expectedSelection);
        QFETCH(int, expectedScrolls);

        AppSession session(arguments);
        ApplicationController& controller = session.controller();
        QSignalSpy scrolls(&controller, &ApplicationController::scrollToSelectedDeviceModel);
        QVERIFY(session.start());
        for (const Report& report : reports) {
            session.setUptime(report.uptime);
            std::vector<ConnectedDevice> records;
            QStringList ids;
            for (const auto& [model, uuid] : report.devices) {
                records.push_back(device(model, uuid));
                ids.append(QString::fromStdString(uuid));
            }
            ids.sort();
            QVERIFY(session.agent().report(records));
            QTRY_COMPARE(connectedIds(controller), ids);
            AppSession::settle();
        }

        QCOMPARE(shown(controller), expectedList);
        QCOMPARE(entryName(controller.selectedDeviceController()), expectedSelection);
        QCOMPARE(controller.selectedProductIndex(), expectedList.indexOf(expectedSelection));
        QCOMPARE(scrolls.count(), expectedScrolls);
    }

    // A -devId that names no device leaves the selection to the retry at about 6 s.
    void anUnknownDevIdRetriesOnceAfterSixSeconds() {
        AppSession session({"-devId", "elsewhere"});
        ApplicationController& controller = session.controller();
        QVERIFY(session.start());
        session.setUptime(1);
        QVERIFY(session.agent().report({device(2, "l1")}));
        QTRY_COMPARE(connectedIds(controller), QStringList{"l1"});
        AppSession::settle();
        QCOMPARE(entryName(controller.selectedDeviceController()), QString("max"));

        session.setUptime(6);
        QTRY_COMPARE_WITH_TIMEOUT(entryName(controller.selectedDeviceController()), QString("l1"),
                                  20000);
    }

    // The selected device's entry is deleted after the list no longer shows it; nothing
    // reads it afterwards (the sanitizer run checks).
    void theEntryOfAnUnpluggedSelectedDeviceIsDeletedAfterTheSelectionMoved() {
        AppSession session;
        ApplicationController& controller = session.controller();
        QVERIFY(session.start());
        session.setUptime(2);
        QVERIFY(session.agent().report({device(1, "m1")}));
        QTRY_COMPARE(entryName(controller.selectedDeviceController()), QString("m1"));
        QPointer<DeviceController> unplugged = controller.selectedDeviceController();

        QSignalSpy selection(&controller, &ApplicationController::selectedProductUpdated);
        QVERIFY(session.agent().report({}));
        QTRY_VERIFY(unplugged.isNull());
        QVERIFY(selection.count() >= 1);
        QCOMPARE(controller.selectedProductModel(), 1);
        QVERIFY(controller.selectedDeviceController()->isConfiguration());
    }
};

WHIRLEN_QT_TEST_MAIN(StartupSelectionTest)
#include "StartupSelectionTest.moc"
