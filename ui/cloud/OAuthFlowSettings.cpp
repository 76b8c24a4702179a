#include "ui/cloud/OAuthFlowSettings.h"

#include <QDesktopServices>

#include "platform/DesktopSecretKeyStore.h"
#include "shared/prefs/ApplicationSettings.h"
#include "shared/prefs/Paths.h"
#include "ui/cloud/CloudEndpoints.h"

OAuthFlowSettings OAuthFlowSettings::fromEnvironment() {
    const CloudEndpoints endpoints =
        CloudEndpoints::fromEnvironment(ApplicationSettings::instance().cloudEnv());
    OAuthFlowSettings settings;
    settings.identityBaseUrl = endpoints.identityBaseUrl;
    settings.caFile = endpoints.caFile;
    settings.refreshTokenPath = refreshTokenFilePath();
    settings.keys = std::make_shared<DesktopSecretKeyStore>(settingsDirectory() + "/authk");
    settings.openBrowser = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    return settings;
}
