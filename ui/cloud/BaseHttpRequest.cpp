#include "ui/cloud/BaseHttpRequest.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#include "shared/prefs/FileUtils.h"
#include "shared/prefs/LogManager.h"
#include "ui/cloud/CurlLibrary.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr long kMaxRedirects = 10;
constexpr long kKeepAliveIdleSeconds = 20;
constexpr long kKeepAliveIntervalSeconds = 10;
constexpr long kDownloadTimeoutMilliseconds = 480000;
constexpr long kTimeoutMilliseconds = 20000;
// How long a transfer waits for its sockets before it looks at its time-outs again; a cancel
// wakes it sooner.
constexpr int kPollMilliseconds = 1000;
// Neither a server's redirect nor a URL it names may lead anywhere else (file:, ftp:, ...).
constexpr const char* kAllowedProtocols = "http,https";

CurlLibrary& curl() {
    return CurlLibrary::instance();
}

struct EasyDeleter {
    void operator()(CURL* easy) const { curl().easyCleanup(easy); }
};
struct HeaderListDeleter {
    void operator()(curl_slist* list) const { curl().slistFreeAll(list); }
};
struct MimeDeleter {
    void operator()(curl_mime* mime) const { curl().mimeFree(mime); }
};
struct MultiDeleter {
    void operator()(CURLM* multi) const { curl().multiCleanup(multi); }
};

// The code of the one transfer of a multi handle that has ended.
CURLcode endedTransferCode(CURLM* multi) {
    int left = 0;
    while (CURLMsg* message = curl().multiInfoRead(multi, &left)) {
        if (message->msg == CURLMSG_DONE) {
            return message->data.result;
        }
    }
    return CURLE_RECV_ERROR;
}

}  // namespace

// One run of libcurl over a copy of the request's settings. Owns the easy handle, the header
// list, the form and the download file for exactly that run.
class BaseHttpRequest::Transfer {
public:
    Transfer(BaseHttpRequest& request, const Settings& settings)
        : request_(request), settings_(settings) {}
    ~Transfer() { closeDownloadFile(); }
    Transfer(const Transfer&) = delete;
    Transfer& operator=(const Transfer&) = delete;

    Response run() {
        if (request_.cancelled_.load()) {
            return {CURLE_ABORTED_BY_CALLBACK, 0, {}};
        }
        if (!isValidUrl(settings_.url)) {
            LogManager::instance().log('E', "Refused a request with an invalid URL");
            return {};
        }
        if (!curl().setUp()) {
            return {};
        }
        if (!openDownloadFile()) {
            LogManager::instance().log('E', "Unable to open file for download!");
            return {};
        }
        easy_.reset(curl().easyInit());
        if (!easy_) {
            return {};
        }
        configure();
        const auto now = Clock::now();
        downloadGrew_ = now;
        uploadGrew_ = now;
        Response response;
        response.curlCode = static_cast<int32_t>(perform());
        if (response.curlCode == CURLE_OK) {
            long status = 0;
            curl().easyGetinfo(easy_.get(), CURLINFO_RESPONSE_CODE, &status);
            response.httpCode = static_cast<int32_t>(status);
        }
        finishDownloadFile(response);
        response.body = std::move(body_);
        if (response.curlCode != CURLE_OK) {
            LogManager::instance().log(
                'W', "HTTP request failed: %s",
                curl().easyStrerror(static_cast<CURLcode>(response.curlCode)));
        }
        return response;
    }

private:
    // The transfer on a multi handle of its own, so that a cancel can wake it from its wait for
    // the server at once.
    CURLcode perform() {
        const std::unique_ptr<CURLM, MultiDeleter> multi(curl().multiInit());
        if (!multi || curl().multiAddHandle(multi.get(), easy_.get()) != CURLM_OK) {
            return CURLE_OUT_OF_MEMORY;
        }
        CURLM* handle = multi.get();
        request_.setWaker([handle] { curl().multiWakeup(handle); });
        CURLcode code = CURLE_ABORTED_BY_CALLBACK;
        while (!request_.cancelled_.load()) {
            int running = 0;
            if (curl().multiPerform(handle, &running) != CURLM_OK) {
                code = CURLE_RECV_ERROR;
                break;
            }
            if (running == 0) {
                code = endedTransferCode(handle);
                break;
            }
            if (curl().multiPoll(handle, nullptr, 0, kPollMilliseconds, nullptr) != CURLM_OK) {
                code = CURLE_RECV_ERROR;
                break;
            }
        }
        request_.setWaker({});
        curl().multiRemoveHandle(handle, easy_.get());
        return code;
    }

