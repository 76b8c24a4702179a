#pragma once

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

class QQmlEngine;
class KeyListFixture;
class WindowFixture;

// What the documents under test find in their engine: the program's QML types and fonts,
// the language manager retranslating that engine, and a button on temporary preference
// files; the application manager runs as in the program, with its configuration
// placeholders (no agent answers its link), on preference files that documents choose
// through WindowFixture. Any QML warning marks the run failed (Qt's own fail it through
// QtWarningWatch::runFailed).
class QmlUiTestSetup : public QObject {
    Q_OBJECT

public:
    QmlUiTestSetup(KeyListFixture& keyList, WindowFixture& window);

    bool warned() const;
    // A further fixture that the documents find under name.
    void expose(const QString& name, QObject* fixture);

public slots:
    void applicationAvailable();
    void qmlEngineAvailable(QQmlEngine* engine);
    void cleanupTestCase();

private:
    KeyListFixture& keyList_;
    WindowFixture& window_;
    QList<QPair<QString, QObject*>> exposed_;
    bool warned_ = false;
};
