#include "ui/quickflux/QFAppDispatcher.h"

#include "ui/quickflux/QFSingletonLookup.h"

QFAppDispatcher* QFAppDispatcher::instance(QQmlEngine* engine) {
    return qobject_cast<QFAppDispatcher*>(
        QFSingletonLookup::find(engine, "QuickFlux", 1, 0, "AppDispatcher"));
}
