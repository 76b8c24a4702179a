#pragma once

#include <QJSValue>
#include <QPointer>
#include <QString>

#include "ui/quickflux/QFHook.h"

class QFMiddlewareList;
class QQmlEngine;

// Runs every action a dispatcher hands on through the middlewares of one list and gives
// it back when the last one passes it.
class QFMiddlewaresHook : public QFHook {
    Q_OBJECT
public:
    using QFHook::QFHook;

    // Links each middleware of the list to the rest of the chain.
    void setup(QQmlEngine* engine, QFMiddlewareList* list);
    void dispatch(QString type, QJSValue message) override;

public slots:
    void next(int senderId, QString type, QJSValue message);
    void resolve(QString type, QJSValue message);

private:
    QJSValue invoke_;
    QPointer<QFMiddlewareList> list_;
};
