#pragma once

#include <QUrl>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class HttpRequestManager;
class SecretKeyStore;

// Where and how the sign-in flow talks to the identity service and the user's browser.
struct OAuthFlowSettings {
    // Without a trailing "/".
    std::string identityBaseUrl;
    // PEM bundle of the authorities the identity service's certificate may come from; empty:
    // the system's.
    std::string caFile;
    // The loopback port the browser is sent back to; 0 picks a free one.
    uint16_t listenPort = 12346;
    // Where the refresh token is kept between runs.
    std::string refreshTokenPath;
    // Holds the key that protects the refresh token file.
    std::shared_ptr<SecretKeyStore> keys;
    // Shows a URL to the user.
    std::function<void(const QUrl&)> openBrowser;
    // Where the sign-out request goes; null: the program's request manager.
    HttpRequestManager* requests = nullptr;
    // Raises the program's window once the browser has handed the sign-in back.
    std::function<void()> bringToFront;
    // How long a renewal of the access token may wait for the identity service.
    std::chrono::milliseconds renewalTimeout{std::chrono::seconds(20)};

    // The settings' cloud environment, the environment's overrides, QDesktopServices and the
    // desktop's secret store.
    static OAuthFlowSettings fromEnvironment();
};
