#pragma once

#include <QQmlEngine>

// Hands an object to QML while C++ keeps it: QML must never delete what a controller owns.
template <typename T>
T* forQml(T* object) {
    if (object) {
        QQmlEngine::setObjectOwnership(object, QQmlEngine::CppOwnership);
    }
    return object;
}
