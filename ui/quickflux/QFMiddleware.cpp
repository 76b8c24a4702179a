#include "ui/quickflux/QFMiddleware.h"

#include "ui/quickflux/QFExceptionReport.h"

QFMiddleware::QFMiddleware(QQuickItem* parent) : QQuickItem(parent) {}

void QFMiddleware::next(QString type, QJSValue message) {
    if (nextCallback_.isCallable()) {
        printException(nextCallback_.call({QJSValue(type), message}));
    }
}

void QFMiddleware::setFilterFunctionEnabled(bool enabled) {
    if (filterFunctionEnabled_ == enabled) {
        return;
    }
    filterFunctionEnabled_ = enabled;
    emit filterFunctionEnabledChanged();
}

void QFMiddleware::setNextCallback(const QJSValue& callback) {
    nextCallback_ = callback;
    emit _nextCallbackChanged();
}
