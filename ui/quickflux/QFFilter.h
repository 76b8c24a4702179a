#pragma once

#include <QJSValue>
#include <QList>
#include <QObject>
#include <QQmlListProperty>
#include <QQmlParserStatus>
#include <QString>
#include <QStringList>
#include <QVariant>

// Narrows its parent's dispatched signal to the listed action types.
class QFFilter : public QObject, public QQmlParserStatus {
    Q_OBJECT
    Q_INTERFACES(QQmlParserStatus)
    Q_PROPERTY(QString type READ type WRITE setType NOTIFY typeChanged)
    Q_PROPERTY(QStringList types READ types WRITE setTypes NOTIFY typesChanged)
    Q_PROPERTY(QQmlListProperty<QObject> __children READ children)
    Q_CLASSINFO("DefaultProperty", "__children")
public:
    explicit QFFilter(QObject* parent = nullptr);

    QString type() const;
    void setType(const QString& type);
    QStringList types() const { return types_; }
    void setTypes(const QStringList& types);
    QQmlListProperty<QObject> children();

    void classBegin() override {}
    void componentComplete() override;

signals:
    void dispatched(QString type, QJSValue message);
    void typeChanged();
    void typesChanged();

private slots:
    void filter(QString type, QJSValue message);
    void filter(QString type, QVariant message);

private:
    QStringList types_;
    QList<QObject*> children_;
};
