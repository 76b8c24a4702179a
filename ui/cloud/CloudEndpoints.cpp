#include "ui/cloud/CloudEndpoints.h"

#include <cstdlib>

namespace {

constexpr int32_t kTestEnvironment = 1;
constexpr int32_t kLocalEnvironment = 2;

std::string environmentOr(const char* name, std::string fallback) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0' ? std::string(value) : fallback;
}

}  // namespace

std::string CloudEndpoints::servicesBaseUrlFor(int32_t cloudEnv) {
    switch (cloudEnv) {
        case kTestEnvironment:
            return "https://" WHIRLEN_CLOUD_TEST_HOST ":9443";
        case kLocalEnvironment:
            return "http://localhost:8081";
        default:
            return "https://" WHIRLEN_CLOUD_PRODUCTION_SERVICES_HOST ":9443";
    }
}

std::string CloudEndpoints::identityBaseUrlFor(int32_t cloudEnv) {
    switch (cloudEnv) {
        case kTestEnvironment:
            return "https://" WHIRLEN_CLOUD_TEST_HOST ":8443";
        case kLocalEnvironment:
            return "http://localhost:8089";
        default:
            return "https://" WHIRLEN_CLOUD_PRODUCTION_IDENTITY_HOST;
    }
}

CloudEndpoints CloudEndpoints::fromEnvironment(int32_t cloudEnv) {
    return {environmentOr("WHIRLEN_CLOUD_SERVICES_URL", servicesBaseUrlFor(cloudEnv)),
            environmentOr("WHIRLEN_CLOUD_IDENTITY_URL", identityBaseUrlFor(cloudEnv)),
            environmentOr("WHIRLEN_CLOUD_CA_FILE", WHIRLEN_CLOUD_CA_FILE)};
}
