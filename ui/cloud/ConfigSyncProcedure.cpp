#include "ui/cloud/ConfigSyncProcedure.h"

#include <nlohmann/json.hpp>

#include <utility>

#include "shared/prefs/AtomicWrite.h"
#include "shared/prefs/FileUtils.h"
#include "shared/prefs/JsonText.h"
#include "shared/prefs/LogManager.h"
#include "shared/prefs/Paths.h"
#include "shared/prefs/TextUtils.h"
#include "ui/cloud/ConfigFileValidation.h"
#include "ui/cloud/HttpRequestManager.h"

namespace {

void logError(const char* message) {
    LogManager::instance().log('E', "%s", message);
}

bool isSuccess(const nlohmann::json& answer) {
    if (!answer.is_object()) {
        return false;
    }
    const auto result = answer.find("result");
    return result != answer.end() && result->is_string() && *result == "success";
}

}  // namespace

ConfigSyncProcedure::ConfigSyncProcedure(HttpRequestManager& requests)
    : RequestProcedure(kSyncType, kReset, kDeclined), requests_(requests) {}

void ConfigSyncProcedure::setConfigVersion(int32_t configVersion) {
    Turn turn(*this);
    configVersion_ = configVersion;
}

void ConfigSyncProcedure::setPlatform(const std::string& platform) {
    Turn turn(*this);
    platform_ = platform;
}

void ConfigSyncProcedure::setSoftwareVersion(const std::string& softwareVersion) {
    Turn turn(*this);
    softwareVersion_ = softwareVersion;
}

void ConfigSyncProcedure::setSkipQuestion(bool skipQuestion) {
    Turn turn(*this);
    skipQuestion_ = skipQuestion;
}

void ConfigSyncProcedure::setActions(std::function<void()> installed,
                                     std::function<void()> resetPreferences,
                                     std::function<void(std::function<void()>)> onStoreThread) {
    Turn turn(*this);
    installed_ = std::move(installed);
    resetPreferences_ = std::move(resetPreferences);
    onStoreThread_ = std::move(onStoreThread);
}

void ConfigSyncProcedure::answer(uint32_t asked, bool yes, uint32_t onYes, uint32_t onNo) {
    Turn turn(*this);
    if (state() == asked) {
        setState(yes ? onYes : onNo);
        runStep();
    }
}

void ConfigSyncProcedure::answerSync(bool answer) {
    this->answer(kAskDownload, answer, kDownload, kAskUpload);
}

void ConfigSyncProcedure::answerUpload(bool answer) {
    this->answer(kAskUpload, answer, kUpload, kDeclined);
}

void ConfigSyncProcedure::answerRepair(bool answer) {
    if (state() == kAskRepairByUpload) {
        this->answer(kAskRepairByUpload, answer, kUpload, kDeclined);
    } else {
        this->answer(kAskRepairByDownload, answer, kDownload, kDeclined);
    }
}

void ConfigSyncProcedure::answerReset(bool answer) {
    this->answer(kAskReset, answer, kReset, kDeclined);
}

void ConfigSyncProcedure::userResponse(bool answer) {
    switch (state()) {
        case kAskDownload:
            answerSync(answer);
            break;
        case kAskUpload:
            answerUpload(answer);
            break;
        case kAskRepairByUpload:
        case kAskRepairByDownload:
            answerRepair(answer);
            break;
        case kAskReset:
            answerReset(answer);
            break;
        default:
            break;
    }
}

std::shared_ptr<UserConfigModel> ConfigSyncProcedure::userConfig() {
    Turn turn(*this);
    return userConfig_ && userConfig_->isValid() ? userConfig_ : nullptr;
}

void ConfigSyncProcedure::runStep() {
    while (stepOnce()) {
    }
}

