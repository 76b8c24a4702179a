#include "ui/quickflux/QFDispatcher.h"

#include <QDebug>

QFDispatcher::QFDispatcher(QObject* parent) : QObject(parent) {}

void QFDispatcher::dispatch(QString type, QJSValue message) {
    if (dispatching_) {
        queue_.append({type, message});
        return;
    }
    dispatching_ = true;
    handOn({type, message});
    drainQueue();
    dispatching_ = false;
}

void QFDispatcher::handOn(const Action& action) {
    if (hook_) {
        hook_->dispatch(action.type, action.message);
    } else {
        send(action.type, action.message);
    }
}

void QFDispatcher::drainQueue() {
    while (!queue_.isEmpty()) {
        handOn(queue_.takeFirst());
    }
}

// The hook's way back in. A hook that held an action gives it back while the dispatcher is
// idle: that delivery then counts as dispatching, so waitFor works and actions dispatched
// by its listeners queue up behind it instead of overtaking it.
void QFDispatcher::send(QString type, QJSValue message) {
    if (delivering_) {
        passed_.append({type, message});
        return;
    }
    const bool startedIdle = !dispatching_;
    dispatching_ = true;
    deliver({type, message});
    while (!passed_.isEmpty()) {
        deliver(passed_.takeFirst());
    }
    if (startedIdle) {
        drainQueue();
        dispatching_ = false;
    }
}

void QFDispatcher::deliver(const Action& action) {
    delivering_ = true;
    currentType_ = action.type;
    currentMessage_ = action.message;
    pending_.clear();
    waiting_.clear();
    QList<int> ids;
    for (auto it = listeners_.cbegin(); it != listeners_.cend(); ++it) {
        pending_.insert(it.key(), true);
        ids.append(it.key());
    }
    invoke(ids);
    emit dispatched(action.type, action.message);
    delivering_ = false;
}

void QFDispatcher::invoke(const QList<int>& ids) {
    for (int id : ids) {
        if (waiting_.contains(id)) {
            qWarning() << "AppDispatcher: Cyclic dependency detected";
        }
        if (!pending_.remove(id)) {
            continue;
        }
        runningListenerId_ = id;
        const QPointer<QFListener> listener = listeners_.value(id);
        if (listener) {
            listener->dispatch(this, currentType_, currentMessage_);
        }
    }
}

void QFDispatcher::waitFor(QList<int> ids) {
    if (!dispatching_ || ids.isEmpty()) {
        return;
    }
    const int running = runningListenerId_;
    waiting_.insert(running, true);
    invoke(ids);
    waiting_.remove(running);
    runningListenerId_ = running;
}

int QFDispatcher::addListener(QJSValue callback) {
    auto* listener = new QFListener(this);
    listener->setCallback(callback);
    return addListener(listener);
}

int QFDispatcher::addListener(QFListener* listener) {
    const int id = nextListenerId_++;
    listeners_.insert(id, listener);
    listener->setListenerId(id);
    return id;
}

void QFDispatcher::removeListener(int id) {
    const auto it = listeners_.find(id);
    if (it == listeners_.end()) {
        return;
    }
    if (*it && (*it)->parent() == this) {
        (*it)->deleteLater();
    }
    listeners_.erase(it);
}

void QFDispatcher::setHook(QFHook* hook) {
    if (hook_) {
        disconnect(hook_, nullptr, this, nullptr);
    }
    hook_ = hook;
    if (hook_) {
        connect(hook_, &QFHook::dispatched, this, &QFDispatcher::send);
    }
}
