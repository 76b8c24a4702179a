#pragma once

#include <QObject>

class QQmlEngine;
class KeyListFixture;
class WindowFixture;

// What the documents under test find in their engine: the program's QML types and fonts,
// the language manager retranslating that engine, and a button on temporary preference
// files; the application manager runs as in the program, with its configuration
// placeholders (no agent answers its link), on preference files that documents choose
// through WindowFixture. Any QML warning marks the run failed.
class QmlUiTestSetup : public QObject {
    Q_OBJECT

public:
    QmlUiTestSetup(KeyListFixture& keyList, WindowFixture& window);

    bool warned() const { return warned_; }

public slots:
    void applicationAvailable();
    void qmlEngineAvailable(QQmlEngine* engine);
    void cleanupTestCase();

private:
    KeyListFixture& keyList_;
    WindowFixture& window_;
    bool warned_ = false;
};
