// The user interface's language: catalogues from the resources, the saved choice, and the
// retranslation of the documents' qsTr bindings, which must happen on a change only.

#include <QFile>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QTest>

#include <memory>

#include "shared/prefs/ApplicationSettings.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/ui/app/QmlWarnings.h"
#include "tests/ui/app/QtTestMain.h"
#include "ui/app/LocalizationController.h"
#include "ui/app/LocalizationManager.h"

// Counts the evaluations of the binding that calls it, without becoming its dependency.
class EvaluationCounter : public QObject {
    Q_OBJECT

public:
    Q_INVOKABLE void hit() { ++count; }
    int count = 0;
};

class LocalizationTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        folder = std::make_unique<TemporaryFolder>("localization");
        settings = std::make_unique<ApplicationSettings>(folder->file("ApplicationSettings.ini"));
        manager = std::make_shared<LocalizationManager>(*settings);
        controller = std::make_unique<LocalizationController>(manager);
        engine = std::make_unique<QQmlEngine>();
        failOnQmlWarnings(*engine);
        engine->rootContext()->setContextProperty("counter", &counter);
        counter.count = 0;
        QQmlComponent component(engine.get());
        component.setData(
            "import QtQml\n"
            "QtObject { property string greeting: { counter.hit(); "
            "return qsTr(\"Hello\") } }",
            QUrl("qrc:/LanguageProbe.qml"));
        probe.reset(component.create());
        QVERIFY2(probe, qPrintable(component.errorString()));
        manager->setEngine(engine.get());
    }

    void cleanup() {
        probe.reset();
        engine.reset();
        controller.reset();
        manager.reset();
        settings.reset();
        folder.reset();
    }

    void theCatalogueIsBuiltIntoTheResources() {
        QVERIFY(QFile::exists(LocalizationManager::translationPath(2) + ".qm"));
    }

    void selectingALanguageRetranslatesAndSavesIt() {
        controller->selectLanguage(LocalizationController::German);
        QCOMPARE(greeting(), QString("Hallo"));
        QCOMPARE(controller->getLanguageIndex(), int(LocalizationController::German));
        QCOMPARE(settings->language(), 2);

        controller->selectLanguage(LocalizationController::English);
        QCOMPARE(greeting(), QString("Hello"));
        QCOMPARE(controller->getLanguageIndex(), int(LocalizationController::English));
        QCOMPARE(settings->language(), 0);
    }

    void theCurrentLanguageChangesNothing() {
        controller->selectLanguage(LocalizationController::German);
        const int evaluations = counter.count;
        controller->selectLanguage(LocalizationController::German);
        QCOMPARE(counter.count, evaluations);
        QCOMPARE(greeting(), QString("Hallo"));
    }

    void valuesThatAreNoLanguageSelectEnglish() {
        for (const int value : {0, 1, 14, -3}) {
            controller->selectLanguage(LocalizationController::German);
            controller->selectLanguage(value);
            QCOMPARE(manager->currentLanguage(), 0);
            QCOMPARE(greeting(), QString("Hello"));
        }
    }

    void aMissingCatalogueLeavesTheTextsAsWritten() {
        controller->selectLanguage(LocalizationController::German);
        controller->selectLanguage(LocalizationController::French);
        QCOMPARE(greeting(), QString("Hello"));
        QCOMPARE(controller->getLanguageIndex(), int(LocalizationController::French));
    }

    void initTakesTheCommandLineLanguageElseTheSavedOne() {
        settings->setLanguage(9);
        manager->init(12);
        QCOMPARE(manager->currentLanguage(), 9);
        QCOMPARE(controller->getLanguageIndex(), int(LocalizationController::Swedish));
        QCOMPARE(LocalizationManager::translationPath(9),
                 QString(":/Ui/Localization/Translations/translation_se"));

        manager->init(2);
        QCOMPARE(greeting(), QString("Hallo"));
    }

    void numbersPastTheLanguagesAreStoredWithoutTouchingTheCatalogue() {
        controller->selectLanguage(LocalizationController::German);
        manager->setLanguage(12);
        QCOMPARE(manager->currentLanguage(), 12);
        QCOMPARE(controller->getLanguageIndex(), int(LocalizationController::English));
        QCOMPARE(greeting(), QString("Hallo"));
    }

    void anEngineThatIsGoneIsNotRetranslated() {
        probe.reset();
        engine.reset();
        manager->setEngine(nullptr);
        controller->selectLanguage(LocalizationController::German);
        QCOMPARE(manager->currentLanguage(), 2);
    }

private:
    QString greeting() const { return probe->property("greeting").toString(); }

    std::unique_ptr<TemporaryFolder> folder;
    std::unique_ptr<ApplicationSettings> settings;
    std::shared_ptr<LocalizationManager> manager;
    std::unique_ptr<LocalizationController> controller;
    EvaluationCounter counter;
    std::unique_ptr<QQmlEngine> engine;
    std::unique_ptr<QObject> probe;
};

WHIRLEN_QT_TEST_MAIN(LocalizationTest)
#include "LocalizationTest.moc"
