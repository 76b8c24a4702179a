#pragma once

// A QML warning is a fault of the document or of the types it uses: each one fails the test
// function that is running when the engine reports it.

#include <QList>
#include <QObject>
#include <QQmlEngine>
#include <QQmlError>
#include <QTest>

inline void failOnQmlWarnings(QQmlEngine& engine) {
    QObject::connect(&engine, &QQmlEngine::warnings, &engine, [](const QList<QQmlError>& warnings) {
        for (const QQmlError& warning : warnings) {
            QTest::qFail(qPrintable(warning.toString()), __FILE__, __LINE__);
        }
    });
}
