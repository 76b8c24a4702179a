#pragma once

#include <QJSValue>
#include <QPointer>
#include <QQmlEngine>
#include <QQuickItem>
#include <QString>

#include "ui/quickflux/QFActionCreator.h"
#include "ui/quickflux/QFDispatcher.h"

class QFMiddlewaresHook;

// Installs the Middleware items in its data, in document order, on a Dispatcher or on the
// dispatcher of an ActionCreator.
class QFMiddlewareList : public QQuickItem {
    Q_OBJECT
    Q_PROPERTY(QObject* applyTarget READ applyTarget WRITE apply NOTIFY applyTargetChanged)
public:
    explicit QFMiddlewareList(QQuickItem* parent = nullptr);

    QObject* applyTarget() const { return applyTarget_; }

signals:
    void applyTargetChanged();

public slots:
    void apply(QObject* target);
    void next(int senderId, QString type, QJSValue message);

protected:
    void componentComplete() override;

private slots:
    void setup();

private:
    void leaveDispatcher();

    QPointer<QQmlEngine> engine_;
    QPointer<QFActionCreator> creator_;
    QPointer<QFDispatcher> dispatcher_;
    QPointer<QObject> applyTarget_;
    QPointer<QFMiddlewaresHook> hook_;
};
