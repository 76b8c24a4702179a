#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QQmlListProperty>

// The objects of a QML list property, held so that one destroyed while it is listed drops
// out of the list instead of being reached through a dangling pointer.
class QFGuardedObjectList {
public:
    // The list property of `owner` that reads and edits this list.
    QQmlListProperty<QObject> property(QObject* owner);

    // The listed objects in order; a copy, as handing an action to one of them may destroy
    // another, so each is still checked before use.
    QList<QPointer<QObject>> objects() const { return objects_; }

private:
    static QFGuardedObjectList& of(QQmlListProperty<QObject>* property);
    static void append(QQmlListProperty<QObject>* property, QObject* object);
    static qsizetype count(QQmlListProperty<QObject>* property);
    static QObject* at(QQmlListProperty<QObject>* property, qsizetype index);
    static void clear(QQmlListProperty<QObject>* property);
    static void replace(QQmlListProperty<QObject>* property, qsizetype index, QObject* object);
    static void removeLast(QQmlListProperty<QObject>* property);
    // Forgets the destroyed objects, so that indexes count only live ones.
    void prune();

    QList<QPointer<QObject>> objects_;
};
