#include "ui/quickflux/QFStore.h"

#include <QMetaMethod>
#include <QVariant>

#include "ui/quickflux/QFDispatchTarget.h"

QFStore::QFStore(QObject* parent) : QObject(parent) {}

void QFStore::bind(QObject* source) {
    bindSource_ = source;
    setup();
    emit bindSourceChanged();
}

void QFStore::setup() {
    const QFDispatchTarget target = QFDispatchTarget::resolve(bindSource_);
    if (target.creator == creator_ && target.dispatcher == dispatcher_) {
        return;
    }
    if (creator_ && creator_ != target.creator) {
        disconnect(creator_, nullptr, this, nullptr);
    }
    if (dispatcher_ && dispatcher_ != target.dispatcher) {
        disconnect(dispatcher_, nullptr, this, nullptr);
    }
    creator_ = target.creator;
    dispatcher_ = target.dispatcher;
    if (creator_) {
        connect(creator_, &QFActionCreator::dispatcherChanged, this, &QFStore::setup,
                Qt::UniqueConnection);
    }
    if (dispatcher_) {
        connect(dispatcher_, &QFDispatcher::dispatched, this, &QFStore::dispatch,
                Qt::UniqueConnection);
    }
}

void QFStore::dispatch(QString type, QJSValue message) {
    for (const QFGuardedObjectList* list : {&children_, &redispatchTargets_}) {
        for (const QPointer<QObject>& object : list->objects()) {
            if (auto* store = qobject_cast<QFStore*>(object.data())) {
                store->dispatch(type, message);
            }
        }
    }
    if (filterFunctionEnabled_) {
        callHandler(type + "(QVariant)", message);
        callHandler(type + "()", message);
    }
    emit dispatched(type, message);
}

// Handlers are the functions the QML document declares, which all come after the store's
// own methods: an action named like one of those (deleteLater, setup) calls nothing.
void QFStore::callHandler(const QString& signature, const QJSValue& message) {
    const QMetaObject* meta = metaObject();
    const int index = meta->indexOfMethod(QMetaObject::normalizedSignature(signature.toUtf8()));
    if (index < QFStore::staticMetaObject.methodCount()) {
        return;
    }
    const QMetaMethod method = meta->method(index);
    if (method.methodType() == QMetaMethod::Signal) {
        return;
    }
    if (method.parameterCount() == 1) {
        method.invoke(this, Q_ARG(QVariant, QVariant::fromValue(message)));
    } else {
        method.invoke(this);
    }
}

void QFStore::setFilterFunctionEnabled(bool enabled) {
    if (filterFunctionEnabled_ == enabled) {
        return;
    }
    filterFunctionEnabled_ = enabled;
    emit filterFunctionEnabledChanged();
}

QQmlListProperty<QObject> QFStore::children() {
    return children_.property(this);
}

QQmlListProperty<QObject> QFStore::redispatchTargets() {
    return redispatchTargets_.property(this);
}
