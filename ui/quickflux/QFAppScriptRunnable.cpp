#include "ui/quickflux/QFAppScriptRunnable.h"

#include <QDebug>
#include <QUuid>

#include "ui/quickflux/QFAppDispatcher.h"
#include "ui/quickflux/QFAppScriptDispatcherWrapper.h"
#include "ui/quickflux/QFExceptionReport.h"

QFAppScriptRunnable::QFAppScriptRunnable(QObject* parent) : QObject(parent) {}

QFAppScriptRunnable::~QFAppScriptRunnable() {
    release();
}

void QFAppScriptRunnable::setCondition(QJSValue condition) {
    condition_ = condition;
    if (condition.isString()) {
        type_ = condition.toString();
        isSignalCondition_ = false;
    } else if (condition.isObject() && condition.hasProperty("connect")) {
        connectSignal();
    } else {
        qWarning() << "AppScript: Invalid condition type";
    }
}

// Each emission dispatches an action of a type made for this step alone, with the signal's
// arguments object as its message.
void QFAppScriptRunnable::connectSignal() {
    type_ = QString("QuickFlux.AppScript.%1").arg(QUuid::createUuid().toString());
    auto* wrapper = new QFAppScriptDispatcherWrapper(type_, QFAppDispatcher::instance(engine_));
    QJSValue factory = engine_->evaluate(
        "(function(dispatcher) { return function() {dispatcher.dispatch(arguments)}})");
    signalCallback_ = factory.call({engine_->newQObject(wrapper)});
    condition_.property("connect").callWithInstance(condition_, {signalCallback_});
    isSignalCondition_ = true;
}

void QFAppScriptRunnable::run(QJSValue message) {
    QJSValueList arguments;
    if (isSignalCondition_ && message.hasProperty("length")) {
        const int length = message.property("length").toInt();
        for (int i = 0; i < length; ++i) {
            arguments.append(message.property(i));
        }
    } else {
        arguments.append(message);
    }
    printException(script_.call(arguments));
}

void QFAppScriptRunnable::release() {
    if (engine_ && condition_.isObject() && condition_.hasProperty("disconnect")) {
        condition_.property("disconnect").callWithInstance(condition_, {signalCallback_});
    }
    condition_ = QJSValue();
    signalCallback_ = QJSValue();
}

QFAppScriptRunnable* QFAppScriptRunnable::then(QJSValue condition, QJSValue value) {
    auto* step = new QFAppScriptRunnable(this);
    step->setEngine(engine_);
    step->setCondition(condition);
    step->setScript(value);
    next_ = step;
    return step;
}