    bool openDownloadFile() {
        if (settings_.downloadFile.empty()) {
            return true;
        }
        fd_ =
            ::open(settings_.downloadFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        return fd_ >= 0;
    }

    bool closeDownloadFile() {
        if (fd_ < 0) {
            return true;
        }
        const bool closed = ::close(fd_) == 0;
        fd_ = -1;
        return closed;
    }

    // A file that could not be written to its end must not pass for a whole download.
    void finishDownloadFile(Response& response) {
        const bool download = !settings_.downloadFile.empty();
        if (!closeDownloadFile() && response.curlCode == CURLE_OK) {
            response.curlCode = kWriteError;
            response.httpCode = 0;
        }
        if (download && request_.cancelled_.load()) {
            removeIfExists(settings_.downloadFile);
        }
    }

    template <typename Value>
    void set(CURLoption option, Value value) {
        curl().easySetopt(easy_.get(), option, value);
    }

    void configure() {
        configureMethod();
        set(CURLOPT_URL, url_.c_str());
        set(CURLOPT_NOSIGNAL, 1L);
        set(CURLOPT_PROTOCOLS_STR, kAllowedProtocols);
        set(CURLOPT_REDIR_PROTOCOLS_STR, kAllowedProtocols);
        set(CURLOPT_FOLLOWLOCATION, 1L);
        set(CURLOPT_MAXREDIRS, kMaxRedirects);
        set(CURLOPT_TCP_KEEPALIVE, 1L);
        set(CURLOPT_TCP_KEEPIDLE, kKeepAliveIdleSeconds);
        set(CURLOPT_TCP_KEEPINTVL, kKeepAliveIntervalSeconds);
        set(CURLOPT_SSL_VERIFYPEER, 1L);
        set(CURLOPT_SSL_VERIFYHOST, 2L);
        if (!settings_.caFile.empty()) {
            set(CURLOPT_CAINFO, settings_.caFile.c_str());
        }
        configureHeaders();
        set(CURLOPT_WRITEFUNCTION, &Transfer::onWrite);
        set(CURLOPT_WRITEDATA, this);
        const long timeout = fd_ >= 0 ? kDownloadTimeoutMilliseconds : kTimeoutMilliseconds;
        set(CURLOPT_TIMEOUT_MS,
            settings_.timeout ? static_cast<long>(settings_.timeout->count()) : timeout);
        set(CURLOPT_XFERINFOFUNCTION, &Transfer::onProgress);
        set(CURLOPT_XFERINFODATA, this);
        set(CURLOPT_NOPROGRESS, 0L);
    }

    void configureMethod() {
        url_ = settings_.url;
        const std::vector<char>& body = settings_.body;
        switch (settings_.method) {
            case HttpMethod::Get:
                // The body of a GET is its query string.
                if (!body.empty()) {
                    url_ += '?';
                    url_.append(body.begin(), body.end());
                }
                break;
            case HttpMethod::Post:
                configurePost();
                break;
            case HttpMethod::Put:
                set(CURLOPT_UPLOAD, 1L);
                set(CURLOPT_READFUNCTION, &Transfer::onRead);
                set(CURLOPT_READDATA, this);
                set(CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(body.size()));
                break;
            case HttpMethod::Delete:
                set(CURLOPT_CUSTOMREQUEST, "DELETE");
                break;
        }
    }

    void configurePost() {
        set(CURLOPT_POST, 1L);
        if (settings_.body.empty() && !settings_.mimeParts.empty()) {
            buildForm();
            set(CURLOPT_MIMEPOST, mime_.get());
            return;
        }
        // Also for an empty body: without post fields libcurl would read the body from stdin.
        set(CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(settings_.body.size()));
        set(CURLOPT_POSTFIELDS, settings_.body.empty() ? "" : settings_.body.data());
    }

    void buildForm() {
        mime_.reset(curl().mimeInit(easy_.get()));
        for (const MimePart& part : settings_.mimeParts) {
            curl_mimepart* field = curl().mimeAddpart(mime_.get());
            curl().mimeName(field, part.name.c_str());
            if (part.fromFile) {
                curl().mimeFiledata(field, part.data.c_str());
            } else {
                curl().mimeData(field, part.data.data(), part.data.size());
            }
        }
    }

    void configureHeaders() {
        for (const std::string& line : settings_.headers) {
            curl_slist* extended = curl().slistAppend(headerList_.get(), line.c_str());
            if (extended != nullptr) {
                headerList_.release();
                headerList_.reset(extended);
            }
        }
        if (headerList_) {
            set(CURLOPT_HTTPHEADER, headerList_.get());
        }
    }

    // Reporting fewer bytes than were given fails the transfer with libcurl's write error.
    static size_t onWrite(char* data, size_t size, size_t count, void* context) {
        auto* self = static_cast<Transfer*>(context);
        const size_t length = size * count;
        return self->fd_ >= 0 ? self->writeToFile(data, length) : self->keepInMemory(data, length);
    }

    size_t writeToFile(const char* data, size_t length) {
        if (!writeAll(fd_, data, length)) {
            LogManager::instance().log('E', "Cannot write the download: %s", std::strerror(errno));
            return 0;
        }
        return length;
    }

    size_t keepInMemory(const char* data, size_t length) {
        if (body_.size() + length > kMaxBodyInMemory) {
            LogManager::instance().log('E', "Refused a response larger than %zu bytes",
                                       kMaxBodyInMemory);
            body_.clear();
            body_.shrink_to_fit();
            return 0;
        }
        body_.insert(body_.end(), data, data + length);
        return length;
    }

    static size_t onRead(char* buffer, size_t size, size_t count, void* context) {
        auto* self = static_cast<Transfer*>(context);
        const std::vector<char>& body = self->settings_.body;
        const size_t length = std::min(size * count, body.size() - self->readOffset_);
        std::memcpy(buffer, body.data() + self->readOffset_, length);
        self->readOffset_ += length;
        return length;
    }

    static int onProgress(void* context, curl_off_t downloadTotal, curl_off_t downloaded,
                          curl_off_t uploadTotal, curl_off_t uploaded) {
        auto* self = static_cast<Transfer*>(context);
        return self->progress(downloadTotal, downloaded, uploadTotal, uploaded) ? 1 : 0;
    }

    // True aborts the transfer: when it was cancelled, or when neither direction has moved a
    // byte within the stall limit.
    bool progress(curl_off_t downloadTotal, curl_off_t downloaded, curl_off_t uploadTotal,
                  curl_off_t uploaded) {
        const auto now = Clock::now();
        if (downloadTotal > 0) {
            downloadPermille_ = static_cast<int32_t>(downloaded * 1000 / downloadTotal);
        }
        if (uploadTotal > 0) {
            uploadPermille_ = static_cast<int32_t>(uploaded * 1000 / uploadTotal);
        }
        if (downloaded > downloadHighest_) {
            downloadHighest_ = downloaded;
            downloadGrew_ = now;
        }
        if (uploaded > uploadHighest_) {
            uploadHighest_ = uploaded;
            uploadGrew_ = now;
        }
        const auto limit = settings_.stallLimit;
        const bool stalled = now - downloadGrew_ >= limit && now - uploadGrew_ >= limit;
        const bool abort = request_.cancelled_.load() || stalled;
        request_.notifyProgress(downloadPermille_, uploadPermille_);
        return abort;
    }

    BaseHttpRequest& request_;
    const Settings& settings_;
    std::string url_;
    std::unique_ptr<CURL, EasyDeleter> easy_;
    std::unique_ptr<curl_slist, HeaderListDeleter> headerList_;
    std::unique_ptr<curl_mime, MimeDeleter> mime_;
    int fd_ = -1;
    std::vector<char> body_;
    size_t readOffset_ = 0;
    int32_t downloadPermille_ = 0;
    int32_t uploadPermille_ = 0;
    curl_off_t downloadHighest_ = 0;
    curl_off_t uploadHighest_ = 0;
    Clock::time_point downloadGrew_;
    Clock::time_point uploadGrew_;
};

void BaseHttpRequest::keepLibraryUntilExit() {
    CurlLibrary::instance();
}

BaseHttpRequest::BaseHttpRequest(std::string url, HttpMethod method) {
    curl().setUp();
    settings_.url = std::move(url);
    settings_.method = method;
}

BaseHttpRequest::~BaseHttpRequest() = default;

void BaseHttpRequest::setUrl(const std::string& url) {
    std::lock_guard guard(mutex_);
    settings_.url = url;
}

void BaseHttpRequest::setMethod(HttpMethod method) {
    std::lock_guard guard(mutex_);
    settings_.method = method;
}

void BaseHttpRequest::setDownloadFile(const std::string& path) {
    std::lock_guard guard(mutex_);
    settings_.downloadFile = path;
}

void BaseHttpRequest::setBody(const char* data, int64_t size, bool addTerminator) {
    std::lock_guard guard(mutex_);
    settings_.body.clear();
    if (data == nullptr || size < 1) {
        return;
    }
    settings_.body.assign(data, data + size);
    if (addTerminator) {
        settings_.body.push_back('\0');
    }
}

void BaseHttpRequest::addHeader(const std::string& line) {
    if (line.empty()) {
        return;
    }
    std::lock_guard guard(mutex_);
    settings_.headers.push_back(line);
}

void BaseHttpRequest::setHeaderSource(std::function<std::optional<std::string>()> source) {
    std::lock_guard guard(mutex_);
    settings_.headerSource = std::move(source);
}

void BaseHttpRequest::addMimeData(const std::string& name, const char* data, int64_t size) {
    std::string text;
    if (data != nullptr) {
        text = size < 0 ? std::string(data) : std::string(data, static_cast<size_t>(size));
    }
    std::lock_guard guard(mutex_);
    settings_.mimeParts.push_back({name, std::move(text), false});
}

void BaseHttpRequest::addMimeFile(const std::string& name, const std::string& path) {
    std::lock_guard guard(mutex_);
    settings_.mimeParts.push_back({name, path, true});
}

void BaseHttpRequest::setCaFile(const std::string& path) {
    std::lock_guard guard(mutex_);
    settings_.caFile = path;
}

void BaseHttpRequest::setStallLimit(std::chrono::milliseconds limit) {
    std::lock_guard guard(mutex_);
    settings_.stallLimit = limit;
}

void BaseHttpRequest::setTimeout(std::chrono::milliseconds timeout) {
    std::lock_guard guard(mutex_);
    settings_.timeout = timeout;
}

void BaseHttpRequest::subscribe(HttpRequestStatusNotifyInterface* observer) {
    subscribers_.add(observer);
}

void BaseHttpRequest::unsubscribe(HttpRequestStatusNotifyInterface* observer) {
    subscribers_.remove(observer);
}

void BaseHttpRequest::cancel(bool cancelled) {
    cancelled_.store(cancelled);
    if (cancelled) {
        std::lock_guard guard(wakerMutex_);
        if (waker_) {
            waker_();
        }
    }
}

void BaseHttpRequest::setWaker(std::function<void()> waker) {
    std::lock_guard guard(wakerMutex_);
    waker_ = std::move(waker);
}

std::vector<char> BaseHttpRequest::responseBody() const {
    std::lock_guard guard(mutex_);
    return response_.body;
}

int32_t BaseHttpRequest::result() const {
    std::lock_guard guard(mutex_);
    if (response_.curlCode != 0) {
        return response_.curlCode;
    }
    return response_.httpCode != 200 ? response_.httpCode : 0;
}

void BaseHttpRequest::perform() {
    uint32_t state = state_.load();
    do {
        if (state == kRunning) {
            return;
        }
    } while (!state_.compare_exchange_weak(state, kRunning));
    notifyState(kRunning);
    cleanup();
    Settings settings = settingsCopy();
    Response response = addSourcedHeader(settings) ? Transfer(*this, settings).run() : Response{};
    const int32_t httpCode = response.httpCode;
    {
        std::lock_guard guard(mutex_);
        response_ = std::move(response);
    }
    if (httpCode != 0) {
        notifyResponseCode(httpCode);
    }
    state_.store(kFinished);
    notifyState(kFinished);
    cleanup();
}

BaseHttpRequest::Settings BaseHttpRequest::settingsCopy() const {
    std::lock_guard guard(mutex_);
    return settings_;
}

bool BaseHttpRequest::addSourcedHeader(Settings& settings) {
    if (!settings.headerSource) {
        return true;
    }
    const std::optional<std::string> line = settings.headerSource();
    if (line && !line->empty()) {
        settings.headers.push_back(*line);
    }
    return line.has_value();
}

void BaseHttpRequest::cleanup() {
    std::lock_guard guard(mutex_);
    response_ = Response{};
}

void BaseHttpRequest::notifyState(uint32_t state) {
    subscribers_.notify(
        [&](HttpRequestStatusNotifyInterface& observer) { observer.onStateChanged(*this, state); });
}

void BaseHttpRequest::notifyResponseCode(int32_t code) {
    subscribers_.notify(
        [&](HttpRequestStatusNotifyInterface& observer) { observer.onResponseCode(*this, code); });
}

void BaseHttpRequest::notifyProgress(int32_t downloadPermille, int32_t uploadPermille) {
    subscribers_.notify([&](HttpRequestStatusNotifyInterface& observer) {
        observer.onProgress(*this, downloadPermille, uploadPermille);
    });
}
