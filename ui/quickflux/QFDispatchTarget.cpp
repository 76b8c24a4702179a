#include "ui/quickflux/QFDispatchTarget.h"

#include "ui/quickflux/QFActionCreator.h"
#include "ui/quickflux/QFDispatcher.h"

QFDispatchTarget QFDispatchTarget::resolve(QObject* target) {
    if (auto* creator = qobject_cast<QFActionCreator*>(target)) {
        return {creator, creator->dispatcher(), true};
    }
    if (auto* dispatcher = qobject_cast<QFDispatcher*>(target)) {
        return {nullptr, dispatcher, true};
    }
    return {};
}
