#include "tests/Ui/RecordingAgentFixture.h"

#include "shared/prefs/ApplicationSettings.h"
#include "tests/ui/app/AppSession.h"
#include "ui/app/ApplicationManager.h"

RecordingAgentFixture::RecordingAgentFixture() = default;

RecordingAgentFixture::~RecordingAgentFixture() = default;

bool RecordingAgentFixture::listen() {
    agent_ = std::make_unique<RecordingAgent>();
    return agent_->accept();
}

int RecordingAgentFixture::count(int type) const {
    return agent_ ? static_cast<int>(agent_->count(static_cast<uint32_t>(type))) : 0;
}

void RecordingAgentFixture::sendMarker() const {
    ApplicationManager::instance().ipcManager()->sendPreferencesUpdate();
}

void RecordingAgentFixture::close() {
    agent_.reset();
}

QVariantMap RecordingAgentFixture::savedSettings() const {
    ApplicationSettings saved(ApplicationManager::instance().settings().settingsFilePath());
    if (!saved.load()) {
        return {};
    }
    return {{"downloadPermission", saved.downloadPermission()},
            {"installPermission", saved.installPermission()},
            {"configSyncPermission", saved.softwareConfigSyncPermission()},
            {"checkUpdatesPermission", saved.softwareCheckForUpdatesPermission()},
            {"checkUpdatesInterval", saved.softwareCheckForUpdatesInterval()}};
}
