#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/cloud/RequestProcedure.h"
#include "ui/cloud/SoftwareVersion.h"
#include "ui/cloud/UpdateProcedureNotifyInterface.h"

class HttpRequestManager;

// Asks the cloud service for a newer version of this platform's software, downloads its
// installer into the cache folder, checks its MD5 and hands it to the installer. Without the
// download or install permission it stops at a question until the user answers.
class UpdateProcedure : public RequestProcedure<UpdateProcedureNotifyInterface> {
public:
    using NotifyInterface = UpdateProcedureNotifyInterface;

    enum State : uint32_t {
        kNotStarted = 0,
        kSendCheck = 1,
        kWaitForCheck = 2,
        kAskDownload = 3,
        kDownload = 4,
        kWaitForDownload = 5,
        kAskInstall = 6,
        kInstall = 7,
        kStartingInstaller = 8,
        // Terminal:
        kUpToDateForced = 9,
        kCheckFailed = 10,
        kDownloadFailed = 11,
        kDeclined = 12,
        kUpToDate = 13,
        kInstallerStarted = 14,
    };

    UpdateProcedure(HttpRequestManager& requests, std::string currentVersion, std::string platform,
                    std::string currentBuildNo);

    // Also the answer to the download question while it is asked.
    void setDownloadPermission(bool allowed);
    // Also the answer to the install question while it is asked.
    void setInstallPermission(bool allowed);
    // A forced check that finds nothing new ends in 9 instead of 13.
    void setForce(bool force);
    // Ignored unless a question is asked.
    void userResponse(bool answer);

protected:
    void runStep() override;

private:
    // Each acts on its state and returns whether the step goes on with the new state.
    bool stepOnce();
    bool sendCheck();
    bool readCheckAnswer();
    bool download();
    bool checkDownload();
    bool install();

    uint32_t chooseVersion(int32_t result, const std::vector<char>& body);
    uint32_t upToDateState() const;
    // After the installer is present and checked: install or ask first.
    bool goInstall();

    enum class Hash { Matches, Differs, Unknown };
    // The installer is hashed on a request thread (see startChecksum).
    void startHash();
    Hash takeHash();
    // Starts the hash of an installer that must be there; when it is missing, the download
    // failed (missing is logged).
    void hashExistingInstaller(const char* missing);
    // Whether the hash allows going on; if not, the download failed (an installer that does not
    // match is removed, corrupt is logged).
    bool verified(Hash hash, const char* corrupt);
    // Starts the installer; returns false, as the last step.
    bool launch();
    std::string installerPath() const;

    HttpRequestManager& requests_;
    const std::string currentVersion_;
    const std::string platform_;
    const std::string currentBuildNo_;
    bool downloadPermission_ = false;
    bool installPermission_ = false;
    bool force_ = false;
    std::optional<SoftwareVersion> chosen_;
};
