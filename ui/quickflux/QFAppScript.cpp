#include "ui/quickflux/QFAppScript.h"

#include <QDebug>
#include <QQmlEngine>
#include <QQmlExpression>

#include "ui/quickflux/QFAppDispatcher.h"
#include "ui/quickflux/QFAppScriptRunnable.h"

QFAppScript::QFAppScript(QQuickItem* parent) : QQuickItem(parent) {}

// Without an AppDispatcher nothing is registered; run() reports it when it is asked to run.
void QFAppScript::componentComplete() {
    QQuickItem::componentComplete();
    QFAppDispatcher* dispatcher = QFAppDispatcher::instance(qmlEngine(this));
    const int id = binding_.bind(this, dispatcher);
    if (!binding_.listener()) {
        return;
    }
    setListenerId(id);
    connect(binding_.listener(), &QFListener::dispatched, this, &QFAppScript::onDispatched);
}

void QFAppScript::run(QJSValue message) {
    if (processing_) {
        qWarning() << "AppScript::run(): Don't call run() within script / wait callback";
        return;
    }
    processing_ = true;
    clearSteps();
    message_ = message;
    emit messageChanged();
    if (!binding_.dispatcher()) {
        qWarning() << "AppScript::run() - Missing AppDispatcher. Aborted.";
        processing_ = false;
        return;
    }
    setRunning(true);
    emit started();
    evaluateScript();
    if (runnables_.isEmpty()) {
        end(0);
    }
    processing_ = false;
}

void QFAppScript::evaluateScript() {
    if (script_.isEmpty()) {
        return;
    }
    QQmlExpression expression(script_);
    expression.evaluate();
    if (expression.hasError()) {
        qWarning().noquote() << expression.error().toString();
    }
}

void QFAppScript::exit(int returnCode) {
    end(returnCode);
}

void QFAppScript::end(int returnCode) {
    clearSteps();
    setRunning(false);
    emit finished(returnCode);
}

void QFAppScript::clearSteps() {
    for (QFAppScriptRunnable* step : std::as_const(runnables_)) {
        step->release();
        step->deleteLater();
    }
    runnables_.clear();
}

QFAppScriptRunnable* QFAppScript::once(QJSValue condition, QJSValue script) {
    auto* step = new QFAppScriptRunnable(this);
    step->setEngine(qmlEngine(this));
    step->setCondition(condition);
    step->setScript(script);
    runnables_.append(step);
    return step;
}

void QFAppScript::on(QJSValue condition, QJSValue script) {
    once(condition, script)->setOnceOnly(false);
}

void QFAppScript::onDispatched(QString type, QJSValue message) {
    if (!runWhen_.isEmpty() && type == runWhen_ && !processing_) {
        if (running_) {
            end(-1);
        }
        run(message);
        return;
    }
    if (!running_) {
        return;
    }
    processing_ = true;
    runSteps(type, message);
}

// Steps a callback adds during the walk are walked too. A callback that exits ends the walk
// and leaves the steps as they are. A step without type (its condition was unusable) never
// fires.
void QFAppScript::runSteps(const QString& type, const QJSValue& message) {
    QList<qsizetype> fired;
    for (qsizetype i = 0; i < runnables_.size(); ++i) {
        QFAppScriptRunnable* step = runnables_[i];
        if (step->type().isEmpty() || step->type() != type) {
            continue;
        }
        step->run(message);
        if (!running_) {
            processing_ = false;
            return;
        }
        if (step->isOnceOnly()) {
            fired.append(i);
        }
    }
    dropFiredSteps(fired);
    processing_ = false;
    if (runnables_.isEmpty() && autoExit_) {
        end(0);
    }
}

// A fired step hands over to the step chained after it, which waits from the next action on.
void QFAppScript::dropFiredSteps(const QList<qsizetype>& fired) {
    for (auto it = fired.crbegin(); it != fired.crend(); ++it) {
        QFAppScriptRunnable* step = runnables_.takeAt(*it);
        if (QFAppScriptRunnable* next = step->next()) {
            next->setParent(this);
            runnables_.append(next);
        }
        step->release();
        step->deleteLater();
    }
}

void QFAppScript::setScript(const QQmlScriptString& script) {
    script_ = script;
    emit scriptChanged();
}

void QFAppScript::setRunning(bool running) {
    if (running_ == running) {
        return;
    }
    running_ = running;
    emit runningChanged();
}

void QFAppScript::setRunWhen(const QString& runWhen) {
    runWhen_ = runWhen;
    emit runWhenChanged();
}

void QFAppScript::setListenerId(int listenerId) {
    listenerId_ = listenerId;
    emit listenerIdChanged();
}

void QFAppScript::setWaitFor(const QList<int>& waitFor) {
    waitFor_ = waitFor;
    binding_.setWaitFor(waitFor_);
    emit waitForChanged();
}

void QFAppScript::setAutoExit(bool autoExit) {
    autoExit_ = autoExit;
    emit autoExitChanged();
}
