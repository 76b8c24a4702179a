#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <string>

#include "ui/cloud/BaseHttpRequest.h"
#include "ui/cloud/CloudEndpoints.h"
#include "ui/cloud/HttpRequestKind.h"
#include "ui/cloud/WorkerTask.h"

// Builds the cloud requests and runs each, like any other work that must not hold the thread
// that asks for it (a file's hash), on a thread of its own, at most five unfinished ones at once;
// the rest wait in a queue, in order.
class HttpRequestManager {
public:
    static constexpr size_t kMaxRunning = 5;

    // The process's manager, on the endpoints of the settings' cloud environment.
    static HttpRequestManager& instance();
    // Registers a stop of the process's manager at exit, before any object constructed until
    // now goes: called by the singletons that requests call back, right after they are built.
    static void stopBeforeExit();

    explicit HttpRequestManager(CloudEndpoints endpoints);
    ~HttpRequestManager();
    HttpRequestManager(const HttpRequestManager&) = delete;
    HttpRequestManager& operator=(const HttpRequestManager&) = delete;

    // A new request of that kind with method, URL and headers filled in. The signed-in kinds
    // (8 to 10) take their access token only when performed, on the performing thread; while
    // none is known then, the info and upload requests are refused like bare ones and the
    // download goes without it.
    std::shared_ptr<BaseHttpRequest> createRequest(HttpRequestKind kind) const;
    // Queues the task (a request or other work) and starts what may run. Ignored (logged) after
    // shutdown().
    void enqueue(std::shared_ptr<WorkerTask> task);
    // The bearer token for the signed-in kinds: empty while signed out. Set by the sign-in;
    // called on the threads that perform the requests, and may take long (a renewal). stop
    // ends whatever the source waits for (the renewal's own transfer) at shutdown.
    void setAccessTokenSource(std::function<std::string()> source, std::function<void()> stop = {});

    // Drops the queue, cancels running tasks and the token source's work, and waits for their
    // threads. Later tasks are refused. The destructor does the same.
    void shutdown();

    // Tasks not yet finished, running or queued.
    size_t pendingCount() const;
    // Where the identity service answers (logout here; sign-in and renewal use the same).
    std::string identityBaseUrl() const;

private:
    struct Worker;

    // Has the request take its bearer header from the access token source when performed.
    void authorize(BaseHttpRequest& request, bool required) const;
    // With the mutex held.
    void dispatch();
    void startWorker(std::shared_ptr<WorkerTask> task);
    void onWorkerFinished(Worker& worker);
    void joinFinishedWorkers();

    const CloudEndpoints endpoints_;
    mutable std::mutex mutex_;
    std::deque<std::shared_ptr<WorkerTask>> queue_;
    std::list<std::shared_ptr<Worker>> workers_;
    size_t running_ = 0;
    bool stopped_ = false;
    std::function<std::string()> accessTokenSource_;
    std::function<void()> stopAccessTokenSource_;
};
