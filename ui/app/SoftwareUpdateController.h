#pragma once

#include <QObject>

#include <cstdint>

#include "ui/cloud/UpdateManagerNotifyInterface.h"

class ApplicationSettings;
class UpdatesManager;

// The About page's software update: check, the user's answers, abort, and the running
// check's states, handed to the GUI thread.
class SoftwareUpdateController : public QObject, public UpdateManagerNotifyInterface {
    Q_OBJECT

public:
    // On the process's update manager and settings.
    explicit SoftwareUpdateController(QObject* parent = nullptr);
    SoftwareUpdateController(UpdatesManager& updates, ApplicationSettings& settings,
                             QObject* parent = nullptr);
    // Unsubscribes, so that the manager never calls a controller that is gone.
    ~SoftwareUpdateController() override;

    Q_INVOKABLE void checkForSoftwareUpdates();
    Q_INVOKABLE void userResponseOnDownload(int accept);
    Q_INVOKABLE void userResponseOnInstall(int accept);
    Q_INVOKABLE void abortSoftwareUpdate();

    // On the thread of the procedure's step.
    void onStateChanged(uint32_t state, int32_t value) override;

signals:
    void internalUpdateProcessStateUpdated(int newState, int progressProc);
    void updateProcessStateUpdated(int newState, int progressProc);

private:
    UpdatesManager& updates_;
    ApplicationSettings& settings_;
};
