#include "ui/cloud/TokenRefresher.h"

#include <nlohmann/json.hpp>

#include "shared/prefs/JsonText.h"
#include "shared/prefs/LogManager.h"
#include "ui/cloud/BaseHttpRequest.h"
#include "ui/cloud/OidcEndpoints.h"

namespace {

// The answer is only readable while the request reports its end.
class AnswerReader : public HttpRequestStatusNotifyInterface {
public:
    void onStateChanged(BaseHttpRequest& request, uint32_t state) override {
        if (state == BaseHttpRequest::kFinished) {
            result = request.result();
            body = request.responseBody();
        }
    }

    int32_t result = BaseHttpRequest::kNoTransfer;
    std::vector<char> body;
};

std::string textMember(const nlohmann::json& answer, const char* name) {
    const auto member = answer.find(name);
    return member != answer.end() && member->is_string() ? member->get<std::string>()
                                                         : std::string();
}

}  // namespace

TokenRefresher::TokenRefresher(std::string identityBaseUrl, std::string caFile)
    : identityBaseUrl_(std::move(identityBaseUrl)), caFile_(std::move(caFile)) {}

std::optional<AccessTokenGuard::Tokens> TokenRefresher::refresh(
    const std::string& refreshToken) const {
    BaseHttpRequest request(identityBaseUrl_ + OidcEndpoints::kToken, HttpMethod::Post);
    request.setCaFile(caFile_);
    request.addHeader("Content-Type: application/x-www-form-urlencoded");
    // Tokens are base64url text and dots: nothing in them needs escaping in a form.
    const std::string body = std::string("grant_type=refresh_token&client_id=") +
                             OidcEndpoints::kClientId + "&refresh_token=" + refreshToken;
    request.setBody(body.data(), static_cast<int64_t>(body.size()), false);
    AnswerReader reader;
    request.subscribe(&reader);
    request.perform();
    request.unsubscribe(&reader);
    if (reader.result != 0) {
        LogManager::instance().log('E', "Token refresh refused: %d", reader.result);
        return std::nullopt;
    }
    const nlohmann::json answer =
        parseJsonText(std::string(reader.body.begin(), reader.body.end())).value;
    AccessTokenGuard::Tokens tokens{textMember(answer, "access_token"),
                                    textMember(answer, "refresh_token")};
    if (tokens.access.empty()) {
        LogManager::instance().log('E', "Token refresh answer without an access token");
        return std::nullopt;
    }
    return tokens;
}
