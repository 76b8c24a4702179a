#include "ui/quickflux/QFSignalProxy.h"

#include <QDebug>
#include <QJSValue>
#include <QMap>
#include <QMetaMethod>
#include <QVariant>

void QFSignalProxy::bind(QObject* source, int signalIndex, QQmlEngine* engine,
                         QFDispatcher* dispatcher) {
    const QMetaMethod signal = source->metaObject()->method(signalIndex);
    parameterTypes_.clear();
    for (int i = 0; i < signal.parameterCount(); ++i) {
        parameterTypes_.append(signal.parameterType(i));
    }
    parameterNames_.clear();
    for (const QByteArray& name : signal.parameterNames()) {
        parameterNames_.append(QString::fromUtf8(name));
    }
    type_ = QString::fromUtf8(signal.name());
    engine_ = engine;
    dispatcher_ = dispatcher;
    if (!QMetaObject::connect(source, signalIndex, this, QObject::staticMetaObject.methodCount())) {
        qWarning() << "Failed to bind signal";
    }
}

int QFSignalProxy::qt_metacall(QMetaObject::Call call, int id, void** arguments) {
    id = QObject::qt_metacall(call, id, arguments);
    if (id < 0 || call != QMetaObject::InvokeMetaMethod) {
        return id;
    }
    if (id == 0) {
        dispatchSignal(arguments);
    }
    return id - 1;
}

void QFSignalProxy::dispatchSignal(void** arguments) {
    // Ordered by name, so the message's properties come in parameter-name order.
    QMap<QString, QVariant> values;
    for (qsizetype i = 0; i < parameterTypes_.size(); ++i) {
        void* argument = arguments[i + 1];
        values.insert(parameterNames_.value(i),
                      parameterTypes_[i] == QMetaType::QVariant
                          ? *static_cast<QVariant*>(argument)
                          : QVariant(QMetaType(parameterTypes_[i]), argument));
    }
    if (!engine_ || !dispatcher_) {
        return;
    }
    QJSValue message = engine_->newObject();
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        message.setProperty(it.key(), engine_->toScriptValue(it.value()));
    }
    dispatcher_->dispatch(type_, message);
}
