// What a middleware list keeps of its own, which QML cannot see: the hooks it makes.

#include <QQmlComponent>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QTest>

#include <memory>

#include "tests/ui/app/QmlWarnings.h"
#include "tests/ui/app/QtTestMain.h"
#include "ui/quickflux/QFMiddlewareList.h"
#include "ui/quickflux/QFMiddlewaresHook.h"

class MiddlewareListHookTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QTest::failOnWarning(QRegularExpression(".*")); }

    void oneHookHowEverManyCreatorsOfOneDispatcherItIsAppliedTo() {
        QQmlEngine engine;
        failOnQmlWarnings(engine);
        QQmlComponent component(&engine);
        component.setData(R"(
            import QtQuick 2.0
            import QuickFlux 1.1
            Item {
                property var log: []
                Dispatcher { id: shared; objectName: "shared" }
                ActionCreator { objectName: "first"; dispatcher: shared; signal ping() }
                ActionCreator { objectName: "second"; dispatcher: shared; signal ping() }
                MiddlewareList {
                    objectName: "list"
                    Middleware { function dispatch(type, message) { next(type + "+", message) } }
                }
                Component.onCompleted: shared.addListener(function (type) { log.push(type) })
            })",
                          QUrl());
        std::unique_ptr<QObject> root(component.create());
        QVERIFY2(root, qPrintable(component.errorString()));
        auto* list = root->findChild<QFMiddlewareList*>("list");
        QObject* first = root->findChild<QObject*>("first");
        QObject* second = root->findChild<QObject*>("second");
        QVERIFY(list && first && second);

        for (int round = 0; round < 3; ++round) {
            list->apply(first);
            list->apply(second);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(list->findChildren<QFMiddlewaresHook*>().size(), 1);

        QVERIFY(QMetaObject::invokeMethod(first, "ping"));
        QVERIFY(QMetaObject::invokeMethod(second, "ping"));
        QCOMPARE(root->property("log").toStringList(), (QStringList{"ping+", "ping+"}));
    }
};

WHIRLEN_QT_TEST_MAIN(MiddlewareListHookTest)

#include "MiddlewareListHookTest.moc"
