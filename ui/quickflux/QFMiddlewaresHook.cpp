#include "ui/quickflux/QFMiddlewaresHook.h"

#include <QQmlEngine>
#include <QQmlListReference>

#include "ui/quickflux/QFExceptionReport.h"
#include "ui/quickflux/QFMiddleware.h"
#include "ui/quickflux/QFMiddlewareList.h"

namespace {

const char* const kCreateNextCallback =
    "(function (hook) {"
    "  return function create(senderIndex) {"
    "    return function (type, message) {"
    "      hook.next(senderIndex, type , message);"
    "    }"
    "  }"
    "})";

const char* const kInvoke =
    "(function (middlewares, hook) {"
    "  return function invoke(receiverIndex, type , message) {"
    "     if (receiverIndex >= middlewares.data.length) {"
    "       hook.resolve(type, message);"
    "       return;"
    "     }"
    "     var m = middlewares.data[receiverIndex];"
    "     if (m.filterFunctionEnabled && m.hasOwnProperty(type) && typeof m[type] === "
    "\"function\") {"
    "        m[type](message);"
    "     } else if (m.hasOwnProperty(\"dispatch\") && typeof m.dispatch === \"function\") {"
    "       m.dispatch(type, message);"
    "     } else {"
    "       invoke(receiverIndex + 1,type, message);"
    "     }"
    "  }"
    "})";

}  // namespace

// Only Middleware elements get a next callback: the list's data also holds whatever else
// the document put there (a Timer, a Filter), which takes no new properties. Each callback
// carries its element's index in data, the index the chain walks by.
void QFMiddlewaresHook::setup(QQmlEngine* engine, QFMiddlewareList* list) {
    list_ = list;
    const QJSValue jsList = engine->newQObject(list);
    const QJSValue jsHook = engine->newQObject(this);
    const QJSValue create = engine->evaluate(kCreateNextCallback).call({jsHook});
    printException(create);
    const QQmlListReference data(list, "data");
    for (qsizetype i = 0; i < data.count(); ++i) {
        if (auto* middleware = qobject_cast<QFMiddleware*>(data.at(i))) {
            middleware->setNextCallback(create.call({QJSValue(int(i))}));
        }
    }
    invoke_ = engine->evaluate(kInvoke).call({jsList, jsHook});
    printException(invoke_);
}

void QFMiddlewaresHook::dispatch(QString type, QJSValue message) {
    if (!list_) {
        emit dispatched(type, message);
        return;
    }
    next(-1, type, message);
}

void QFMiddlewaresHook::next(int senderId, QString type, QJSValue message) {
    printException(invoke_.call({QJSValue(senderId + 1), QJSValue(type), message}));
}

void QFMiddlewaresHook::resolve(QString type, QJSValue message) {
    emit dispatched(type, message);
}
