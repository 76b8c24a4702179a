#pragma once

#include <QList>
#include <QObject>
#include <QQmlListProperty>

// A plain object that holds others in a children list; Hydrate leaves that list out.
class QFObject : public QObject {
    Q_OBJECT
    Q_PROPERTY(QQmlListProperty<QObject> children READ children)
    Q_CLASSINFO("DefaultProperty", "children")
public:
    explicit QFObject(QObject* parent = nullptr);

    QQmlListProperty<QObject> children();

private:
    QList<QObject*> children_;
};
