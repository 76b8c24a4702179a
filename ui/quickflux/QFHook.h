#pragma once

#include <QJSValue>
#include <QObject>
#include <QString>

// An interceptor installed on a dispatcher: it receives every action the dispatcher hands
// on and gives it back, at once or later, by emitting dispatched.
class QFHook : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    virtual void dispatch(QString type, QJSValue message) = 0;

signals:
    void dispatched(QString type, QJSValue message);
};
