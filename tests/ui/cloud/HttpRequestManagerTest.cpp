#include "ui/cloud/HttpRequestManager.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <future>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/ScopedEnvironment.h"
#include "tests/support/WaitUntil.h"
#include "tests/ui/cloud/FakeCloudServer.h"
#include "tests/ui/cloud/HoldRequestThreads.h"
#include "tests/ui/cloud/RequestRecorder.h"
#include "ui/cloud/CloudEndpoints.h"

namespace {

constexpr int32_t kAbortedByCallback = 42;

class HttpRequestManagerTest : public ::testing::Test {
protected:
    HttpRequestManagerTest() {
        manager_.setAccessTokenSource([this] { return token_; });
    }

    // Performs on this thread; the finish as the subscriber saw it.
    RequestRecorder::Finish perform(BaseHttpRequest& request) {
        RequestRecorder recorder;
        request.subscribe(&recorder);
        request.perform();
        const auto finishes = recorder.finishes();
        return finishes.empty() ? RequestRecorder::Finish{} : finishes.front();
    }

    FakeCloudServer server_;
    std::string token_;
    HttpRequestManager manager_{CloudEndpoints{server_.baseUrl(), server_.baseUrl() + "/id", ""}};
};

TEST_F(HttpRequestManagerTest, EachKindGoesToItsEndpointWithItsHeaders) {
    token_ = "token-1";
    struct Case {
        HttpRequestKind kind;
        std::string method;
        std::string target;
        std::string contentType;
        std::string authorization;
    };
    const std::string bearer = "Bearer token-1";
    const std::vector<Case> cases = {
        {HttpRequestKind::SoftwareVersionCheck, "POST", "/api/software-version-whirlen",
         "application/json", ""},
        {HttpRequestKind::FileDownload, "GET", "/files/setup.bin", "", ""},
        {HttpRequestKind::Logout, "POST", "/id/realms/pelservices/protocol/openid-connect/logout",
         "application/x-www-form-urlencoded", ""},
        {HttpRequestKind::UserConfigInfo, "POST", "/api/user/config-info-whirlen",
         "application/json", bearer},
        {HttpRequestKind::UserConfigDownload, "GET", "/files/config.json", "", bearer},
        {HttpRequestKind::UserConfigUpload, "POST", "/api/user/sync-config-whirlen",
         "multipart/form-data", bearer},
    };
    for (const Case& c : cases) {
        const auto request = manager_.createRequest(c.kind);
        if (c.method == "GET") {
            request->setUrl(server_.baseUrl() + c.target);
        }
        if (c.kind == HttpRequestKind::UserConfigUpload) {
            request->addMimeData("platform", "Linux", -1);
        }
        perform(*request);
        const auto received = server_.received();
        ASSERT_FALSE(received.empty());
        const ReceivedRequest& last = received.back();
        EXPECT_EQ(last.method, c.method) << c.target;
        EXPECT_EQ(last.target, c.target);
        if (c.contentType.empty()) {
            EXPECT_FALSE(last.hasHeader("Content-Type")) << c.target;
        } else {
            EXPECT_EQ(last.header("Content-Type").substr(0, c.contentType.size()), c.contentType)
                << c.target;
        }
        EXPECT_EQ(last.header("Authorization"), c.authorization) << c.target;
    }
    EXPECT_EQ(server_.received().size(), cases.size());
}

TEST_F(HttpRequestManagerTest, SignedInKindsAndUnknownKindsAreBareWhileSignedOut) {
    const std::vector<int32_t> kinds = {0, 3, 4, 6, 7, 8, 9, 10, 11};
    for (const int32_t kind : kinds) {
        const auto request = manager_.createRequest(static_cast<HttpRequestKind>(kind));
        EXPECT_EQ(perform(*request).result, BaseHttpRequest::kNoTransfer) << kind;
    }
    EXPECT_TRUE(server_.received().empty());
}

TEST_F(HttpRequestManagerTest, ASignedInRequestWithoutATokenSaysSo) {
    for (const HttpRequestKind kind :
         {HttpRequestKind::UserConfigInfo, HttpRequestKind::UserConfigUpload}) {
        const auto request = manager_.createRequest(kind);
        ::testing::internal::CaptureStdout();
        perform(*request);
        const std::string log = ::testing::internal::GetCapturedStdout();
        EXPECT_NE(log.find("E: Refused a request that needs a sign-in: no access token"),
                  std::string::npos)
            << log;
        EXPECT_EQ(log.find("invalid URL"), std::string::npos) << log;
    }
}

TEST_F(HttpRequestManagerTest, TheDownloadGoesWithoutATokenWhileSignedOut) {
    const auto request = manager_.createRequest(HttpRequestKind::UserConfigDownload);
    request->setUrl(server_.baseUrl() + "/files/config.json");
    perform(*request);
    const auto received = server_.received();
    ASSERT_EQ(received.size(), 1u);
    EXPECT_FALSE(received.front().hasHeader("Authorization"));
}

// A token renewal may take as long as its own request: the thread that builds and queues a
// request (the window's) must not wait for it.
TEST_F(HttpRequestManagerTest, ASlowTokenSourceHoldsUpOnlyTheThreadThatPerforms) {
    // Shared with the source, which may outlive a failed test body.
    struct Asked {
        std::mutex mutex;
        std::thread::id thread;
        std::atomic<bool> done{false};
    };
    const auto asked = std::make_shared<Asked>();
    std::promise<void> release;
    const std::shared_future<void> released = release.get_future().share();
    manager_.setAccessTokenSource([asked, released] {
        {
            std::lock_guard guard(asked->mutex);
            asked->thread = std::this_thread::get_id();
        }
        asked->done = true;
        // Bounded, so that a caller wrongly held here fails the test instead of hanging it.
        released.wait_for(std::chrono::seconds(30));
        return std::string("token-2");
    });
    RequestRecorder recorder;
    const auto request = manager_.createRequest(HttpRequestKind::UserConfigInfo);
    request->subscribe(&recorder);
    manager_.enqueue(request);

    ASSERT_TRUE(waitUntil([&] { return asked->done.load(); }));
    {
        std::lock_guard guard(asked->mutex);
        EXPECT_NE(asked->thread, std::this_thread::get_id());
    }
    EXPECT_TRUE(server_.received().empty());
    release.set_value();
    ASSERT_TRUE(recorder.waitForFinishes(1));
    const auto received = server_.received();
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received.front().target, "/api/user/config-info-whirlen");
    EXPECT_EQ(received.front().header("Authorization"), "Bearer token-2");
}

