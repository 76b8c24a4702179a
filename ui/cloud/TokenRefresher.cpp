#include "ui/cloud/TokenRefresher.h"

#include <nlohmann/json.hpp>

#include "shared/prefs/JsonText.h"
#include "shared/prefs/LogManager.h"
#include "ui/cloud/BaseHttpRequest.h"
#include "ui/cloud/OidcEndpoints.h"

namespace {

using Outcome = AccessTokenGuard::RenewalOutcome;

constexpr int32_t kBadRequest = 400;
constexpr int32_t kUnauthorized = 401;

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
    if (!answer.is_object()) {
        return {};
    }
    const auto member = answer.find(name);
    return member != answer.end() && member->is_string() ? member->get<std::string>()
                                                         : std::string();
}

}  // namespace

TokenRefresher::TokenRefresher(std::string identityBaseUrl, std::string caFile,
                               std::chrono::milliseconds timeout)
    : identityBaseUrl_(std::move(identityBaseUrl)), caFile_(std::move(caFile)), timeout_(timeout) {}

AccessTokenGuard::Renewal TokenRefresher::refresh(const std::string& refreshToken) {
    BaseHttpRequest request(identityBaseUrl_ + OidcEndpoints::kToken, HttpMethod::Post);
    request.setCaFile(caFile_);
    request.setTimeout(timeout_);
    request.addHeader("Content-Type: application/x-www-form-urlencoded");
    // Tokens are base64url text and dots: nothing in them needs escaping in a form.
    const std::string body = std::string("grant_type=refresh_token&client_id=") +
                             OidcEndpoints::kClientId + "&refresh_token=" + refreshToken;
    request.setBody(body.data(), static_cast<int64_t>(body.size()), false);
    {
        std::lock_guard guard(mutex_);
        if (stopped_) {
            LogManager::instance().log('W', "Sign-in not renewed: the program is ending");
            return {};
        }
        running_ = &request;
    }
    AnswerReader reader;
    request.subscribe(&reader);
    request.perform();
    request.unsubscribe(&reader);
    {
        std::lock_guard guard(mutex_);
        running_ = nullptr;
    }
    return readAnswer(reader.result, std::string(reader.body.begin(), reader.body.end()));
}

void TokenRefresher::stop() {
    std::lock_guard guard(mutex_);
    stopped_ = true;
    if (running_ != nullptr) {
        running_->cancel(true);
    }
}

AccessTokenGuard::Renewal TokenRefresher::readAnswer(int32_t result, const std::string& body) {
    const nlohmann::json answer = parseJsonText(body).value;
    if (result == kBadRequest || result == kUnauthorized) {
        const std::string error = textMember(answer, "error");
        if (!error.empty()) {
            LogManager::instance().log('E', "Sign-in refused by the identity service: %s",
                                       error.c_str());
            return {Outcome::Refused, {}};
        }
    }
    if (result != 0) {
        LogManager::instance().log('W', "Sign-in not renewed, kept for the next request: %d",
                                   result);
        return {};
    }
    AccessTokenGuard::Tokens tokens{textMember(answer, "access_token"),
                                    textMember(answer, "refresh_token")};
    if (tokens.access.empty()) {
        LogManager::instance().log(
            'W', "Sign-in not renewed, kept for the next request: an answer without a token");
        return {};
    }
    return {Outcome::Renewed, std::move(tokens)};
}
