#include "ui/quickflux/QFGuardedObjectList.h"

QQmlListProperty<QObject> QFGuardedObjectList::property(QObject* owner) {
    return QQmlListProperty<QObject>(owner, this, &QFGuardedObjectList::append,
                                     &QFGuardedObjectList::count, &QFGuardedObjectList::at,
                                     &QFGuardedObjectList::clear, &QFGuardedObjectList::replace,
                                     &QFGuardedObjectList::removeLast);
}

QFGuardedObjectList& QFGuardedObjectList::of(QQmlListProperty<QObject>* property) {
    return *static_cast<QFGuardedObjectList*>(property->data);
}

void QFGuardedObjectList::append(QQmlListProperty<QObject>* property, QObject* object) {
    of(property).objects_.append(object);
}

qsizetype QFGuardedObjectList::count(QQmlListProperty<QObject>* property) {
    QFGuardedObjectList& list = of(property);
    list.prune();
    return list.objects_.size();
}

QObject* QFGuardedObjectList::at(QQmlListProperty<QObject>* property, qsizetype index) {
    QFGuardedObjectList& list = of(property);
    list.prune();
    return index >= 0 && index < list.objects_.size() ? list.objects_.at(index).data() : nullptr;
}

void QFGuardedObjectList::clear(QQmlListProperty<QObject>* property) {
    of(property).objects_.clear();
}

void QFGuardedObjectList::replace(QQmlListProperty<QObject>* property, qsizetype index,
                                  QObject* object) {
    QFGuardedObjectList& list = of(property);
    list.prune();
    if (index >= 0 && index < list.objects_.size()) {
        list.objects_[index] = object;
    }
}

void QFGuardedObjectList::removeLast(QQmlListProperty<QObject>* property) {
    QFGuardedObjectList& list = of(property);
    list.prune();
    if (!list.objects_.isEmpty()) {
        list.objects_.removeLast();
    }
}

void QFGuardedObjectList::prune() {
    objects_.removeIf([](const QPointer<QObject>& object) { return object.isNull(); });
}
