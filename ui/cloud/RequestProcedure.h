#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "ui/cloud/BaseHttpRequest.h"
#include "ui/cloud/FileChecksum.h"
#include "ui/cloud/FileChecksumNotifyInterface.h"
#include "ui/cloud/HttpRequestManager.h"
#include "ui/cloud/HttpRequestStatusNotifyInterface.h"
#include "ui/cloud/NotifierList.h"
#include "ui/cloud/UpProcedure.h"

// What the sync and update procedures share: the state and its notification, the request or
// file hash that a step waits for, and the discipline of their locks.
//
// Every call into a procedure (start, answers, abort, request and hash notifications) is one
// turn: it holds a guard for its whole length and the procedure's mutex while it steps. Requests
// and hashes that a step drops are unsubscribed from once the mutex is released, so that one
// notifying on another thread, which waits for that mutex, can never wait for this thread in
// turn. A procedure in a terminal state holds no request and no hash, and once its last turn
// ends nothing calls it any more: its manager may delete it.
template <typename NotifyInterface>
class RequestProcedure : public HttpRequestStatusNotifyInterface,
                         public FileChecksumNotifyInterface,
                         public UpProcedure {
public:
    uint32_t state() const { return state_.load(); }
    uint32_t previousState() const { return previousState_.load(); }
    bool isRunning() const override {
        const uint32_t current = state();
        return current >= 1 && current <= lastRunningState_;
    }
    bool isIdle() const override { return state() == 0 && previousState() == 0; }

    void subscribe(NotifyInterface* subscriber) { subscribers_.add(subscriber); }

    void start() override {
        Turn turn(*this);
        if (isIdle()) {
            setState(1);
            runStep();
        }
    }

    // Stops the transfer or the hash the procedure waits for and ends in the abort state. A
    // procedure that has ended already stays as it is.
    void abort() {
        Turn turn(*this);
        if (!isRunning() && !isIdle()) {
            return;
        }
        if (request_) {
            request_->cancel(true);
        }
        if (checksum_) {
            checksum_->cancel(true);
        }
        dropRequest();
        setState(abortState_);
        runStep();
    }

    void onStateChanged(BaseHttpRequest& request, uint32_t state) override {
        if (state != BaseHttpRequest::kFinished) {
            return;
        }
        Turn turn(*this);
        if (request_.get() == &request) {
            runStep();
        }
    }

    // The state stays; the value carries the download's progress in thousandths.
    void onProgress(BaseHttpRequest& request, int32_t downloadPermille,
                    int32_t /*uploadPermille*/) override {
        Turn turn(*this);
        if (request_.get() == &request) {
            notify(state(), downloadPermille);
        }
    }

    void onChecksumDone(FileChecksum& checksum) override {
        Turn turn(*this);
        if (checksum_.get() == &checksum) {
            runStep();
        }
    }

protected:
    RequestProcedure(uint32_t typeId, uint32_t lastRunningState, uint32_t abortState)
        : UpProcedure(typeId), lastRunningState_(lastRunningState), abortState_(abortState) {}
    ~RequestProcedure() override {
        if (request_) {
            request_->unsubscribe(this);
        }
        if (checksum_) {
            checksum_->unsubscribe(this);
        }
    }

    // One step from the current state, with the mutex held.
    virtual void runStep() = 0;

    // With the mutex held.
    void setState(uint32_t next) {
        const uint32_t current = state();
        if (next == current) {
            return;
        }
        previousState_.store(current);
        state_.store(next);
        notify(next, 0);
    }

    // The request the procedure now waits for (subscribed); the previous request or hash is
    // dropped. With the mutex held.
    void adoptRequest(const std::shared_ptr<BaseHttpRequest>& request) {
        dropRequest();
        request->subscribe(this);
        request_ = request;
    }

    // The procedure waits for neither a request nor a hash any more. With the mutex held.
    void dropRequest() {
        if (request_) {
            droppedRequests_.push_back(std::move(request_));
            request_.reset();
        }
        if (checksum_) {
            droppedChecksums_.push_back(std::move(checksum_));
            checksum_.reset();
        }
    }

    const std::shared_ptr<BaseHttpRequest>& currentRequest() const { return request_; }

    // A file is hashed on a request thread, never on the thread of the step that needs it
    // (an answer comes on the window's thread): the step starts the hash and ends, and the
    // same state steps again once it is done. The previous request or hash is dropped. With the
    // mutex held.
    void startChecksum(HttpRequestManager& requests, const std::string& path) {
        dropRequest();
        checksum_ = std::make_shared<FileChecksum>(path);
        checksum_->subscribe(this);
        requests.enqueue(checksum_);
    }

    // Whether this step is the one that the finished hash brings: while a hash runs nothing
    // else steps the procedure (no question is open, and an abort drops the hash first). With
    // the mutex held.
    bool checksumDone() const { return checksum_ != nullptr; }

    // The finished hash; the procedure no longer waits for it. With the mutex held.
    std::shared_ptr<FileChecksum> takeChecksum() {
        std::shared_ptr<FileChecksum> done = checksum_;
        dropRequest();
        return done;
    }

    // Guards the state changes and everything the steps read and write.
    std::mutex mutex_;

    // One call into the procedure; see the class comment.
    class Turn {
    public:
        explicit Turn(RequestProcedure& procedure)
            : procedure_((procedure.addGuard(), procedure)), lock_(procedure.mutex_) {}
        ~Turn() {
            if (!procedure_.isRunning() && !procedure_.isIdle()) {
                procedure_.dropRequest();
            }
            std::vector<std::shared_ptr<BaseHttpRequest>> requests;
            requests.swap(procedure_.droppedRequests_);
            std::vector<std::shared_ptr<FileChecksum>> checksums;
            checksums.swap(procedure_.droppedChecksums_);
            lock_.unlock();
            for (const std::shared_ptr<BaseHttpRequest>& request : requests) {
                request->unsubscribe(&procedure_);
            }
            for (const std::shared_ptr<FileChecksum>& checksum : checksums) {
                checksum->unsubscribe(&procedure_);
            }
            procedure_.releaseGuard();
        }
        Turn(const Turn&) = delete;
        Turn& operator=(const Turn&) = delete;

    private:
        RequestProcedure& procedure_;
        std::unique_lock<std::mutex> lock_;
    };

private:
    void notify(uint32_t state, int32_t value) {
        subscribers_.notify([&](NotifyInterface& subscriber) {
            subscriber.onProcedureStateChanged(*this, state, value);
        });
    }

    const uint32_t lastRunningState_;
    const uint32_t abortState_;
    // Read without the mutex by the manager.
    std::atomic<uint32_t> state_{0};
    std::atomic<uint32_t> previousState_{0};
    NotifierList<NotifyInterface> subscribers_;
    // What a step waits for: a request, or a file's hash; never both.
    std::shared_ptr<BaseHttpRequest> request_;
    std::shared_ptr<FileChecksum> checksum_;
    // Dropped under the mutex, unsubscribed from after it.
    std::vector<std::shared_ptr<BaseHttpRequest>> droppedRequests_;
    std::vector<std::shared_ptr<FileChecksum>> droppedChecksums_;
};
