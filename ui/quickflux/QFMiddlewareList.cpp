#include "ui/quickflux/QFMiddlewareList.h"

#include <QDebug>

#include "ui/quickflux/QFDispatchTarget.h"
#include "ui/quickflux/QFMiddlewaresHook.h"

QFMiddlewareList::QFMiddlewareList(QQuickItem* parent) : QQuickItem(parent) {}

void QFMiddlewareList::componentComplete() {
    QQuickItem::componentComplete();
    engine_ = qmlEngine(this);
    if (applyTarget_) {
        setup();
    }
}

void QFMiddlewareList::apply(QObject* target) {
    applyTarget_ = target;
    if (engine_) {
        setup();
    }
    emit applyTargetChanged();
}

void QFMiddlewareList::next(int senderId, QString type, QJSValue message) {
    if (hook_) {
        hook_->next(senderId, type, message);
    }
}

void QFMiddlewareList::setup() {
    const QFDispatchTarget target = QFDispatchTarget::resolve(applyTarget_);
    if (!target.valid) {
        qWarning() << "Middlewares.apply(): Invalid input";
    }
    if (target.creator == creator_ && target.dispatcher == dispatcher_) {
        return;
    }
    if (creator_ && creator_ != target.creator) {
        disconnect(creator_, nullptr, this, nullptr);
    }
    if (dispatcher_ != target.dispatcher) {
        leaveDispatcher();
    }
    creator_ = target.creator;
    dispatcher_ = target.dispatcher;
    if (creator_) {
        connect(creator_, &QFActionCreator::dispatcherChanged, this, &QFMiddlewareList::setup,
                Qt::UniqueConnection);
    }
    if (dispatcher_) {
        // Another creator on the same dispatcher keeps the hook the list already has.
        if (!hook_) {
            hook_ = new QFMiddlewaresHook(this);
            hook_->setup(engine_, this);
        }
        dispatcher_->setHook(hook_);
    }
}

// The dispatcher's hook may be another list's by now, and this list's hook may be in the
// middle of passing an action on: take off only our own, and delete it once it is idle.
void QFMiddlewareList::leaveDispatcher() {
    if (dispatcher_) {
        if (hook_ && dispatcher_->hook() == hook_) {
            dispatcher_->setHook(nullptr);
        }
        disconnect(dispatcher_, nullptr, this, nullptr);
    }
    if (hook_) {
        hook_->deleteLater();
        hook_.clear();
    }
}
