#include "ui/quickflux/QFActionCreator.h"

#include <QMetaMethod>
#include <QQmlEngine>
#include <QStringList>

#include "ui/quickflux/QFAppDispatcher.h"
#include "ui/quickflux/QFSignalProxy.h"

QFActionCreator::QFActionCreator(QObject* parent) : QObject(parent) {}

void QFActionCreator::componentComplete() {
    QQmlEngine* engine = qmlEngine(this);
    if (!dispatcher_) {
        setDispatcher(QFAppDispatcher::instance(engine));
    }
    for (int index : declaredSignals()) {
        auto* proxy = new QFSignalProxy(this);
        proxy->bind(this, index, engine, dispatcher_);
        proxies_.append(proxy);
    }
}

// The signals past QObject's own, but for the creator's notify signal.
QList<int> QFActionCreator::declaredSignals() const {
    QList<int> indexes;
    const QMetaObject* meta = metaObject();
    for (int i = QObject::staticMetaObject.methodCount(); i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (method.methodType() == QMetaMethod::Signal && method.name() != "dispatcherChanged") {
            indexes.append(i);
        }
    }
    return indexes;
}

void QFActionCreator::setDispatcher(QFDispatcher* dispatcher) {
    dispatcher_ = dispatcher;
    for (QFSignalProxy* proxy : std::as_const(proxies_)) {
        proxy->setDispatcher(dispatcher);
    }
    emit dispatcherChanged();
}

void QFActionCreator::dispatch(QString type, QJSValue message) {
    if (dispatcher_) {
        dispatcher_->dispatch(type, message);
    }
}

QString QFActionCreator::genKeyTable() {
    QStringList lines{"pragma Singleton", "import QtQuick 2.0", "import QuickFlux 1.0\n",
                      "KeyTable {\n"};
    const QMetaObject* meta = metaObject();
    for (int index : declaredSignals()) {
        lines.append(QString("    property string %1;\n")
                         .arg(QString::fromUtf8(meta->method(index).name())));
    }
    lines.append("}");
    return lines.join("\n");
}
