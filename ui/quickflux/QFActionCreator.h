#pragma once

#include <QJSValue>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QQmlParserStatus>
#include <QString>

#include "ui/quickflux/QFDispatcher.h"

class QFSignalProxy;

// Makes every signal a QML document declares on it an action of the signal's name.
class QFActionCreator : public QObject, public QQmlParserStatus {
    Q_OBJECT
    Q_INTERFACES(QQmlParserStatus)
    Q_PROPERTY(
        QFDispatcher* dispatcher READ dispatcher WRITE setDispatcher NOTIFY dispatcherChanged)
public:
    explicit QFActionCreator(QObject* parent = nullptr);

    QFDispatcher* dispatcher() const { return dispatcher_; }
    void setDispatcher(QFDispatcher* dispatcher);

    void classBegin() override {}
    void componentComplete() override;

signals:
    void dispatcherChanged();

public slots:
    QString genKeyTable();
    void dispatch(QString type, QJSValue message = QJSValue());

private:
    QList<int> declaredSignals() const;

    QPointer<QFDispatcher> dispatcher_;
    QList<QFSignalProxy*> proxies_;
};
