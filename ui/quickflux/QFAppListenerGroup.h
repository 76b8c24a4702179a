#pragma once

#include <QList>
#include <QQuickItem>

#include "ui/quickflux/QFListenerBinding.h"

// Puts every AppListener inside it behind one place in the dispatch order: each member
// waits for the group's own listener, which waits for the group's waitFor list.
class QFAppListenerGroup : public QQuickItem {
    Q_OBJECT
    Q_PROPERTY(
        QList<int> listenerIds READ listenerIds WRITE setListenerIds NOTIFY listenerIdsChanged)
    Q_PROPERTY(QList<int> waitFor READ waitFor WRITE setWaitFor NOTIFY waitForChanged)
public:
    explicit QFAppListenerGroup(QQuickItem* parent = nullptr);

    QList<int> listenerIds() const { return listenerIds_; }
    void setListenerIds(const QList<int>& listenerIds);
    QList<int> waitFor() const { return waitFor_; }
    void setWaitFor(const QList<int>& waitFor);

signals:
    void listenerIdsChanged();
    void waitForChanged();

protected:
    void componentComplete() override;

private:
    QList<int> collectMembers(QQuickItem* item, int groupListenerId);

    QFListenerBinding binding_;
    QList<int> listenerIds_;
    QList<int> waitFor_;
};
