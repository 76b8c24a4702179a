#include "ui/quickflux/QFListener.h"

#include "ui/quickflux/QFDispatcher.h"
#include "ui/quickflux/QFExceptionReport.h"

void QFListener::dispatch(QFDispatcher* dispatcher, QString type, QJSValue message) {
    if (!waitFor_.isEmpty()) {
        dispatcher->waitFor(waitFor_);
    }
    if (callback_.isCallable()) {
        printException(callback_.call({QJSValue(type), message}));
    }
    emit dispatched(type, message);
}
