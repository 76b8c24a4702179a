#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "ui/cloud/HttpRequestStatusNotifyInterface.h"
#include "ui/cloud/NotifierList.h"
#include "ui/cloud/WorkerTask.h"

enum class HttpMethod : int32_t { Get = 0, Post = 1, Put = 2, Delete = 3 };

// One HTTP exchange over libcurl, performed synchronously by perform() on whatever thread calls
// it (the request manager's workers). Only http and https are spoken, TLS peers and host names
// are checked, and neither bodies, headers nor tokens are ever logged.
class BaseHttpRequest : public WorkerTask {
public:
    static constexpr uint32_t kNew = 0;
    static constexpr uint32_t kRunning = 1;
    static constexpr uint32_t kFinished = 2;
    // result() until a transfer completes.
    static constexpr int32_t kNoTransfer = 102;
    // result() when the response could not be kept (libcurl's write error).
    static constexpr int32_t kWriteError = 23;
    // Responses kept in memory (not in a download file) may not grow beyond this.
    static constexpr size_t kMaxBodyInMemory = 16 * 1024 * 1024;

    BaseHttpRequest(std::string url, HttpMethod method);
    ~BaseHttpRequest() override;
    BaseHttpRequest(const BaseHttpRequest&) = delete;
    BaseHttpRequest& operator=(const BaseHttpRequest&) = delete;

    void setUrl(const std::string& url);
    void setMethod(HttpMethod method);
    // Empty: the response goes to responseBody().
    void setDownloadFile(const std::string& path);
    // With addTerminator one zero byte follows the data and counts as part of the body. Null
    // data or a size below 1 leaves the body empty.
    void setBody(const char* data, int64_t size, bool addTerminator);
    // A whole header line ("Name: value"); an empty line is ignored.
    void addHeader(const std::string& line);
    // One more header line, asked for on the performing thread right before each transfer, so
    // that a slow source (a token renewal) never holds up whoever builds the request. An empty
    // line adds nothing; no line refuses the request: nothing is sent and result() stays 102.
    void setHeaderSource(std::function<std::optional<std::string>()> source);
    // A form part; a negative size takes data as a zero-terminated text.
    void addMimeData(const std::string& name, const char* data, int64_t size);
    // A form part read from the file at path when the request is performed.
    void addMimeFile(const std::string& name, const std::string& path);
    // PEM bundle of the authorities that may sign the server's certificate; empty: the system's.
    void setCaFile(const std::string& path);
    // A transfer whose byte counts have not grown in either direction for this long is
    // aborted, whatever its total time-out.
    void setStallLimit(std::chrono::milliseconds limit);
    // The whole transfer's time-out in place of the usual one (20 s, 480 s for downloads).
    void setTimeout(std::chrono::milliseconds timeout);

    // Null and already listed observers are ignored. After unsubscribe() returns the observer
    // is not called again; it may be called from within a notification of this request.
    void subscribe(HttpRequestStatusNotifyInterface* observer);
    void unsubscribe(HttpRequestStatusNotifyInterface* observer);

    // The running transfer stops at once, whatever the server does, and removes a partial
    // download file; a request cancelled before it runs transfers nothing.
    void cancel(bool cancelled) override;
    uint32_t state() const { return state_.load(); }
    std::vector<char> responseBody() const;
    // 0: completed with status 200; 102: no transfer completed; below 100: libcurl's error
    // code; otherwise the HTTP status.
    int32_t result() const;

    // Runs the transfer on the calling thread and notifies the subscribers there. Returns at once
    // when the request is running already.
    void perform() override;

    // libcurl is set up for the whole process (and SIGPIPE ignored) when the first request is
    // built, and torn down at exit. Whoever performs requests from static objects calls this
    // first, before any request exists, so that libcurl outlives them.
    static void keepLibraryUntilExit();

private:
    struct Response {
        int32_t curlCode = kNoTransfer;
        int32_t httpCode = 0;
        std::vector<char> body;
    };
    struct MimePart {
        std::string name;
        std::string data;
        bool fromFile = false;
    };
    // What the caller set up; a transfer works on a copy taken when it starts.
    struct Settings {
        std::string url;
        HttpMethod method = HttpMethod::Get;
        std::vector<char> body;
        std::vector<std::string> headers;
        std::function<std::optional<std::string>()> headerSource;
        std::string downloadFile;
        std::vector<MimePart> mimeParts;
        std::string caFile;
        std::chrono::milliseconds stallLimit{std::chrono::seconds(21)};
        std::optional<std::chrono::milliseconds> timeout;
    };

    class Transfer;
    friend class Transfer;

    Settings settingsCopy() const;
    // Outside the mutex: the source may take long. False when the source refuses the request.
    static bool addSourcedHeader(Settings& settings);
    // Called by a running transfer with a function that wakes it, and with an empty one as it
    // ends; a cancel calls it.
    void setWaker(std::function<void()> waker);
    void cleanup();
    void notifyState(uint32_t state);
    void notifyResponseCode(int32_t code);
    void notifyProgress(int32_t downloadPermille, int32_t uploadPermille);

    // Guards the settings and the last response; never held during a transfer.
    mutable std::mutex mutex_;
    Settings settings_;
    Response response_;

    std::atomic<uint32_t> state_{kNew};
    std::atomic<bool> cancelled_{false};
    // Guards waker_ only; a leaf.
    std::mutex wakerMutex_;
    std::function<void()> waker_;
    NotifierList<HttpRequestStatusNotifyInterface> subscribers_;
};
