#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QQmlEngine>
#include <QString>
#include <QStringList>

#include "ui/quickflux/QFDispatcher.h"

// Turns each emission of one signal into an action named after the signal, whose message
// holds the signal's arguments by parameter name. It has no meta-methods of its own: the
// signal is connected to the first index past QObject's and caught in qt_metacall.
class QFSignalProxy : public QObject {
public:
    using QObject::QObject;

    void bind(QObject* source, int signalIndex, QQmlEngine* engine, QFDispatcher* dispatcher);
    void setDispatcher(QFDispatcher* dispatcher) { dispatcher_ = dispatcher; }

    int qt_metacall(QMetaObject::Call call, int id, void** arguments) override;

private:
    void dispatchSignal(void** arguments);

    QString type_;
    QList<int> parameterTypes_;
    QStringList parameterNames_;
    QPointer<QQmlEngine> engine_;
    QPointer<QFDispatcher> dispatcher_;
};
