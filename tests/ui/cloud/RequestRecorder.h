#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "ui/cloud/HttpRequestStatusNotifyInterface.h"

// Notes what requests tell it, and what they hold while they tell it that they finished.
class RequestRecorder : public HttpRequestStatusNotifyInterface {
public:
    struct Finish {
        int32_t result = -1;
        std::string body;
    };

    void onStateChanged(BaseHttpRequest& request, uint32_t state) override;
    void onResponseCode(BaseHttpRequest& request, int32_t code) override;
    void onProgress(BaseHttpRequest& request, int32_t downloadPermille,
                    int32_t uploadPermille) override;

    // Called from within every progress notification (on the worker thread).
    void setOnProgress(std::function<void(BaseHttpRequest&, int32_t)> action);

    std::vector<uint32_t> states() const;
    std::vector<int32_t> responseCodes() const;
    std::vector<int32_t> downloadProgress() const;
    std::vector<Finish> finishes() const;
    // Waits until count requests have finished; false when they do not within waitUntil's
    // generous limit.
    bool waitForFinishes(size_t count) const;

private:
    mutable std::mutex mutex_;
    std::vector<uint32_t> states_;
    std::vector<int32_t> responseCodes_;
    std::vector<int32_t> downloadProgress_;
    std::vector<Finish> finishes_;
    std::function<void(BaseHttpRequest&, int32_t)> onProgress_;
};
