#include "ui/quickflux/QFListenerBinding.h"

int QFListenerBinding::bind(QObject* owner, QFDispatcher* dispatcher) {
    unbind();
    dispatcher_ = dispatcher;
    if (!dispatcher_) {
        return 0;
    }
    listener_ = new QFListener(owner);
    const int id = dispatcher_->addListener(listener_);
    listener_->setWaitFor(waitFor_);
    return id;
}

void QFListenerBinding::unbind() {
    if (dispatcher_ && listener_) {
        dispatcher_->removeListener(listener_->listenerId());
    }
    if (listener_) {
        listener_->disconnect();
        listener_->deleteLater();
    }
    listener_.clear();
}

void QFListenerBinding::setWaitFor(const QList<int>& waitFor) {
    waitFor_ = waitFor;
    if (listener_) {
        listener_->setWaitFor(waitFor_);
    }
}
