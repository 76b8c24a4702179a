#include "ui/cloud/HttpRequestManager.h"

#include <cstdlib>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

#include "shared/prefs/ApplicationSettings.h"
#include "shared/prefs/LogManager.h"

namespace {

constexpr const char* kJsonContent = "Content-Type: application/json";
constexpr const char* kFormContent = "Content-Type: application/x-www-form-urlencoded";

}  // namespace

struct HttpRequestManager::Worker {
    std::shared_ptr<WorkerTask> task;
    std::thread thread;
    // Under the manager's mutex: the task is done and the thread about to end.
    bool finished = false;
};

HttpRequestManager& HttpRequestManager::instance() {
    static HttpRequestManager manager(
        CloudEndpoints::fromEnvironment(ApplicationSettings::instance().cloudEnv()));
    return manager;
}

void HttpRequestManager::stopBeforeExit() {
    // Built before the handler is registered, so it is still there when the handler runs.
    instance();
    std::atexit([] { instance().shutdown(); });
}

HttpRequestManager::HttpRequestManager(CloudEndpoints endpoints)
    : endpoints_(std::move(endpoints)) {
    // The workers log and use libcurl up to shutdown, so both must outlive this manager.
    LogManager::instance();
    BaseHttpRequest::keepLibraryUntilExit();
}

HttpRequestManager::~HttpRequestManager() {
    shutdown();
}

std::shared_ptr<BaseHttpRequest> HttpRequestManager::createRequest(HttpRequestKind kind) const {
    auto request = std::make_shared<BaseHttpRequest>("", HttpMethod::Get);
    request->setCaFile(endpoints_.caFile);
    const auto post = [&](const std::string& url) {
        request->setUrl(url);
        request->setMethod(HttpMethod::Post);
    };
    switch (kind) {
        case HttpRequestKind::SoftwareVersionCheck:
            post(endpoints_.servicesBaseUrl + "/api/software-version-whirlen");
            request->addHeader(kJsonContent);
            break;
        case HttpRequestKind::FileDownload:
            break;
        case HttpRequestKind::Logout:
            post(identityBaseUrl() + "/realms/pelservices/protocol/openid-connect/logout");
            request->addHeader(kFormContent);
            break;
        case HttpRequestKind::UserConfigInfo:
            post(endpoints_.servicesBaseUrl + "/api/user/config-info-whirlen");
            request->addHeader(kJsonContent);
            authorize(*request, true);
            break;
        case HttpRequestKind::UserConfigDownload:
            authorize(*request, false);
            break;
        case HttpRequestKind::UserConfigUpload:
            post(endpoints_.servicesBaseUrl + "/api/user/sync-config-whirlen");
            authorize(*request, true);
            break;
    }
    return request;
}

void HttpRequestManager::enqueue(std::shared_ptr<WorkerTask> task) {
    std::vector<std::shared_ptr<Worker>> finished;
    {
        std::lock_guard guard(mutex_);
        if (stopped_) {
            LogManager::instance().log('W', "HTTP request refused: the requests are shut down");
            return;
        }
        if (task) {
            queue_.push_back(std::move(task));
        }
        std::erase_if(workers_, [&](const std::shared_ptr<Worker>& worker) {
            if (worker->finished) {
                finished.push_back(worker);
            }
            return worker->finished;
        });
        dispatch();
    }
    // A finished worker takes the mutex no more, so it ends without it.
    for (const std::shared_ptr<Worker>& worker : finished) {
        worker->thread.join();
    }
}

void HttpRequestManager::setAccessTokenSource(std::function<std::string()> source,
                                              std::function<void()> stop) {
    std::lock_guard guard(mutex_);
    accessTokenSource_ = std::move(source);
    stopAccessTokenSource_ = std::move(stop);
}

void HttpRequestManager::shutdown() {
    std::list<std::shared_ptr<Worker>> workers;
    std::function<void()> stopSource;
    {
        std::lock_guard guard(mutex_);
        stopped_ = true;
        queue_.clear();
        workers.swap(workers_);
        for (const std::shared_ptr<Worker>& worker : workers) {
            if (!worker->finished) {
                worker->task->cancel(true);
            }
        }
        stopSource = stopAccessTokenSource_;
    }
    // A worker may be waiting for a renewal before its own transfer starts.
    if (stopSource) {
        stopSource();
    }
    // Outside the mutex: a worker takes it once more when its task is done.
    for (const std::shared_ptr<Worker>& worker : workers) {
        worker->thread.join();
    }
}

size_t HttpRequestManager::pendingCount() const {
    std::lock_guard guard(mutex_);
    return queue_.size() + running_;
}

void HttpRequestManager::authorize(BaseHttpRequest& request, bool required) const {
    std::function<std::string()> source;
    {
        std::lock_guard guard(mutex_);
        source = accessTokenSource_;
    }
    request.setHeaderSource([source, required]() -> std::optional<std::string> {
        const std::string token = source ? source() : std::string();
        if (!token.empty()) {
            return "Authorization: Bearer " + token;
        }
        if (required) {
            LogManager::instance().log('E',
                                       "Refused a request that needs a sign-in: no access token");
            return std::nullopt;
        }
        return std::string();
    });
}

std::string HttpRequestManager::identityBaseUrl() const {
    return endpoints_.identityBaseUrl;
}

void HttpRequestManager::dispatch() {
    while (running_ < kMaxRunning && !queue_.empty()) {
        try {
            startWorker(queue_.front());
        } catch (const std::system_error& error) {
            // The task stays queued; the next enqueue or finished task tries again.
            LogManager::instance().log('E', "Cannot start an HTTP request thread: %s",
                                       error.what());
            return;
        }
        queue_.pop_front();
    }
}

void HttpRequestManager::startWorker(std::shared_ptr<WorkerTask> task) {
    auto worker = std::make_shared<Worker>();
    worker->thread = std::thread([this, entry = worker.get(), task] {
        task->perform();
        onWorkerFinished(*entry);
    });
    worker->task = std::move(task);
    workers_.push_back(std::move(worker));
    ++running_;
}

void HttpRequestManager::onWorkerFinished(Worker& worker) {
    std::lock_guard guard(mutex_);
    worker.finished = true;
    --running_;
    if (!stopped_) {
        dispatch();
    }
}
