#pragma once

#include <QJSValue>
#include <QQuickItem>
#include <QString>

// One link of a MiddlewareList: sees each action before the dispatcher's listeners and
// passes it on with next(), changed, later, twice or not at all.
class QFMiddleware : public QQuickItem {
    Q_OBJECT
    Q_PROPERTY(bool filterFunctionEnabled READ filterFunctionEnabled WRITE setFilterFunctionEnabled
                   NOTIFY filterFunctionEnabledChanged)
    Q_PROPERTY(
        QJSValue _nextCallback READ nextCallback WRITE setNextCallback NOTIFY _nextCallbackChanged)
public:
    explicit QFMiddleware(QQuickItem* parent = nullptr);

    bool filterFunctionEnabled() const { return filterFunctionEnabled_; }
    void setFilterFunctionEnabled(bool enabled);
    QJSValue nextCallback() const { return nextCallback_; }
    void setNextCallback(const QJSValue& callback);

signals:
    void dispatched(QString type, QJSValue message);
    void filterFunctionEnabledChanged();
    void _nextCallbackChanged();

public slots:
    void next(QString type, QJSValue message = QJSValue());

private:
    bool filterFunctionEnabled_ = false;
    QJSValue nextCallback_;
};
