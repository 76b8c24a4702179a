#pragma once

#include <QList>
#include <QPointer>

#include "ui/quickflux/QFDispatcher.h"
#include "ui/quickflux/QFListener.h"

// The place of a QML item in a dispatcher's order: a listener object owned by the item and
// registered with the dispatcher for as long as the binding lasts.
class QFListenerBinding {
public:
    QFListenerBinding() = default;
    ~QFListenerBinding() { unbind(); }
    QFListenerBinding(const QFListenerBinding&) = delete;
    QFListenerBinding& operator=(const QFListenerBinding&) = delete;

    // Registers a new listener, child of owner, and returns its id (0 without dispatcher).
    int bind(QObject* owner, QFDispatcher* dispatcher);
    // Takes the listener out of the dispatcher it was registered with and drops it.
    void unbind();
    void setWaitFor(const QList<int>& waitFor);

    QFDispatcher* dispatcher() const { return dispatcher_; }
    QFListener* listener() const { return listener_; }

private:
    QPointer<QFDispatcher> dispatcher_;
    QPointer<QFListener> listener_;
    QList<int> waitFor_;
};
