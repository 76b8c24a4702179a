#include "tests/Ui/WindowFixture.h"

#include <filesystem>

#include "shared/prefs/ApplicationSettings.h"
#include "shared/prefs/Paths.h"
#include "shared/prefs/PreferencesStore.h"
#include "tests/support/TestFiles.h"
#include "ui/app/ApplicationManager.h"

namespace {

// Where the settings folder waits while a file stands in its place.
std::filesystem::path keptSettingsFolder() {
    return settingsDirectory() + ".kept";
}

void writePreferenceFiles(const std::string& document) {
    std::filesystem::create_directories(settingsDirectory());
    writeFileBytes(defaultPreferencesFilePath(), document);
    writeFileBytes(profileBindFilePath(), R"({"ProfileBind":[]})");
}

}  // namespace

void WindowFixture::writeFactoryPreferences() {
    // The manager names the folders.
    ApplicationManager& manager = ApplicationManager::instance();
    writePreferenceFiles(readFileBytes(WHIRLEN_BACKUP_PREFERENCES_FILE));
    // No update check at the window's start: without a cloud service it would fail, and its
    // alert would stand over what the documents test. Update dialogues are driven by hand.
    manager.settings().setSoftwareCheckForUpdatesPermission(false);
}

void WindowFixture::usePreferences(const QString& document) {
    writePreferenceFiles(document.toStdString());
    PreferencesStore& store = ApplicationManager::instance().preferencesStore();
    store.reload(false);
    store.load();
}

void WindowFixture::useFactoryPreferences() {
    usePreferences(QString::fromStdString(readFileBytes(WHIRLEN_BACKUP_PREFERENCES_FILE)));
}

QString WindowFixture::savedPreferences() const {
    return QString::fromStdString(readFileBytes(defaultPreferencesFilePath()));
}

QString WindowFixture::preferencesFilePath() const {
    return QString::fromStdString(defaultPreferencesFilePath());
}

void WindowFixture::blockSettingsFolder() {
    std::filesystem::rename(settingsDirectory(), keptSettingsFolder());
    writeFileBytes(settingsDirectory(), "not a folder");
}

void WindowFixture::freeSettingsFolder() {
    std::filesystem::remove(settingsDirectory());
    std::filesystem::rename(keptSettingsFolder(), settingsDirectory());
}
