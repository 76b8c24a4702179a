#pragma once

#include <QString>

class QObject;
class QQmlEngine;

// Finds a QML singleton of an engine by asking the engine itself: a small document that
// imports the module and reads the singleton into a property.
class QFSingletonLookup {
public:
    // The singleton, or null after two warnings that name the type and the reason.
    static QObject* find(QQmlEngine* engine, const QString& package, int major, int minor,
                         const QString& typeName);
};
