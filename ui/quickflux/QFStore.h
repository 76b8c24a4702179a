#pragma once

#include <QJSValue>
#include <QObject>
#include <QPointer>
#include <QQmlListProperty>
#include <QString>

#include "ui/quickflux/QFActionCreator.h"
#include "ui/quickflux/QFDispatcher.h"
#include "ui/quickflux/QFGuardedObjectList.h"

// Receives a dispatcher's actions after all its listeners, hands them down to its child
// stores and on to its redispatch targets, then calls the handler functions its document
// declares under the action's name.
class QFStore : public QObject {
    Q_OBJECT
    Q_PROPERTY(QObject* bindSource READ bindSource WRITE bind NOTIFY bindSourceChanged)
    Q_PROPERTY(QQmlListProperty<QObject> children READ children)
    Q_PROPERTY(QQmlListProperty<QObject> redispatchTargets READ redispatchTargets)
    Q_PROPERTY(bool filterFunctionEnabled READ filterFunctionEnabled WRITE setFilterFunctionEnabled
                   NOTIFY filterFunctionEnabledChanged)
    Q_CLASSINFO("DefaultProperty", "children")
public:
    explicit QFStore(QObject* parent = nullptr);

    QObject* bindSource() const { return bindSource_; }
    QQmlListProperty<QObject> children();
    QQmlListProperty<QObject> redispatchTargets();
    bool filterFunctionEnabled() const { return filterFunctionEnabled_; }
    void setFilterFunctionEnabled(bool enabled);

signals:
    void dispatched(QString type, QJSValue message);
    void bindSourceChanged();
    void filterFunctionEnabledChanged();

public slots:
    void dispatch(QString type, QJSValue message = QJSValue());
    void bind(QObject* source);

private slots:
    void setup();

private:
    void callHandler(const QString& signature, const QJSValue& message);

    QFGuardedObjectList children_;
    QFGuardedObjectList redispatchTargets_;
    QPointer<QObject> bindSource_;
    QPointer<QFActionCreator> creator_;
    QPointer<QFDispatcher> dispatcher_;
    bool filterFunctionEnabled_ = false;
};
