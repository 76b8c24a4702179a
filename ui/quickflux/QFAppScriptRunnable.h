#pragma once

#include <QJSValue>
#include <QObject>
#include <QPointer>
#include <QQmlEngine>
#include <QString>

// One step of an AppScript: a callback that fires on an action type, or on a QML signal
// turned into an action of a generated type.
class QFAppScriptRunnable : public QObject {
    Q_OBJECT
public:
    explicit QFAppScriptRunnable(QObject* parent = nullptr);
    ~QFAppScriptRunnable() override;

    void setEngine(QQmlEngine* engine) { engine_ = engine; }
    void setCondition(QJSValue condition);
    void setScript(QJSValue script) { script_ = script; }
    void setOnceOnly(bool onceOnly) { onceOnly_ = onceOnly; }
    bool isOnceOnly() const { return onceOnly_; }
    QString type() const { return type_; }
    QFAppScriptRunnable* next() const { return next_; }

    // Calls the callback with the action's message, or with the signal's own arguments.
    void run(QJSValue message);
    // Disconnects a signal condition; the step never fires again.
    void release();

public slots:
    QFAppScriptRunnable* then(QJSValue condition, QJSValue value);

private:
    void connectSignal();

    QJSValue script_;
    QString type_;
    QFAppScriptRunnable* next_ = nullptr;
    QPointer<QQmlEngine> engine_;
    QJSValue condition_;
    QJSValue signalCallback_;
    bool isSignalCondition_ = false;
    bool onceOnly_ = true;
};
