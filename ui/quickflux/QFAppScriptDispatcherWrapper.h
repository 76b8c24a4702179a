#pragma once

#include <QJSValue>
#include <QObject>
#include <QPointer>
#include <QString>

#include "ui/quickflux/QFAppDispatcher.h"

// Dispatches a signal's arguments as an action of a generated type. Owned by the script
// engine: the function connected to the signal holds it.
class QFAppScriptDispatcherWrapper : public QObject {
    Q_OBJECT
public:
    QFAppScriptDispatcherWrapper(const QString& type, QFAppDispatcher* dispatcher);

public slots:
    void dispatch(QJSValue arguments);

private:
    QString type_;
    QPointer<QFAppDispatcher> dispatcher_;
};
