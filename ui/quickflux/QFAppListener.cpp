#include "ui/quickflux/QFAppListener.h"

#include <QDebug>
#include <QQmlEngine>

#include "ui/quickflux/QFAppDispatcher.h"

QFAppListener::QFAppListener(QQuickItem* parent) : QQuickItem(parent) {}

void QFAppListener::componentComplete() {
    QQuickItem::componentComplete();
    QFAppDispatcher* dispatcher = QFAppDispatcher::instance(qmlEngine(this));
    if (!dispatcher) {
        qWarning() << "Unknown error: Unable to access AppDispatcher";
        return;
    }
    setDispatcher(dispatcher);
}

void QFAppListener::setDispatcher(QFDispatcher* dispatcher) {
    if (binding_.dispatcher()) {
        binding_.unbind();
        setListenerId(0);
    }
    const int id = binding_.bind(this, dispatcher);
    if (!binding_.listener()) {
        return;
    }
    setListenerId(id);
    connect(binding_.listener(), &QFListener::dispatched, this, &QFAppListener::onMessageReceived);
}

void QFAppListener::onMessageReceived(QString name, QJSValue message) {
    if (!isEnabled() && !alwaysOn_) {
        return;
    }
    if (passesFilters(name)) {
        emit dispatched(name, message);
    }
    // A callback may add or remove callbacks; this action goes to the ones there were.
    const QList<QJSValue> callbacks = callbacks_.value(name);
    for (QJSValue callback : callbacks) {
        if (callback.isCallable()) {
            callback.call({message});
        }
    }
}

bool QFAppListener::passesFilters(const QString& name) const {
    QStringList rules = filters_;
    if (!filter_.isEmpty()) {
        rules.append(filter_);
    }
    return rules.isEmpty() || rules.contains(name);
}

QFAppListener* QFAppListener::on(QString type, QJSValue callback) {
    callbacks_[type].append(callback);
    return this;
}

void QFAppListener::removeListener(QString type, QJSValue callback) {
    const auto it = callbacks_.find(type);
    if (it == callbacks_.end()) {
        return;
    }
    for (qsizetype i = 0; i < it->size(); ++i) {
        if (it->at(i).equals(callback)) {
            it->removeAt(i);
            return;
        }
    }
}

void QFAppListener::removeAllListener(QString type) {
    if (type.isEmpty()) {
        callbacks_.clear();
    } else {
        callbacks_.remove(type);
    }
}

void QFAppListener::setFilter(const QString& filter) {
    filter_ = filter;
    emit filterChanged();
}

void QFAppListener::setFilters(const QStringList& filters) {
    filters_ = filters;
    emit filtersChanged();
}

void QFAppListener::setAlwaysOn(bool alwaysOn) {
    alwaysOn_ = alwaysOn;
    emit alwaysOnChanged();
}

void QFAppListener::setListenerId(int listenerId) {
    listenerId_ = listenerId;
    emit listenerIdChanged();
}

void QFAppListener::setWaitFor(const QList<int>& waitFor) {
    waitFor_ = waitFor;
    binding_.setWaitFor(waitFor_);
    emit waitForChanged();
}
