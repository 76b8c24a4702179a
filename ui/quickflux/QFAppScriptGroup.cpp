#include "ui/quickflux/QFAppScriptGroup.h"

#include <QDebug>

#include "ui/quickflux/QFAppScript.h"

QFAppScriptGroup::QFAppScriptGroup(QQuickItem* parent) : QQuickItem(parent) {}

void QFAppScriptGroup::setScripts(const QJSValue& scripts) {
    for (const QPointer<QFAppScript>& member : std::as_const(members_)) {
        if (member) {
            disconnect(member, nullptr, this, nullptr);
        }
    }
    members_.clear();
    scripts_ = scripts;
    if (!scripts.isArray()) {
        qWarning() << "AppScriptGroup: Invalid scripts property";
        return;
    }
    const int length = scripts.property("length").toInt();
    for (int i = 0; i < length; ++i) {
        auto* member = qobject_cast<QFAppScript*>(scripts.property(i).toQObject());
        if (!member) {
            qWarning() << "AppScriptGroup: Invalid scripts property";
            continue;
        }
        members_.append(member);
        connect(member, &QFAppScript::started, this, &QFAppScriptGroup::onStarted);
    }
    emit scriptsChanged();
}

void QFAppScriptGroup::onStarted() {
    const QObject* starter = sender();
    for (const QPointer<QFAppScript>& member : std::as_const(members_)) {
        if (member && member != starter) {
            member->exit(0);
        }
    }
}

void QFAppScriptGroup::exitAll() {
    for (const QPointer<QFAppScript>& member : std::as_const(members_)) {
        if (member) {
            member->exit(0);
        }
    }
}