TEST_F(HttpRequestManagerTest, SixAtOnceAllFinishWithoutAnotherEnqueue) {
    RequestRecorder recorder;
    ASSERT_TRUE(holdRequestThreads(manager_, server_, 6, &recorder));
    EXPECT_EQ(server_.count(kHeldPath), 5);
    EXPECT_EQ(manager_.pendingCount(), 6u);

    server_.openGate();
    ASSERT_TRUE(recorder.waitForFinishes(6));
    for (const auto& finish : recorder.finishes()) {
        EXPECT_EQ(finish.result, 0);
    }
    EXPECT_EQ(server_.count(kHeldPath), 6);
    EXPECT_TRUE(waitUntil([&] { return manager_.pendingCount() == 0; }));
}

TEST_F(HttpRequestManagerTest, ShutdownWithRepliesHeldOpenCancelsAndReturns) {
    RequestRecorder recorder;
    ASSERT_TRUE(holdRequestThreads(manager_, server_, 6, &recorder));

    manager_.shutdown();
    const auto finishes = recorder.finishes();
    ASSERT_EQ(finishes.size(), 5u);
    for (const auto& finish : finishes) {
        EXPECT_EQ(finish.result, kAbortedByCallback);
    }
    EXPECT_EQ(manager_.pendingCount(), 0u);
    // Refused from now on.
    manager_.enqueue(
        std::make_shared<BaseHttpRequest>(server_.baseUrl() + kHeldPath, HttpMethod::Get));
    EXPECT_EQ(manager_.pendingCount(), 0u);
    EXPECT_EQ(server_.count(kHeldPath), 5);
}

