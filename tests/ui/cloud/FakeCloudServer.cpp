#include "tests/ui/cloud/FakeCloudServer.h"

#include <httplib.h>

#include <chrono>
#include <stdexcept>
#include <utility>

#include "shared/prefs/TextUtils.h"

namespace {

std::string pathOf(const std::string& target) {
    return target.substr(0, target.find('?'));
}

ReceivedRequest basics(const httplib::Request& request) {
    ReceivedRequest received;
    received.method = request.method;
    received.target = request.target;
    received.headers.insert(request.headers.begin(), request.headers.end());
    return received;
}

}  // namespace

std::string ReceivedRequest::header(const std::string& name) const {
    for (const auto& [key, value] : headers) {
        if (equalsIgnoreCase(key, name)) {
            return value;
        }
    }
    return {};
}

bool ReceivedRequest::hasHeader(const std::string& name) const {
    for (const auto& entry : headers) {
        if (equalsIgnoreCase(entry.first, name)) {
            return true;
        }
    }
    return false;
}

FakeCloudServer::FakeCloudServer() : server_(std::make_unique<httplib::Server>()) {
    start();
}

FakeCloudServer::FakeCloudServer(const std::string& certificateFile, const std::string& keyFile)
    : server_(std::make_unique<httplib::SSLServer>(certificateFile.c_str(), keyFile.c_str())),
      https_(true) {
    if (!server_->is_valid()) {
        throw std::runtime_error("cannot load the test certificate " + certificateFile);
    }
    start();
}

FakeCloudServer::~FakeCloudServer() {
    openGate();
    server_->stop();
    thread_.join();
}

void FakeCloudServer::start() {
    const auto plain = [this](const httplib::Request& request, httplib::Response& response) {
        ReceivedRequest received = basics(request);
        received.body = request.body;
        handle(std::move(received), response);
    };
    const auto reading = [this](const httplib::Request& request, httplib::Response& response,
                                const httplib::ContentReader& reader) {
        ReceivedRequest received = basics(request);
        if (request.is_multipart_form_data()) {
            reader(
                [&](const httplib::MultipartFormData& part) {
                    received.parts.push_back({part.name, part.filename, ""});
                    return true;
                },
                [&](const char* data, size_t length) {
                    received.parts.back().content.append(data, length);
                    return true;
                });
        } else {
            reader([&](const char* data, size_t length) {
                received.body.append(data, length);
                return true;
            });
        }
        handle(std::move(received), response);
    };
    server_->Get(".*", plain);
    server_->Delete(".*", plain);
    server_->Post(".*", reading);
    server_->Put(".*", reading);
    // One request per connection, so that stopping never waits for an idle client.
    server_->set_keep_alive_max_count(1);
    port_ = server_->bind_to_any_port("127.0.0.1");
    if (port_ <= 0) {
        throw std::runtime_error("cannot bind the fake cloud server");
    }
    thread_ = std::thread([this] { server_->listen_after_bind(); });
    // A stop before the server runs would be lost, and the server would never end.
    while (!server_->is_running()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

std::string FakeCloudServer::baseUrl() const {
    return std::string(https_ ? "https" : "http") + "://127.0.0.1:" + std::to_string(port_);
}

void FakeCloudServer::setReply(const std::string& path, Reply reply) {
    std::lock_guard guard(mutex_);
    replies_[path] = std::move(reply);
}

void FakeCloudServer::setText(const std::string& path, int status, const std::string& body) {
    setReply(path, [status, body](const ReceivedRequest&, httplib::Response& response) {
        response.status = status;
        response.set_content(body, "application/json");
    });
}

void FakeCloudServer::setHeldText(const std::string& path, const std::string& body) {
    setReply(path, [this, body](const ReceivedRequest&, httplib::Response& response) {
        waitAtGate();
        response.set_content(body, "application/json");
    });
}

void FakeCloudServer::setStalledBody(const std::string& path, const std::string& body) {
    setReply(path, [this, body](const ReceivedRequest&, httplib::Response& response) {
        response.set_content_provider(
            body.size(), "application/octet-stream",
            [this, body](size_t offset, size_t length, httplib::DataSink& sink) {
                const size_t half = body.size() / 2;
                if (offset < half) {
                    return sink.write(body.data() + offset, half - offset);
                }
                waitAtGate();
                return sink.write(body.data() + offset, length);
            });
    });
}

void FakeCloudServer::setRedirect(const std::string& path, const std::string& location) {
    setReply(path, [location](const ReceivedRequest&, httplib::Response& response) {
        response.set_redirect(location);
    });
}

void FakeCloudServer::openGate() {
    std::lock_guard guard(mutex_);
    gateOpen_ = true;
    gateOpened_.notify_all();
}

int FakeCloudServer::waitingAtGate() const {
    std::lock_guard guard(mutex_);
    return waiting_;
}

std::vector<ReceivedRequest> FakeCloudServer::received() const {
    std::lock_guard guard(mutex_);
    return received_;
}

int FakeCloudServer::count(const std::string& path) const {
    std::lock_guard guard(mutex_);
    int found = 0;
    for (const ReceivedRequest& request : received_) {
        found += pathOf(request.target) == path ? 1 : 0;
    }
    return found;
}

void FakeCloudServer::handle(ReceivedRequest request, httplib::Response& response) {
    Reply reply;
    {
        std::lock_guard guard(mutex_);
        const auto found = replies_.find(pathOf(request.target));
        if (found != replies_.end()) {
            reply = found->second;
        }
        received_.push_back(request);
    }
    if (reply) {
        reply(request, response);
    } else {
        response.status = 404;
        response.set_content("not found", "text/plain");
    }
}

void FakeCloudServer::waitAtGate() {
    std::unique_lock lock(mutex_);
    ++waiting_;
    gateOpened_.wait(lock, [this] { return gateOpen_; });
    --waiting_;
}
