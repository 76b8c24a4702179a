#include "ui/cloud/UpdateProcedure.h"

#include <nlohmann/json.hpp>

#include "platform/InstallerLauncher.h"
#include "shared/prefs/FileUtils.h"
#include "shared/prefs/JsonText.h"
#include "shared/prefs/LogManager.h"
#include "shared/prefs/Paths.h"
#include "ui/cloud/HttpRequestManager.h"

namespace {

void logError(const char* message) {
    LogManager::instance().log('E', "%s", message);
}

bool isSuccessAnswer(const nlohmann::json& answer) {
    if (!answer.is_object()) {
        return false;
    }
    const auto result = answer.find("result");
    const auto versions = answer.find("softwareVersions");
    return result != answer.end() && result->is_string() && *result == "success" &&
           versions != answer.end() && versions->is_array();
}

// The first entry with a usable version; entries that are not objects are passed over.
std::optional<SoftwareVersion> firstUsable(const nlohmann::json& versions) {
    for (const nlohmann::json& entry : versions) {
        SoftwareVersion record = SoftwareVersion::fromJson(entry);
        if (record.isValidVersion()) {
            return record;
        }
    }
    return std::nullopt;
}

}  // namespace

UpdateProcedure::UpdateProcedure(HttpRequestManager& requests, std::string currentVersion,
                                 std::string platform, std::string currentBuildNo)
    : RequestProcedure(kUpdateType, kStartingInstaller, kDeclined),
      requests_(requests),
      currentVersion_(std::move(currentVersion)),
      platform_(std::move(platform)),
      currentBuildNo_(std::move(currentBuildNo)) {}

void UpdateProcedure::setDownloadPermission(bool allowed) {
    Turn turn(*this);
    downloadPermission_ = allowed;
    if (state() == kAskDownload) {
        setState(allowed ? kDownload : kDeclined);
        runStep();
    }
}

void UpdateProcedure::setInstallPermission(bool allowed) {
    Turn turn(*this);
    installPermission_ = allowed;
    if (state() == kAskInstall) {
        setState(allowed ? kInstall : kDeclined);
        runStep();
    }
}

void UpdateProcedure::setForce(bool force) {
    Turn turn(*this);
    force_ = force;
}

void UpdateProcedure::userResponse(bool answer) {
    const uint32_t asked = state();
    if (asked == kAskDownload) {
        setDownloadPermission(answer);
    } else if (asked == kAskInstall) {
        setInstallPermission(answer);
    }
}

void UpdateProcedure::runStep() {
    while (stepOnce()) {
    }
}

bool UpdateProcedure::stepOnce() {
    switch (state()) {
        case kSendCheck:
            return sendCheck();
        case kWaitForCheck:
            return readCheckAnswer();
        case kDownload:
            return download();
        case kWaitForDownload:
            return checkDownload();
        case kInstall:
            return install();
        default:
            // Questions wait for their answer; terminal states do nothing.
            return false;
    }
}

bool UpdateProcedure::sendCheck() {
    const nlohmann::json body = {{"currentBuildNo", currentBuildNo_},
                                 {"currentPlatform", platform_},
                                 {"currentVersion", currentVersion_},
                                 {"platformFilter", nlohmann::json::array({platform_})}};
    const std::string text = body.dump();
    const auto request = requests_.createRequest(HttpRequestKind::SoftwareVersionCheck);
    // The service expects the JSON text with its terminating zero byte.
    request->setBody(text.data(), static_cast<int64_t>(text.size()), true);
    adoptRequest(request);
    setState(kWaitForCheck);
    requests_.enqueue(request);
    return false;
}

bool UpdateProcedure::readCheckAnswer() {
    const std::shared_ptr<BaseHttpRequest> request = currentRequest();
    if (!request) {
        return false;
    }
    const uint32_t next = chooseVersion(request->result(), request->responseBody());
    dropRequest();
    setState(next);
    return next == kDownload;
}

