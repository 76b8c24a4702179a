#pragma once

#include <QObject>
#include <QString>

#include <cstdint>

#include "ui/cloud/ConfigSyncManagerNotifyInterface.h"

class ConfigSyncManager;

// The About page's configuration sync: start, the user's answers, abort, the running sync's
// states handed to the GUI thread, and the cloud copy's version and date.
class ConfigSyncController : public QObject, public ConfigSyncManagerNotifyInterface {
    Q_OBJECT
    Q_PROPERTY(QString configVersion READ configVersion NOTIFY configVersionChanged)
    Q_PROPERTY(QString lastUpdateDate READ lastUpdateDate NOTIFY lastUpdateDateChanged)

public:
    // The cloud's date text as the page shows it: cut before its first "." and with its
    // first "T" a space.
    static QString displayDate(const QString& cloudDate);

    // On the application manager's sync manager.
    explicit ConfigSyncController(QObject* parent = nullptr);
    explicit ConfigSyncController(ConfigSyncManager& sync, QObject* parent = nullptr);
    ~ConfigSyncController() override;

    QString configVersion() const;
    QString lastUpdateDate() const;

    Q_INVOKABLE void startSync(bool skipQuestion = false);
    Q_INVOKABLE void userResponseOnSync(int accept);
    Q_INVOKABLE void userResponseOnUpload(int accept);
    Q_INVOKABLE void userResponseOnRepairConfig(int accept);
    Q_INVOKABLE void userResponseOnResetConfig(int accept);
    Q_INVOKABLE void abortSynchronization();

    // On the thread of the procedure's step.
    void onStateChanged(uint32_t state, int32_t value) override;

signals:
    void configVersionChanged();
    void lastUpdateDateChanged();
    void internalUpdateProcessStateUpdated(int newState, int progress);
    void syncProcessStateUpdate(int newState, int progressProc);

private:
    void answer(int accept);

    ConfigSyncManager& sync_;
};
