#include "ui/quickflux/QFObject.h"

QFObject::QFObject(QObject* parent) : QObject(parent) {}

QQmlListProperty<QObject> QFObject::children() {
    return QQmlListProperty<QObject>(this, &children_);
}
