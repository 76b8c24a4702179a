#include "ui/quickflux/QFAppScriptDispatcherWrapper.h"

#include <QDebug>

QFAppScriptDispatcherWrapper::QFAppScriptDispatcherWrapper(const QString& type,
                                                           QFAppDispatcher* dispatcher)
    : type_(type), dispatcher_(dispatcher) {}

void QFAppScriptDispatcherWrapper::dispatch(QJSValue arguments) {
    if (!dispatcher_) {
        qWarning() << "AppScript::Unexcepted condition: AppDispatcher is not present.";
        return;
    }
    dispatcher_->dispatch(type_, arguments);
}