uint32_t UpdateProcedure::chooseVersion(int32_t result, const std::vector<char>& body) {
    if (result != 0) {
        return kCheckFailed;
    }
    if (body.empty()) {
        logError("Response data - check version empty");
        return kCheckFailed;
    }
    const JsonText parsed = parseJsonText(std::string(body.begin(), body.end()));
    const nlohmann::json& answer = parsed.value;
    if (!parsed.usable()) {
        logError("Error parsing response http request check version!");
        return kCheckFailed;
    }
    if (!isSuccessAnswer(answer)) {
        logError("Response data error!");
        return kCheckFailed;
    }
    const nlohmann::json& versions = answer["softwareVersions"];
    if (versions.empty()) {
        logError("No updates found!");
        return upToDateState();
    }
    std::optional<SoftwareVersion> record = firstUsable(versions);
    if (!record || record->platform != platform_ || !record->hasValidChecksum()) {
        logError("Unable to find a software version valid!");
        return kCheckFailed;
    }
    if (!record->isNewerThan(currentVersion_, currentBuildNo_)) {
        logError("Already to the latest version!");
        return upToDateState();
    }
    chosen_ = std::move(record);
    return downloadPermission_ ? kDownload : kAskDownload;
}

uint32_t UpdateProcedure::upToDateState() const {
    return force_ ? kUpToDateForced : kUpToDate;
}

bool UpdateProcedure::download() {
    if (!chosen_) {
        return false;
    }
    const std::string target = installerPath();
    if (checksumDone()) {
        switch (takeHash()) {
            case Hash::Matches:
                return goInstall();
            case Hash::Unknown:
                logError("Unable to check the cached installer");
                setState(kDownloadFailed);
                return false;
            case Hash::Differs:
                removeIfExists(target);
                break;
        }
    } else {
        ensureCacheDir();
        if (fileExists(target)) {
            startHash();
            return false;
        }
    }
    const auto request = requests_.createRequest(HttpRequestKind::FileDownload);
    request->setUrl(chosen_->fileName);
    request->setDownloadFile(target);
    adoptRequest(request);
    setState(kWaitForDownload);
    requests_.enqueue(request);
    return false;
}

bool UpdateProcedure::checkDownload() {
    if (!checksumDone()) {
        dropRequest();
        hashExistingInstaller("Downloaded installer does not exist");
        return false;
    }
    return verified(takeHash(), "Checksum check invalid downloaded installer") && goInstall();
}

bool UpdateProcedure::install() {
    // Checked again: the file may have changed while the user was asked.
    if (!checksumDone()) {
        hashExistingInstaller("Installer to start does not exist");
        return false;
    }
    return verified(takeHash(), "Checksum check invalid installer") && launch();
}

void UpdateProcedure::startHash() {
    startChecksum(requests_, installerPath());
}

UpdateProcedure::Hash UpdateProcedure::takeHash() {
    const std::shared_ptr<FileChecksum> done = takeChecksum();
    if (done->digest().empty()) {
        return Hash::Unknown;
    }
    return done->matches(chosen_->checksum) ? Hash::Matches : Hash::Differs;
}

void UpdateProcedure::hashExistingInstaller(const char* missing) {
    if (!chosen_ || !fileExists(installerPath())) {
        logError(missing);
        setState(kDownloadFailed);
        return;
    }
    startHash();
}

bool UpdateProcedure::verified(Hash hash, const char* corrupt) {
    switch (hash) {
        case Hash::Matches:
            return true;
        case Hash::Differs:
            logError(corrupt);
            removeIfExists(installerPath());
            break;
        case Hash::Unknown:
            logError("Unable to check the installer");
            break;
    }
    setState(kDownloadFailed);
    return false;
}

bool UpdateProcedure::launch() {
    setState(kStartingInstaller);
    if (!InstallerLauncher::launchInstaller(installerPath())) {
        logError("Unable to start the installer!");
        setState(kDownloadFailed);
        return false;
    }
    setState(kInstallerStarted);
    return false;
}

bool UpdateProcedure::goInstall() {
    if (!installPermission_) {
        setState(kAskInstall);
        return false;
    }
    // Just checked, with no question in between: the installer starts without a second hash.
    setState(kInstall);
    return launch();
}

std::string UpdateProcedure::installerPath() const {
    return cacheDirectory() + "/" + chosen_->checksum;
}
