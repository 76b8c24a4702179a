#pragma once

// The identity service's paths, each after its base URL, and this program's client.
namespace OidcEndpoints {

inline constexpr const char* kAuthorization = "/realms/pelservices/protocol/openid-connect/auth";
inline constexpr const char* kRegistration =
    "/realms/pelservices/protocol/openid-connect/registrations";
inline constexpr const char* kToken = "/realms/pelservices/protocol/openid-connect/token";
inline constexpr const char* kResetCredentials =
    "/realms/pelservices/login-actions/reset-credentials";
inline constexpr const char* kClientId = "pelauth";

}  // namespace OidcEndpoints
