#include "ui/quickflux/QFSingletonLookup.h"

#include <QDebug>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QUrl>

namespace {

void reportFailure(const QString& typeName, const QString& reason) {
    qWarning().noquote() << QString("QuickFlux: Failed to gain singleton object: %1").arg(typeName);
    qWarning().noquote() << "Error: " + reason;
}

}  // namespace

QObject* QFSingletonLookup::find(QQmlEngine* engine, const QString& package, int major, int minor,
                                 const QString& typeName) {
    const QString text =
        QString("import QtQuick 2.0\nimport %1 %2.%3;QtObject { property var object : %4 }")
            .arg(package)
            .arg(major)
            .arg(minor)
            .arg(typeName);
    QQmlComponent component(engine);
    component.setData(text.toUtf8(), QUrl());
    QObject* holder = component.create();
    if (!holder) {
        reportFailure(typeName, component.errorString());
        return nullptr;
    }
    QObject* singleton = holder->property("object").value<QObject*>();
    holder->deleteLater();
    if (!singleton) {
        reportFailure(typeName, "Unknown");
    }
    return singleton;
}
