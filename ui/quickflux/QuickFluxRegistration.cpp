#include <QCoreApplication>
#include <QQmlEngine>

#include "ui/quickflux/QFActionCreator.h"
#include "ui/quickflux/QFAppDispatcher.h"
#include "ui/quickflux/QFAppListener.h"
#include "ui/quickflux/QFAppListenerGroup.h"
#include "ui/quickflux/QFAppScript.h"
#include "ui/quickflux/QFAppScriptGroup.h"
#include "ui/quickflux/QFAppScriptRunnable.h"
#include "ui/quickflux/QFDispatcher.h"
#include "ui/quickflux/QFFilter.h"
#include "ui/quickflux/QFHydrate.h"
#include "ui/quickflux/QFKeyTable.h"
#include "ui/quickflux/QFMiddleware.h"
#include "ui/quickflux/QFMiddlewareList.h"
#include "ui/quickflux/QFStore.h"

namespace {

const char* const kUri = "QuickFlux";

// Runs as the application object is built, before any QML loads, so no program has to
// remember to register the module.
void registerQuickFluxTypes() {
    static bool registered = false;
    if (registered) {
        return;
    }
    registered = true;

    qmlRegisterSingletonType<QFAppDispatcher>(
        kUri, 1, 0, "AppDispatcher",
        [](QQmlEngine*, QJSEngine*) -> QObject* { return new QFAppDispatcher(); });
    qmlRegisterType<QFAppListener>(kUri, 1, 0, "AppListener");
    qmlRegisterType<QFAppScript>(kUri, 1, 0, "AppScript");
    qmlRegisterType<QFAppListenerGroup>(kUri, 1, 0, "AppListenerGroup");
    qmlRegisterType<QFAppScriptGroup>(kUri, 1, 0, "AppScriptGroup");
    qmlRegisterAnonymousType<QFAppScriptRunnable>(kUri, 1);
    qmlRegisterType<QFKeyTable>(kUri, 1, 0, "KeyTable");
    qmlRegisterType<QFActionCreator>(kUri, 1, 0, "ActionCreator");
    qmlRegisterType<QFFilter>(kUri, 1, 0, "Filter");

    qmlRegisterType<QFActionCreator>(kUri, 1, 1, "ActionCreator");
    qmlRegisterType<QFAppListener>(kUri, 1, 1, "AppListener");
    qmlRegisterType<QFAppScript>(kUri, 1, 1, "AppScript");
    qmlRegisterType<QFAppListenerGroup>(kUri, 1, 1, "AppListenerGroup");
    qmlRegisterType<QFAppScriptGroup>(kUri, 1, 1, "AppScriptGroup");
    qmlRegisterType<QFFilter>(kUri, 1, 1, "Filter");
    qmlRegisterType<QFKeyTable>(kUri, 1, 1, "KeyTable");
    qmlRegisterSingletonType<QFHydrate>(
        kUri, 1, 1, "Hydrate", [](QQmlEngine*, QJSEngine*) -> QObject* { return new QFHydrate(); });
    qmlRegisterType<QFDispatcher>(kUri, 1, 1, "Dispatcher");
    qmlRegisterType<QFStore>(kUri, 1, 1, "Store");
    qmlRegisterType<QFMiddlewareList>(kUri, 1, 1, "MiddlewareList");
    qmlRegisterType<QFMiddleware>(kUri, 1, 1, "Middleware");
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(registerQuickFluxTypes)