// A request whose token source waits (a renewal held open by the service) ends with the
// shutdown, which stops the source, and sends nothing.
TEST_F(HttpRequestManagerTest, ShutdownStopsTheTokenSourceARequestWaitsFor) {
    struct Source {
        std::mutex mutex;
        std::condition_variable changed;
        bool asked = false;
        bool stopped = false;
    };
    const auto source = std::make_shared<Source>();
    manager_.setAccessTokenSource(
        [source] {
            std::unique_lock lock(source->mutex);
            source->asked = true;
            source->changed.notify_all();
            // Bounded, so that a missing stop fails the test instead of hanging it.
            source->changed.wait_for(lock, std::chrono::seconds(30),
                                     [&] { return source->stopped; });
            return std::string("token-1");
        },
        [source] {
            std::lock_guard guard(source->mutex);
            source->stopped = true;
            source->changed.notify_all();
        });
    RequestRecorder recorder;
    const auto request = manager_.createRequest(HttpRequestKind::UserConfigInfo);
    request->subscribe(&recorder);
    manager_.enqueue(request);
    {
        std::unique_lock lock(source->mutex);
        ASSERT_TRUE(source->changed.wait_for(lock, std::chrono::seconds(10),
                                             [&] { return source->asked; }));
    }
    manager_.shutdown();
    {
        std::lock_guard guard(source->mutex);
        EXPECT_TRUE(source->stopped);
    }
    const auto finishes = recorder.finishes();
    ASSERT_EQ(finishes.size(), 1u);
    EXPECT_EQ(finishes[0].result, kAbortedByCallback);
    EXPECT_TRUE(server_.received().empty());
}

TEST(CloudEndpointsTest, BaseUrlsFollowTheCloudEnvironment) {
    const std::string production = "https://" WHIRLEN_CLOUD_PRODUCTION_SERVICES_HOST ":9443";
    const std::string test = "https://" WHIRLEN_CLOUD_TEST_HOST;
    struct Case {
        int32_t cloudEnv;
        std::string services;
        std::string identity;
    };
    const std::vector<Case> cases = {
        {0, production, "https://" WHIRLEN_CLOUD_PRODUCTION_IDENTITY_HOST},
        {1, test + ":9443", test + ":8443"},
        {2, "http://localhost:8081", "http://localhost:8089"},
        {7, production, "https://" WHIRLEN_CLOUD_PRODUCTION_IDENTITY_HOST},
    };
    ScopedEnvironment environment;
    environment.unset("WHIRLEN_CLOUD_SERVICES_URL");
    environment.unset("WHIRLEN_CLOUD_IDENTITY_URL");
    for (const Case& c : cases) {
        EXPECT_EQ(CloudEndpoints::servicesBaseUrlFor(c.cloudEnv), c.services) << c.cloudEnv;
        EXPECT_EQ(CloudEndpoints::identityBaseUrlFor(c.cloudEnv), c.identity) << c.cloudEnv;
        EXPECT_EQ(CloudEndpoints::fromEnvironment(c.cloudEnv).servicesBaseUrl, c.services);
        EXPECT_EQ(CloudEndpoints::fromEnvironment(c.cloudEnv).identityBaseUrl, c.identity);
    }
}

TEST(CloudEndpointsTest, EnvironmentOverridesTheBuild) {
    ScopedEnvironment environment;
    environment.set("WHIRLEN_CLOUD_SERVICES_URL", "http://127.0.0.1:1234");
    environment.set("WHIRLEN_CLOUD_IDENTITY_URL", "http://127.0.0.1:5678");
    environment.set("WHIRLEN_CLOUD_CA_FILE", "/tmp/ca.pem");
    const CloudEndpoints endpoints = CloudEndpoints::fromEnvironment(1);
    EXPECT_EQ(endpoints.servicesBaseUrl, "http://127.0.0.1:1234");
    EXPECT_EQ(endpoints.identityBaseUrl, "http://127.0.0.1:5678");
    EXPECT_EQ(endpoints.caFile, "/tmp/ca.pem");
}

}  // namespace