bool ConfigSyncProcedure::stepOnce() {
    switch (state()) {
        case kRequestDescription:
            return requestDescription();
        case kWaitForDescription:
            return readDescription();
        case kDownload:
            return download();
        case kWaitForDownload:
            return install();
        case kUpload:
            return upload();
        case kWaitForUpload:
            return readUploadAnswer();
        case kReset:
            return reset();
        default:
            // Questions wait for their answer; terminal states do nothing.
            return false;
    }
}

bool ConfigSyncProcedure::requestDescription() {
    const nlohmann::json body = {{"configVersion", std::to_string(configVersion_)},
                                 {"platform", platform_},
                                 {"softwareVersion", softwareVersion_}};
    const std::string text = body.dump();
    const auto request = requests_.createRequest(HttpRequestKind::UserConfigInfo);
    // The service expects the JSON text with its terminating zero byte.
    request->setBody(text.data(), static_cast<int64_t>(text.size()), true);
    adoptRequest(request);
    setState(kWaitForDescription);
    requests_.enqueue(request);
    return false;
}

bool ConfigSyncProcedure::readDescription() {
    const std::shared_ptr<BaseHttpRequest> request = currentRequest();
    if (!request) {
        return false;
    }
    const uint32_t next = judgeDescription(request->result(), request->responseBody());
    dropRequest();
    setState(next);
    return next == kUpload;
}

uint32_t ConfigSyncProcedure::judgeDescription(int32_t result, const std::vector<char>& body) {
    if (result != 0) {
        LogManager::instance().log('E', "Request response status code error %d", result);
        return kRequestFailed;
    }
    if (body.empty()) {
        logError("Request response empty");
        return kRequestFailed;
    }
    const JsonText parsed = parseJsonText(std::string(body.begin(), body.end()));
    const nlohmann::json& answer = parsed.value;
    if (!parsed.usable()) {
        logError("Json parse error");
        return kRequestFailed;
    }
    if (!isSuccess(answer) || !answer.contains("userConfig")) {
        logError("Request response error");
        return kRequestFailed;
    }
    auto model = std::make_shared<UserConfigModel>();
    if (!model->fromJson(answer["userConfig"]) || !model->isValid()) {
        // The service holds no usable copy: the local file goes up without a question.
        return kUpload;
    }
    // The checksum names the downloaded file in the cache folder.
    if (!isMd5Hex(model->checksum)) {
        logError("Request response checksum invalid");
        return kRequestFailed;
    }
    if (equalsIgnoreCase(fileMd5Hex(defaultPreferencesFilePath()), model->checksum)) {
        return skipQuestion_ ? kDone : kInStep;
    }
    userConfig_ = std::move(model);
    return kAskDownload;
}

std::string ConfigSyncProcedure::downloadPath() const {
    return cacheDirectory() + "/" + userConfig_->checksum;
}

bool ConfigSyncProcedure::download() {
    if (!userConfig_) {
        logError("No cloud config");
        setState(kRequestFailed);
        return false;
    }
    const std::string target = downloadPath();
    if (checksumDone()) {
        const std::shared_ptr<FileChecksum> cachedCopy = takeChecksum();
        if (cachedCopy->digest().empty()) {
            logError("Unable to check the cached configuration");
            setState(kDownloadFailed);
            return false;
        }
        if (cachedCopy->matches(userConfig_->checksum)) {
            setState(kWaitForDownload);
            return true;
        }
        removeIfExists(target);
    } else {
        ensureCacheDir();
        if (fileExists(target)) {
            // A cached copy from an earlier run is reused once its hash is known.
            startChecksum(requests_, target);
            return false;
        }
    }
    const auto request = requests_.createRequest(HttpRequestKind::UserConfigDownload);
    request->setUrl(userConfig_->fileName);
    request->setDownloadFile(target);
    adoptRequest(request);
    setState(kWaitForDownload);
    requests_.enqueue(request);
    return false;
}

