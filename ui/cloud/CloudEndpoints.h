#pragma once

#include <cstdint>
#include <string>

// Where the cloud services and the identity service answer, and which authorities may sign
// their certificates. Base URLs carry no trailing "/".
struct CloudEndpoints {
    std::string servicesBaseUrl;
    std::string identityBaseUrl;
    // Empty: the system's authorities.
    std::string caFile;

    // 1 test, 2 local, anything else production.
    static std::string servicesBaseUrlFor(int32_t cloudEnv);
    static std::string identityBaseUrlFor(int32_t cloudEnv);
    // The build's endpoints for that environment, each overridden by its environment variable
    // (WHIRLEN_CLOUD_SERVICES_URL, WHIRLEN_CLOUD_IDENTITY_URL, WHIRLEN_CLOUD_CA_FILE) when set.
    static CloudEndpoints fromEnvironment(int32_t cloudEnv);
};
