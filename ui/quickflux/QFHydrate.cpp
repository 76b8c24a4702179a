#include "ui/quickflux/QFHydrate.h"

#include <QDebug>
#include <QJSValue>
#include <QMetaProperty>
#include <QStringList>

#include "ui/quickflux/QFObject.h"
#include "ui/quickflux/QFStore.h"

namespace {

// Properties that describe an object's place or wiring rather than its state.
const QStringList& leftOutProperties(const QObject* object) {
    static const QStringList store{"parent",     "objectName",        "children",
                                   "bindSource", "redispatchTargets", "filterFunctionEnabled"};
    static const QStringList fluxObject{"parent", "objectName", "children"};
    static const QStringList other{"parent", "objectName"};
    if (qobject_cast<const QFStore*>(object)) {
        return store;
    }
    if (qobject_cast<const QFObject*>(object)) {
        return fluxObject;
    }
    return other;
}

bool holdsObject(const QVariant& value) {
    return value.canConvert<QObject*>();
}

// A var property holds its script value; the maps carry plain data, so that they can be
// stored and compared with what a later read gives.
QVariant plainValue(const QVariant& value) {
    if (value.metaType() == QMetaType::fromType<QJSValue>()) {
        return value.value<QJSValue>().toVariant();
    }
    return value;
}

}  // namespace

QFHydrate::QFHydrate(QObject* parent) : QObject(parent) {}

QVariantMap QFHydrate::dehydrate(QObject* source) {
    QList<QObject*> path;
    return dehydrate(source, path);
}

// An object already on the path from the root (a reference back up the tree) is left out,
// as a null object is.
QVariantMap QFHydrate::dehydrate(QObject* source, QList<QObject*>& path) {
    QVariantMap result;
    if (!source) {
        return result;
    }
    path.append(source);
    const QStringList& leftOut = leftOutProperties(source);
    const QMetaObject* meta = source->metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        const QString name = QString::fromUtf8(property.name());
        if (leftOut.contains(name)) {
            continue;
        }
        const QVariant value = property.read(source);
        if (!holdsObject(value)) {
            result.insert(name, plainValue(value));
            continue;
        }
        QObject* object = value.value<QObject*>();
        if (object && !path.contains(object)) {
            result.insert(name, dehydrate(object, path));
        }
    }
    path.removeLast();
    return result;
}

void QFHydrate::rehydrate(QObject* dest, QVariantMap source) {
    if (!dest) {
        return;
    }
    for (auto it = source.cbegin(); it != source.cend(); ++it) {
        const QByteArray name = it.key().toUtf8();
        const int index = dest->metaObject()->indexOfProperty(name.constData());
        if (index < 0) {
            qWarning().noquote()
                << QString("Hydrate.rehydrate: %1 property is not existed").arg(it.key());
            continue;
        }
        const QMetaProperty property = dest->metaObject()->property(index);
        const QVariant current = property.read(dest);
        if (!holdsObject(current)) {
            if (plainValue(current) != it.value()) {
                property.write(dest, it.value());
            }
            continue;
        }
        if (it.value().metaType() != QMetaType::fromType<QVariantMap>()) {
            qWarning().noquote()
                << QString("Hydrate.rehydrate: expect a QVariantMap property but it is not: %1")
                       .arg(it.key());
            continue;
        }
        QObject* object = current.value<QObject*>();
        if (!object) {
            qWarning().noquote()
                << QString("Hydrate.rehydrate: %1 property holds no object to fill").arg(it.key());
            continue;
        }
        rehydrate(object, it.value().toMap());
    }
}
