#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "ui/cloud/ConfigSyncProcedureNotifyInterface.h"
#include "ui/cloud/RequestProcedure.h"
#include "ui/cloud/UserConfigModel.h"

class HttpRequestManager;

// Keeps the user's default preference file and its copy in the cloud in step: compares the
// checksums, then downloads and installs the cloud copy or uploads the local file, asking the
// user first unless there is nothing to lose. Broken files lead to repair or reset questions.
class ConfigSyncProcedure : public RequestProcedure<ConfigSyncProcedureNotifyInterface> {
public:
    using NotifyInterface = ConfigSyncProcedureNotifyInterface;

    enum State : uint32_t {
        kNotStarted = 0,
        kRequestDescription = 1,
        kWaitForDescription = 2,
        kAskDownload = 3,
        kDownload = 4,
        kWaitForDownload = 5,
        kAskRepairByUpload = 6,
        kAskUpload = 7,
        kUpload = 8,
        kWaitForUpload = 9,
        kAskRepairByDownload = 10,
        kAskReset = 11,
        kReset = 12,
        // Terminal:
        kDone = 13,
        kRequestFailed = 14,
        kDownloadFailed = 15,
        kUploadFailed = 16,
        kDeclined = 17,
        kInStep = 18,
        kResetDone = 19,
    };
    static constexpr uint32_t kSyncType = 4;

    // What a sync needs of the rest of the program.
    struct Environment {
        std::string platform;
        std::string softwareVersion;
        std::function<int32_t()> configVersion;
        // Right after the default preference file was replaced, on the same thread: the store
        // takes it up and the agent is told.
        std::function<void()> installed;
        // The default preference file is reset from its backup and loaded.
        std::function<void()> resetPreferences;
        // Runs work on the thread that saves the preferences, later. A downloaded file is
        // written and taken up there in one go, so that no save of the old document falls
        // between the two. Null: in the step that checked the file.
        std::function<void(std::function<void()>)> onStoreThread = nullptr;
    };

    explicit ConfigSyncProcedure(HttpRequestManager& requests);

    void setConfigVersion(int32_t configVersion);
    void setPlatform(const std::string& platform);
    void setSoftwareVersion(const std::string& softwareVersion);
    void setSkipQuestion(bool skipQuestion);
    void setActions(std::function<void()> installed, std::function<void()> resetPreferences,
                    std::function<void(std::function<void()>)> onStoreThread = {});

    // Each ignored unless its question is asked.
    void answerSync(bool answer);
    void answerUpload(bool answer);
    void answerRepair(bool answer);
    void answerReset(bool answer);
    // The answer to whichever question is asked.
    void userResponse(bool answer);

    // The cloud configuration when it is usable, else empty.
    std::shared_ptr<UserConfigModel> userConfig();

protected:
    void runStep() override;

private:
    bool stepOnce();
    bool requestDescription();
    bool readDescription();
    uint32_t judgeDescription(int32_t result, const std::vector<char>& body);
    bool download();
    bool install();
    // On the store's thread: writes the checked download over the default preference file and
    // has the store take it up, unless the sync was aborted meanwhile.
    void finishInstall();
    // With the mutex held; the state the install ends in.
    uint32_t writeInstall(const std::string& contents);
    bool upload();
    bool readUploadAnswer();
    bool reset();
    void answer(uint32_t asked, bool yes, uint32_t onYes, uint32_t onNo);
    // The cached download's path; empty without a usable model.
    std::string downloadPath() const;

    HttpRequestManager& requests_;
    std::shared_ptr<UserConfigModel> userConfig_;
    int32_t configVersion_ = -1;
    std::string platform_;
    std::string softwareVersion_;
    bool skipQuestion_ = false;
    bool cloudFileInvalid_ = false;
    bool localFileInvalid_ = false;
    std::function<void()> installed_;
    std::function<void()> resetPreferences_;
    std::function<void(std::function<void()>)> onStoreThread_;
    // The checked download, while it waits for the store's thread.
    std::string pendingInstall_;
};
