#include "tests/ui/cloud/RequestRecorder.h"

#include "tests/support/WaitUntil.h"
#include "ui/cloud/BaseHttpRequest.h"

void RequestRecorder::onStateChanged(BaseHttpRequest& request, uint32_t state) {
    Finish finish;
    if (state == BaseHttpRequest::kFinished) {
        finish.result = request.result();
        const std::vector<char> body = request.responseBody();
        finish.body.assign(body.begin(), body.end());
    }
    std::lock_guard guard(mutex_);
    states_.push_back(state);
    if (state == BaseHttpRequest::kFinished) {
        finishes_.push_back(std::move(finish));
    }
}

void RequestRecorder::onResponseCode(BaseHttpRequest& /*request*/, int32_t code) {
    std::lock_guard guard(mutex_);
    responseCodes_.push_back(code);
}

void RequestRecorder::onProgress(BaseHttpRequest& request, int32_t downloadPermille,
                                 int32_t /*uploadPermille*/) {
    std::function<void(BaseHttpRequest&, int32_t)> action;
    {
        std::lock_guard guard(mutex_);
        downloadProgress_.push_back(downloadPermille);
        action = onProgress_;
    }
    if (action) {
        action(request, downloadPermille);
    }
}

void RequestRecorder::setOnProgress(std::function<void(BaseHttpRequest&, int32_t)> action) {
    std::lock_guard guard(mutex_);
    onProgress_ = std::move(action);
}

std::vector<uint32_t> RequestRecorder::states() const {
    std::lock_guard guard(mutex_);
    return states_;
}

std::vector<int32_t> RequestRecorder::responseCodes() const {
    std::lock_guard guard(mutex_);
    return responseCodes_;
}

std::vector<int32_t> RequestRecorder::downloadProgress() const {
    std::lock_guard guard(mutex_);
    return downloadProgress_;
}

std::vector<RequestRecorder::Finish> RequestRecorder::finishes() const {
    std::lock_guard guard(mutex_);
    return finishes_;
}

bool RequestRecorder::waitForFinishes(size_t count) const {
    return waitUntil([&] {
        std::lock_guard guard(mutex_);
        return finishes_.size() >= count;
    });
}