bool ConfigSyncProcedure::install() {
    dropRequest();
    if (!userConfig_) {
        setState(kDownload);
        return false;
    }
    const std::string target = downloadPath();
    if (!fileExists(target)) {
        logError("Downloaded file does not exits");
        setState(kDownloadFailed);
        return false;
    }
    // Read once: the checksum, the check and the copy all see the same bytes.
    std::string contents;
    if (!readWholeFile(target, contents) ||
        !equalsIgnoreCase(md5Hex(contents), userConfig_->checksum)) {
        logError("Checksum check invalid downloaded file");
        removeIfExists(target);
        setState(kDownloadFailed);
        return false;
    }
    if (!validateConfigText(contents, target)) {
        cloudFileInvalid_ = true;
        setState(localFileInvalid_ ? kAskReset : kAskRepairByUpload);
        return false;
    }
    if (!onStoreThread_) {
        setState(writeInstall(contents));
        return false;
    }
    // Stays in this state, and alive, until the store's thread has installed the file.
    pendingInstall_ = std::move(contents);
    addGuard();
    onStoreThread_([this] {
        finishInstall();
        releaseGuard();
    });
    return false;
}

void ConfigSyncProcedure::finishInstall() {
    Turn turn(*this);
    if (state() != kWaitForDownload || pendingInstall_.empty()) {
        // Aborted meanwhile: the local file stays as it is.
        return;
    }
    const std::string contents = std::exchange(pendingInstall_, {});
    setState(writeInstall(contents));
}

uint32_t ConfigSyncProcedure::writeInstall(const std::string& contents) {
    if (!writeFileAtomically(defaultPreferencesFilePath(), contents)) {
        logError("Unable to install the downloaded configuration");
        return kDownloadFailed;
    }
    if (installed_) {
        installed_();
    }
    removeIfExists(downloadPath());
    return kDone;
}

bool ConfigSyncProcedure::upload() {
    dropRequest();
    const std::string localFile = defaultPreferencesFilePath();
    if (!validateConfigFile(localFile)) {
        localFileInvalid_ = true;
        setState(cloudFileInvalid_ ? kAskReset : kAskRepairByDownload);
        return false;
    }
    const auto request = requests_.createRequest(HttpRequestKind::UserConfigUpload);
    const std::string version = std::to_string(configVersion_);
    request->addMimeFile("file", localFile);
    request->addMimeData("configVersion", version.data(), static_cast<int64_t>(version.size()));
    request->addMimeData("platform", platform_.data(), static_cast<int64_t>(platform_.size()));
    request->addMimeData("softwareVersion", softwareVersion_.data(),
                         static_cast<int64_t>(softwareVersion_.size()));
    adoptRequest(request);
    setState(kWaitForUpload);
    requests_.enqueue(request);
    return false;
}

bool ConfigSyncProcedure::readUploadAnswer() {
    const std::shared_ptr<BaseHttpRequest> request = currentRequest();
    if (!request) {
        logError("Request is null");
        setState(kRequestFailed);
        return false;
    }
    const int32_t result = request->result();
    const std::vector<char> body = request->responseBody();
    dropRequest();
    if (result != 0) {
        LogManager::instance().log('E', "Request response status code error %d", result);
        setState(kRequestFailed);
        return false;
    }
    if (body.empty()) {
        logError("Request response is empty");
        setState(kRequestFailed);
        return false;
    }
    const JsonText parsed = parseJsonText(std::string(body.begin(), body.end()));
    const nlohmann::json& answer = parsed.value;
    if (!parsed.usable()) {
        logError("Request json parse error");
        setState(kRequestFailed);
        return false;
    }
    if (!isSuccess(answer)) {
        logError("Request failed");
        setState(kUploadFailed);
        return false;
    }
    setState(kDone);
    return false;
}

bool ConfigSyncProcedure::reset() {
    if (resetPreferences_) {
        resetPreferences_();
    }
    setState(kResetDone);
    return false;
}
