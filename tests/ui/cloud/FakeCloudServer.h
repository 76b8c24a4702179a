#pragma once

#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace httplib {
class Server;
struct Response;
}  // namespace httplib

// One request as the fake service received it.
struct ReceivedRequest {
    struct Part {
        std::string name;
        std::string fileName;
        std::string content;
    };

    std::string method;
    // The path and query as sent.
    std::string target;
    std::multimap<std::string, std::string> headers;
    std::string body;
    // Multipart form parts, in the order sent.
    std::vector<Part> parts;

    std::string header(const std::string& name) const;
    bool hasHeader(const std::string& name) const;
};

// A stand-in for the cloud services on 127.0.0.1, on a port of its own, over HTTP or HTTPS,
// in this process. Replies are set per path; a path without one answers 404. Replies can hold
// the answer, or stall in the middle of the body, until the test opens the gate (or the server
// goes away).
class FakeCloudServer {
public:
    using Reply = std::function<void(const ReceivedRequest&, httplib::Response&)>;

    // Plain HTTP.
    FakeCloudServer();
    // HTTPS with this certificate chain and key (PEM files).
    FakeCloudServer(const std::string& certificateFile, const std::string& keyFile);
    ~FakeCloudServer();
    FakeCloudServer(const FakeCloudServer&) = delete;
    FakeCloudServer& operator=(const FakeCloudServer&) = delete;

    int port() const { return port_; }
    // "http://127.0.0.1:PORT" (or https), without a trailing "/".
    std::string baseUrl() const;

    void setReply(const std::string& path, Reply reply);
    // Answers with status and body.
    void setText(const std::string& path, int status, const std::string& body);
    // Answers 200 with the body, but first waits for the gate.
    void setHeldText(const std::string& path, const std::string& body);
    // Sends the first half of the body (with the whole length announced), then waits for the
    // gate before the rest.
    void setStalledBody(const std::string& path, const std::string& body);
    void setRedirect(const std::string& path, const std::string& location);

    // Lets every held or stalled reply go on, now and from now on.
    void openGate();
    // Waits for the gate: for replies of the test's own that hold their answer.
    void waitAtGate();
    // Replies waiting at the gate now.
    int waitingAtGate() const;

    std::vector<ReceivedRequest> received() const;
    // How many requests for that path (without query) came in.
    int count(const std::string& path) const;

private:
    void start();
    void handle(ReceivedRequest request, httplib::Response& response);

    std::unique_ptr<httplib::Server> server_;
    std::thread thread_;
    int port_ = 0;
    bool https_ = false;
    mutable std::mutex mutex_;
    std::condition_variable gateOpened_;
    bool gateOpen_ = false;
    int waiting_ = 0;
    std::map<std::string, Reply> replies_;
    std::vector<ReceivedRequest> received_;
};
