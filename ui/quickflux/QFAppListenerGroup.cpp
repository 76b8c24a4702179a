#include "ui/quickflux/QFAppListenerGroup.h"

#include <QQmlEngine>

#include "ui/quickflux/QFAppDispatcher.h"
#include "ui/quickflux/QFAppListener.h"

QFAppListenerGroup::QFAppListenerGroup(QQuickItem* parent) : QQuickItem(parent) {}

void QFAppListenerGroup::componentComplete() {
    QQuickItem::componentComplete();
    QFAppDispatcher* dispatcher = QFAppDispatcher::instance(qmlEngine(this));
    if (!dispatcher) {
        return;
    }
    const int groupListenerId = binding_.bind(this, dispatcher);
    setListenerIds(collectMembers(this, groupListenerId));
}

// Depth first over the visual children, so members nested at any depth (even inside
// another AppListener) join the group.
QList<int> QFAppListenerGroup::collectMembers(QQuickItem* item, int groupListenerId) {
    QList<int> ids;
    if (auto* listener = qobject_cast<QFAppListener*>(item)) {
        ids.append(listener->listenerId());
        listener->setWaitFor({groupListenerId});
    }
    const QList<QQuickItem*> children = item->childItems();
    for (QQuickItem* child : children) {
        ids.append(collectMembers(child, groupListenerId));
    }
    return ids;
}

void QFAppListenerGroup::setListenerIds(const QList<int>& listenerIds) {
    listenerIds_ = listenerIds;
    emit listenerIdsChanged();
}

void QFAppListenerGroup::setWaitFor(const QList<int>& waitFor) {
    waitFor_ = waitFor;
    binding_.setWaitFor(waitFor_);
    emit waitForChanged();
}
