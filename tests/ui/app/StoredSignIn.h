#pragma once

#include <cstdint>

namespace httplib {
struct Response;
}  // namespace httplib

// The sign-in a previous run of the program left in the folders that initializeGlobals()
// found: a refresh token valid for an hour, sealed with the key file, which the program then
// keeps using. False when it cannot be stored.
bool storeSignIn();

// The identity service's answer to a renewal: an access token that expires in
// accessLifetimeSeconds, and a new refresh token.
void answerRenewal(httplib::Response& response, int64_t accessLifetimeSeconds);
