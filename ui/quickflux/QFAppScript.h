#pragma once

#include <QJSValue>
#include <QList>
#include <QQmlScriptString>
#include <QQuickItem>
#include <QString>

#include "ui/quickflux/QFListenerBinding.h"

class QFAppScriptRunnable;

// A piece of script run on request, or on an action type, that then reacts step by step to
// later actions and signals; it ends when it exits or, with autoExit, when no step is left.
class QFAppScript : public QQuickItem {
    Q_OBJECT
    Q_PROPERTY(QQmlScriptString script READ script WRITE setScript NOTIFY scriptChanged)
    Q_PROPERTY(bool running READ running WRITE setRunning NOTIFY runningChanged)
    Q_PROPERTY(QString runWhen READ runWhen WRITE setRunWhen NOTIFY runWhenChanged)
    Q_PROPERTY(QJSValue message READ message NOTIFY messageChanged)
    Q_PROPERTY(int listenerId READ listenerId WRITE setListenerId NOTIFY listenerIdChanged)
    Q_PROPERTY(QList<int> waitFor READ waitFor WRITE setWaitFor NOTIFY waitForChanged)
    Q_PROPERTY(bool autoExit READ autoExit WRITE setAutoExit NOTIFY autoExitChanged)
public:
    explicit QFAppScript(QQuickItem* parent = nullptr);

    QQmlScriptString script() const { return script_; }
    void setScript(const QQmlScriptString& script);
    bool running() const { return running_; }
    void setRunning(bool running);
    QString runWhen() const { return runWhen_; }
    void setRunWhen(const QString& runWhen);
    QJSValue message() const { return message_; }
    int listenerId() const { return listenerId_; }
    void setListenerId(int listenerId);
    QList<int> waitFor() const { return waitFor_; }
    void setWaitFor(const QList<int>& waitFor);
    bool autoExit() const { return autoExit_; }
    void setAutoExit(bool autoExit);

signals:
    void started();
    void finished(int returnCode);
    void scriptChanged();
    void runningChanged();
    void runWhenChanged();
    void messageChanged();
    void listenerIdChanged();
    void waitForChanged();
    void autoExitChanged();

public slots:
    void exit(int returnCode = 0);
    void run(QJSValue message = QJSValue());
    QFAppScriptRunnable* once(QJSValue condition, QJSValue script);
    void on(QJSValue condition, QJSValue script);

protected:
    void componentComplete() override;

private slots:
    void onDispatched(QString type, QJSValue message);

private:
    void evaluateScript();
    void runSteps(const QString& type, const QJSValue& message);
    void dropFiredSteps(const QList<qsizetype>& fired);
    void clearSteps();
    void end(int returnCode);

    QQmlScriptString script_;
    QList<QFAppScriptRunnable*> runnables_;
    QFListenerBinding binding_;
    QString runWhen_;
    bool running_ = false;
    bool processing_ = false;
    int listenerId_ = 0;
    QList<int> waitFor_;
    bool autoExit_ = true;
    QJSValue message_;
};
