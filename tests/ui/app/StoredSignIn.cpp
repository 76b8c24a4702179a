#include "tests/ui/app/StoredSignIn.h"

#include <httplib.h>

#include <nlohmann/json.hpp>

#include "platform/FileSecretKeyStore.h"
#include "shared/prefs/Paths.h"
#include "tests/ui/cloud/TestJwt.h"
#include "ui/cloud/JWTToken.h"

bool storeSignIn() {
    FileSecretKeyStore keys(settingsDirectory() + "/authk");
    JWTToken refresh;
    refresh.setRawToken(makeJwt(accountClaims(secondsNow() + 3600, "refresh-1")));
    return refresh.save(refreshTokenFilePath(), keys);
}

void answerRenewal(httplib::Response& response, int64_t accessLifetimeSeconds) {
    const nlohmann::json answer = {
        {"access_token", makeJwt(accountClaims(secondsNow() + accessLifetimeSeconds))},
        {"refresh_token", makeJwt(accountClaims(secondsNow() + 3600, "refresh-2"))},
        {"token_type", "Bearer"}};
    response.set_content(answer.dump(), "application/json");
}
