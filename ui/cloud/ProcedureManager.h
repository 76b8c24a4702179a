#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <vector>

#include "ui/cloud/NotifierList.h"
#include "ui/cloud/UpProcedure.h"

// The machinery of the sync and update managers: a queue of procedures of one kind, one of
// which runs at a time; its state changes are relayed to the manager's subscribers, and the
// user's answers and aborts are passed on to it.
//
// The manager's mutex guards the queue, the current procedure and the retired ones. It is never
// held while a procedure is called: a procedure notifies with its own mutex held and then takes
// the manager's, so calls into a procedure happen after the manager's mutex is released, under
// a guard that keeps the procedure from being deleted meanwhile.
template <typename Procedure, typename ManagerNotifyInterface>
class ProcedureManager : public Procedure::NotifyInterface {
public:
    // After unsubscribe() returns the subscriber is not called again.
    void subscribe(ManagerNotifyInterface* subscriber) { subscribers_.add(subscriber); }
    void unsubscribe(ManagerNotifyInterface* subscriber) { subscribers_.remove(subscriber); }

    void abort() {
        withCurrent([](Procedure& procedure) { procedure.abort(); });
    }

    // The user's answer to the question the current procedure asks; ignored in other states.
    void userResponse(bool answer) {
        withCurrent([answer](Procedure& procedure) { procedure.userResponse(answer); });
    }

    void onProcedureStateChanged(UpProcedure& procedure, uint32_t state, int32_t value) override {
        Procedure* next = nullptr;
        {
            std::lock_guard guard(mutex_);
            // The notifying procedure holds a guard, so it is never deleted here.
            std::erase_if(retired_, [](const std::unique_ptr<Procedure>& retired) {
                return retired->isUnguarded();
            });
            if (&procedure == static_cast<UpProcedure*>(current_.get())) {
                subscribers_.notify([&](ManagerNotifyInterface& subscriber) {
                    subscriber.onStateChanged(state, value);
                });
            }
            next = step();
        }
        startAndRelease(next);
    }

protected:
    ProcedureManager() = default;
    ~ProcedureManager() override = default;

    // Queues a procedure, configured by the caller, and starts it when nothing else runs.
    void enqueue(std::unique_ptr<Procedure> procedure) {
        procedure->subscribe(this);
        Procedure* next = nullptr;
        {
            std::lock_guard guard(mutex_);
            queue_.push_back(std::move(procedure));
            next = step();
        }
        startAndRelease(next);
    }

    // Calls call on the current procedure, if any, outside the manager's mutex and under a
    // guard that keeps it alive meanwhile.
    template <typename Call>
    void withCurrent(Call call) {
        Procedure* procedure = nullptr;
        {
            std::lock_guard guard(mutex_);
            procedure = current_.get();
            if (procedure != nullptr) {
                procedure->addGuard();
            }
        }
        if (procedure != nullptr) {
            call(*procedure);
            procedure->releaseGuard();
        }
    }

private:
    // With the mutex held: makes the head of the queue current when the current procedure has
    // ended, and returns it guarded, to be started after the mutex is released.
    Procedure* step() {
        if (current_ && (current_->isRunning() || current_->isIdle())) {
            return nullptr;
        }
        if (queue_.empty()) {
            return nullptr;
        }
        if (current_) {
            retired_.push_back(std::move(current_));
        }
        current_ = std::move(queue_.front());
        queue_.pop_front();
        current_->addGuard();
        return current_.get();
    }

    static void startAndRelease(Procedure* procedure) {
        if (procedure != nullptr) {
            procedure->start();
            procedure->releaseGuard();
        }
    }

    std::mutex mutex_;
    NotifierList<ManagerNotifyInterface> subscribers_;
    std::deque<std::unique_ptr<Procedure>> queue_;
    // Ended procedures that another replaced; deleted once nothing is inside them.
    std::vector<std::unique_ptr<Procedure>> retired_;
    // Last, so destroyed first: a procedure going away waits for a notification in progress,
    // which still finds the rest of the manager in place.
    std::unique_ptr<Procedure> current_;
};
