#pragma once

#include <QList>
#include <QObject>
#include <QVariantMap>

// Turns a tree of objects into nested maps of their property values, and writes such maps
// back into objects.
class QFHydrate : public QObject {
    Q_OBJECT
public:
    explicit QFHydrate(QObject* parent = nullptr);

public slots:
    void rehydrate(QObject* dest, QVariantMap source);
    QVariantMap dehydrate(QObject* source);

private:
    QVariantMap dehydrate(QObject* source, QList<QObject*>& path);
};
