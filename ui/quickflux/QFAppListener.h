#pragma once

#include <QJSValue>
#include <QList>
#include <QMap>
#include <QQuickItem>
#include <QString>
#include <QStringList>

#include "ui/quickflux/QFListenerBinding.h"

// Hears every action of the AppDispatcher and re-emits those that pass its filters; also
// calls the callbacks registered per action type with on().
class QFAppListener : public QQuickItem {
    Q_OBJECT
    Q_PROPERTY(QString filter READ filter WRITE setFilter NOTIFY filterChanged)
    Q_PROPERTY(QStringList filters READ filters WRITE setFilters NOTIFY filtersChanged)
    Q_PROPERTY(bool alwaysOn READ alwaysOn WRITE setAlwaysOn NOTIFY alwaysOnChanged)
    Q_PROPERTY(int listenerId READ listenerId WRITE setListenerId NOTIFY listenerIdChanged)
    Q_PROPERTY(QList<int> waitFor READ waitFor WRITE setWaitFor NOTIFY waitForChanged)
public:
    explicit QFAppListener(QQuickItem* parent = nullptr);

    Q_INVOKABLE QFAppListener* on(QString type, QJSValue callback);
    Q_INVOKABLE void removeListener(QString type, QJSValue callback);
    Q_INVOKABLE void removeAllListener(QString type = QString());

    QString filter() const { return filter_; }
    void setFilter(const QString& filter);
    QStringList filters() const { return filters_; }
    void setFilters(const QStringList& filters);
    bool alwaysOn() const { return alwaysOn_; }
    void setAlwaysOn(bool alwaysOn);
    int listenerId() const { return listenerId_; }
    void setListenerId(int listenerId);
    QList<int> waitFor() const { return waitFor_; }
    void setWaitFor(const QList<int>& waitFor);

signals:
    void dispatched(QString type, QJSValue message);
    void filterChanged();
    void filtersChanged();
    void alwaysOnChanged();
    void listenerIdChanged();
    void waitForChanged();

protected:
    void componentComplete() override;

private:
    Q_INVOKABLE void onMessageReceived(QString name, QJSValue message);
    void setDispatcher(QFDispatcher* dispatcher);
    bool passesFilters(const QString& name) const;

    QFListenerBinding binding_;
    QMap<QString, QList<QJSValue>> callbacks_;
    QString filter_;
    QStringList filters_;
    bool alwaysOn_ = false;
    int listenerId_ = 0;
    QList<int> waitFor_;
};
