#pragma once

#include <QJSValue>
#include <QList>
#include <QPointer>
#include <QQuickItem>

class QFAppScript;

// Keeps its scripts mutually exclusive: when one starts, the others exit.
class QFAppScriptGroup : public QQuickItem {
    Q_OBJECT
    Q_PROPERTY(QJSValue scripts READ scripts WRITE setScripts NOTIFY scriptsChanged)
public:
    explicit QFAppScriptGroup(QQuickItem* parent = nullptr);

    QJSValue scripts() const { return scripts_; }
    void setScripts(const QJSValue& scripts);

signals:
    void scriptsChanged();

public slots:
    void exitAll();

private slots:
    void onStarted();

private:
    QJSValue scripts_;
    QList<QPointer<QFAppScript>> members_;
};
