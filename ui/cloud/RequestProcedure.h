#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "ui/cloud/BaseHttpRequest.h"
#include "ui/cloud/FileChecksumRequest.h"
#include "ui/cloud/HttpRequestManager.h"
#include "ui/cloud/HttpRequestStatusNotifyInterface.h"
#include "ui/cloud/NotifierList.h"
#include "ui/cloud/UpProcedure.h"

// What the sync and update procedures share: the state and its notification, the request that
// a step waits for, and the discipline of their locks.
//
// Every call into a procedure (start, answers, abort, request notifications) is one turn: it
// holds a guard for its whole length and the procedure's mutex while it steps. Requests that a
// step drops are unsubscribed from once the mutex is released, so that a request notifying on
// another thread, which waits for that mutex, can never wait for this thread in turn. A
// procedure in a terminal state holds no request, and once its last turn ends nothing calls it
// any more: its manager may delete it.
template <typename NotifyInterface>
class RequestProcedure : public HttpRequestStatusNotifyInterface, public UpProcedure {
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

    // Stops the transfer the procedure waits for and ends in the abort state. A procedure that
    // has ended already stays as it is.
    void abort() {
        Turn turn(*this);
        if (!isRunning() && !isIdle()) {
            return;
        }
        if (request_) {
            request_->cancel(true);
            dropRequest();
        }
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

protected:
    RequestProcedure(uint32_t typeId, uint32_t lastRunningState, uint32_t abortState)
        : UpProcedure(typeId), lastRunningState_(lastRunningState), abortState_(abortState) {}
    ~RequestProcedure() override {
        if (request_) {
            request_->unsubscribe(this);
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

    // The request the procedure now waits for (subscribed); the previous one is dropped.
    // With the mutex held.
    void adoptRequest(const std::shared_ptr<BaseHttpRequest>& request) {
        dropRequest();
        request->subscribe(this);
        request_ = request;
    }

    // With the mutex held.
    void dropRequest() {
        if (request_) {
            dropped_.push_back(std::move(request_));
            request_.reset();
        }
    }

    const std::shared_ptr<BaseHttpRequest>& currentRequest() const { return request_; }

    // A file is hashed on a request thread, never on the thread of the step that needs it
    // (an answer comes on the window's thread): the step starts the hash and ends, and the
    // same state steps again once it is done. With the mutex held.
    void startChecksum(HttpRequestManager& requests, const std::string& path) {
        checksum_ = std::make_shared<FileChecksumRequest>(path);
        adoptRequest(checksum_);
        requests.enqueue(checksum_);
    }

    // Whether this step is the one that the finished hash brings. With the mutex held.
    bool checksumDone() const { return checksum_ && request_ == checksum_; }

    // The finished hash; the procedure no longer waits for it. With the mutex held.
    std::shared_ptr<FileChecksumRequest> takeChecksum() {
        dropRequest();
        return std::move(checksum_);
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
            std::vector<std::shared_ptr<BaseHttpRequest>> dropped;
            dropped.swap(procedure_.dropped_);
            lock_.unlock();
            for (const std::shared_ptr<BaseHttpRequest>& request : dropped) {
                request->unsubscribe(&procedure_);
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
    std::shared_ptr<BaseHttpRequest> request_;
    // The hash under way or just done; the current request while it runs.
    std::shared_ptr<FileChecksumRequest> checksum_;
    // Dropped under the mutex, unsubscribed from after it.
    std::vector<std::shared_ptr<BaseHttpRequest>> dropped_;
};
