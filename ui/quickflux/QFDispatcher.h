#pragma once

#include <QJSValue>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QString>

#include "ui/quickflux/QFHook.h"
#include "ui/quickflux/QFListener.h"

// Delivers actions one at a time, in the order they were dispatched, to its listeners in
// registration order (or in the order their waitFor asks), then emits dispatched.
class QFDispatcher : public QObject {
    Q_OBJECT
public:
    explicit QFDispatcher(QObject* parent = nullptr);

    int addListener(QFListener* listener);
    void setHook(QFHook* hook);
    QFHook* hook() const { return hook_; }

signals:
    void dispatched(QString type, QJSValue message);

public slots:
    void dispatch(QString type, QJSValue message = QJSValue());
    void waitFor(QList<int> ids);
    int addListener(QJSValue callback);
    void removeListener(int id);

private slots:
    void send(QString type, QJSValue message);

private:
    struct Action {
        QString type;
        QJSValue message;
    };

    void handOn(const Action& action);
    void drainQueue();
    void deliver(const Action& action);
    void invoke(const QList<int>& ids);

    bool dispatching_ = false;
    // Set while one action goes to the listeners; an action the hook gives back meanwhile
    // waits in passed_ so that deliveries never nest.
    bool delivering_ = false;
    QList<Action> queue_;
    QList<Action> passed_;
    int nextListenerId_ = 1;
    QMap<int, QPointer<QFListener>> listeners_;
    int runningListenerId_ = 0;
    QJSValue currentMessage_;
    QString currentType_;
    QMap<int, bool> pending_;
    QMap<int, bool> waiting_;
    QPointer<QFHook> hook_;
};
