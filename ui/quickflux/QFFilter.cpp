#include "ui/quickflux/QFFilter.h"

#include <QDebug>
#include <QMetaMethod>
#include <QMetaObject>

namespace {

// Connects the parent's signal of that signature, if it has one, to this filter's slot of
// the same arguments.
bool connectDispatched(QObject* parent, QFFilter* filter, const char* signal, const char* slot) {
    const int signalIndex = parent->metaObject()->indexOfSignal(signal);
    if (signalIndex < 0) {
        return false;
    }
    const QMetaObject* own = filter->metaObject();
    QObject::connect(parent, parent->metaObject()->method(signalIndex), filter,
                     own->method(own->indexOfSlot(slot)));
    return true;
}

}  // namespace

QFFilter::QFFilter(QObject* parent) : QObject(parent) {}

void QFFilter::componentComplete() {
    QObject* source = parent();
    if (!source) {
        qDebug() << "Filter - Disabled due to missing parent.";
        return;
    }
    if (!connectDispatched(source, this, "dispatched(QString,QJSValue)",
                           "filter(QString,QJSValue)") &&
        !connectDispatched(source, this, "dispatched(QString,QVariant)",
                           "filter(QString,QVariant)")) {
        qDebug() << "Filter - Disabled due to missing dispatched signal in parent object.";
    }
}

void QFFilter::filter(QString type, QJSValue message) {
    if (types_.contains(type)) {
        emit dispatched(type, message);
    }
}

void QFFilter::filter(QString type, QVariant message) {
    // A variant holding a QJSValue gives it back unchanged; others go through the meta-type
    // conversion.
    filter(type, qvariant_cast<QJSValue>(message));
}

QString QFFilter::type() const {
    return types_.isEmpty() ? QString() : types_.first();
}

void QFFilter::setType(const QString& type) {
    setTypes({type});
}

void QFFilter::setTypes(const QStringList& types) {
    types_ = types;
    emit typeChanged();
    emit typesChanged();
}

QQmlListProperty<QObject> QFFilter::children() {
    return QQmlListProperty<QObject>(this, &children_);
}
