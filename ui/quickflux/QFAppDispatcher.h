#pragma once

#include "ui/quickflux/QFDispatcher.h"

class QQmlEngine;

// The application-wide dispatcher: the singleton AppDispatcher, one per QML engine.
class QFAppDispatcher : public QFDispatcher {
    Q_OBJECT
public:
    using QFDispatcher::QFDispatcher;

    // The engine's AppDispatcher, or null (with warnings) when it cannot be had.
    static QFAppDispatcher* instance(QQmlEngine* engine);
};
