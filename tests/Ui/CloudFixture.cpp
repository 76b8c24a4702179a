#include "tests/Ui/CloudFixture.h"

#include <httplib.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <thread>

#include "shared/prefs/FileUtils.h"
#include "shared/prefs/Paths.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestFiles.h"
#include "tests/ui/cloud/FakeCloudServer.h"
#include "tests/ui/cloud/TestJwt.h"
#include "ui/app/ApplicationManager.h"
#include "ui/cloud/AuthenticationManager.h"

namespace {

constexpr const char* kInstallerPath = "/files/setup.bin";
constexpr const char* kCloudCopyPath = "/files/config";
const std::map<QString, std::string> kPaths = {
    {"check", "/api/software-version-whirlen"},
    {"installer", kInstallerPath},
    {"info", "/api/user/config-info-whirlen"},
    {"download", kCloudCopyPath},
    {"upload", "/api/user/sync-config-whirlen"},
    {"logout", "/realms/pelservices/protocol/openid-connect/logout"},
};
const std::string kInstallerBytes = "an installer that is never run";

std::string success(nlohmann::json answer) {
    answer["result"] = "success";
    return answer.dump();
}

}  // namespace

CloudFixture::CloudFixture()
    : folder_(std::make_unique<TemporaryFolder>("whirlen-cloud-fixture")),
      environment_(std::make_unique<ScopedEnvironment>()),
      server_(std::make_unique<FakeCloudServer>()) {
    environment_->set("WHIRLEN_CLOUD_SERVICES_URL", server_->baseUrl());
    environment_->set("WHIRLEN_CLOUD_IDENTITY_URL", server_->baseUrl());
    const std::string recorder = folder_->file("record-installer.sh");
    writeFileBytes(recorder,
                   "#!/bin/sh\nprintf '%s\\n' \"$1\" >> \"" + folder_->file("installers") + "\"\n");
    ::chmod(recorder.c_str(), 0755);
    environment_->set("WHIRLEN_INSTALLER_COMMAND", recorder);
    server_->setText(kPaths.at("upload"), 200, success({}));
    server_->setText(kPaths.at("logout"), 204, "");
}

CloudFixture::~CloudFixture() = default;

void CloudFixture::offerUpdate(bool newer, int delayMs) {
    nlohmann::json versions = nlohmann::json::array();
    if (newer) {
        versions.push_back({{"version", "99.0.0"},
                            {"buildNo", "1"},
                            {"platform", "Linux"},
                            {"checksum", md5Hex(kInstallerBytes)},
                            {"fileName", server_->baseUrl() + kInstallerPath},
                            {"releaseDate", "10-12-2026 12:00:00"}});
    }
    const std::string answer = success({{"softwareVersions", versions}});
    server_->setReply(kPaths.at("check"),
                      [answer, delayMs](const ReceivedRequest&, httplib::Response& response) {
                          std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
                          response.set_content(answer, "application/json");
                      });
    server_->setText(kInstallerPath, 200, kInstallerBytes);
}

void CloudFixture::offerCloudCopy(const QString& lastUpdateDate, int configVersion, bool valid) {
    std::string copy = "not a configuration";
    if (valid) {
        nlohmann::json document =
            nlohmann::json::parse(readFileBytes(defaultPreferencesFilePath()));
        document["MinorVersion"] = document.value("MinorVersion", 0) + 1;
        copy = document.dump();
    }
    const nlohmann::json model = {{"id", 1},
                                  {"fileName", server_->baseUrl() + kCloudCopyPath},
                                  {"checksum", md5Hex(copy)},
                                  {"creationDate", "2024-01-01T00:00:00.000Z"},
                                  {"lastUpdateDate", lastUpdateDate.toStdString()},
                                  {"subDirName", "s"},
                                  {"configVersion", configVersion},
                                  {"userId", "user-1"}};
    server_->setText(kPaths.at("info"), 200, success({{"userConfig", model}}));
    server_->setText(kCloudCopyPath, 200, copy);
}

void CloudFixture::offerLocalCopy() {
    const nlohmann::json model = {{"id", 1},
                                  {"fileName", server_->baseUrl() + kCloudCopyPath},
                                  {"checksum", fileMd5Hex(defaultPreferencesFilePath())},
                                  {"creationDate", "2024-01-01T00:00:00.000Z"},
                                  {"lastUpdateDate", "2024-01-01T00:00:00.000Z"},
                                  {"subDirName", "s"},
                                  {"configVersion", 1},
                                  {"userId", "user-1"}};
    server_->setText(kPaths.at("info"), 200, success({{"userConfig", model}}));
}

int CloudFixture::count(const QString& request) const {
    const auto path = kPaths.find(request);
    return path == kPaths.end() ? -1 : server_->count(path->second);
}

void CloudFixture::signIn(bool signedIn) {
    ApplicationManager::instance().authenticationManager()->setToken(
        signedIn ? makeJwt(accountClaims(secondsNow() + 3600)) : std::string());
}

QString CloudFixture::startedInstallers() const {
    const std::string recorded = folder_->file("installers");
    return std::filesystem::exists(recorded) ? QString::fromStdString(readFileBytes(recorded))
                                             : QString();
}
