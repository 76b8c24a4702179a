#pragma once

#include <QJSValue>
#include <QList>
#include <QObject>
#include <QString>

class QFDispatcher;

// The dispatcher's entry for one callback.
class QFListener : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Runs the listeners this one waits for, then the callback; emits dispatched either way.
    void dispatch(QFDispatcher* dispatcher, QString type, QJSValue message);

    void setCallback(QJSValue callback) { callback_ = callback; }
    int listenerId() const { return listenerId_; }
    void setListenerId(int listenerId) { listenerId_ = listenerId; }
    void setWaitFor(QList<int> waitFor) { waitFor_ = waitFor; }

signals:
    void dispatched(QString type, QJSValue message);

private:
    QJSValue callback_;
    int listenerId_ = 0;
    QList<int> waitFor_;
};
