#include "ui/cloud/BaseHttpRequest.h"

#include <httplib.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "shared/prefs/FileUtils.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestFiles.h"
#include "tests/support/WaitUntil.h"
#include "tests/ui/cloud/FakeCloudServer.h"
#include "tests/ui/cloud/RequestRecorder.h"
#include "tests/ui/cloud/TestCertificates.h"

namespace {

using namespace std::chrono_literals;

constexpr int32_t kCouldNotConnect = 7;
constexpr int32_t kUnsupportedProtocol = 1;
constexpr int32_t kAbortedByCallback = 42;
constexpr int32_t kPeerFailedVerification = 60;

struct Performed {
    RequestRecorder recorder;
    RequestRecorder::Finish finish;
};

// Performs the request on this thread and returns what it told its subscriber.
std::unique_ptr<Performed> perform(BaseHttpRequest& request) {
    auto performed = std::make_unique<Performed>();
    request.subscribe(&performed->recorder);
    request.perform();
    request.unsubscribe(&performed->recorder);
    const auto finishes = performed->recorder.finishes();
    EXPECT_EQ(finishes.size(), 1u);
    if (!finishes.empty()) {
        performed->finish = finishes.front();
    }
    return performed;
}

class BaseHttpRequestTest : public ::testing::Test {
protected:
    std::string url(const std::string& path) const { return server_.baseUrl() + path; }

    FakeCloudServer server_;
    TemporaryFolder folder_{"whirlen-http"};
};

TEST_F(BaseHttpRequestTest, EmptyPostSendsAZeroLengthBody) {
    BaseHttpRequest request(url("/api/empty"), HttpMethod::Post);
    server_.setText("/api/empty", 200, "{}");
    const auto performed = perform(request);

    EXPECT_EQ(performed->finish.result, 0);
    EXPECT_EQ(performed->recorder.states(), (std::vector<uint32_t>{1, 2}));
    EXPECT_EQ(performed->recorder.responseCodes(), std::vector<int32_t>{200});
    const auto received = server_.received();
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].method, "POST");
    EXPECT_EQ(received[0].header("Content-Length"), "0");
    EXPECT_EQ(received[0].body, "");
    EXPECT_EQ(request.state(), BaseHttpRequest::kFinished);
    // The response lives only as long as the finish notification.
    EXPECT_EQ(request.result(), BaseHttpRequest::kNoTransfer);
}

TEST_F(BaseHttpRequestTest, TerminatorByteIsSentAndCounted) {
    BaseHttpRequest request(url("/api/json"), HttpMethod::Post);
    request.setBody("{\"a\":1}", 7, true);
    perform(request);

    const auto received = server_.received();
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].header("Content-Length"), "8");
    EXPECT_EQ(received[0].body, std::string("{\"a\":1}\0", 8));
}

TEST_F(BaseHttpRequestTest, GetBodyBecomesTheQuery) {
    BaseHttpRequest request(url("/files/list"), HttpMethod::Get);
    request.setBody("a=1&b=2", 7, false);
    perform(request);

    const auto received = server_.received();
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].method, "GET");
    EXPECT_EQ(received[0].target, "/files/list?a=1&b=2");
}

TEST_F(BaseHttpRequestTest, FormPartsArriveInOrder) {
    const std::string file = folder_.file("pelvane_default.json");
    writeFileBytes(file, "{\"MajorVersion\":3}");
    BaseHttpRequest request(url("/api/form"), HttpMethod::Post);
    request.addMimeFile("file", file);
    request.addMimeData("configVersion", "301xx", 3);
    request.addMimeData("platform", "Linux", -1);
    server_.setText("/api/form", 200, "{}");
    EXPECT_EQ(perform(request)->finish.result, 0);

    const auto received = server_.received();
    ASSERT_EQ(received.size(), 1u);
    const auto& parts = received[0].parts;
    ASSERT_EQ(parts.size(), 3u);
    EXPECT_EQ(parts[0].name, "file");
    EXPECT_EQ(parts[0].fileName, "pelvane_default.json");
    EXPECT_EQ(parts[0].content, "{\"MajorVersion\":3}");
    EXPECT_EQ(parts[1].name, "configVersion");
    EXPECT_EQ(parts[1].content, "301");
    EXPECT_EQ(parts[2].name, "platform");
    EXPECT_EQ(parts[2].content, "Linux");
}

TEST_F(BaseHttpRequestTest, PutAndDeleteUseTheirMethods) {
    BaseHttpRequest put(url("/api/item"), HttpMethod::Put);
    put.setBody("new", 3, false);
    BaseHttpRequest remove(url("/api/item"), HttpMethod::Delete);
    perform(put);
    perform(remove);

    const auto received = server_.received();
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0].method, "PUT");
    EXPECT_EQ(received[0].body, "new");
    EXPECT_EQ(received[1].method, "DELETE");
}

TEST_F(BaseHttpRequestTest, ErrorStatusKeepsItsBodyForTheFinishNotification) {
    server_.setText("/api/missing", 404, "no such thing");
    BaseHttpRequest request(url("/api/missing"), HttpMethod::Get);
    const auto performed = perform(request);

    EXPECT_EQ(performed->finish.result, 404);
    EXPECT_EQ(performed->finish.body, "no such thing");
    EXPECT_EQ(performed->recorder.responseCodes(), std::vector<int32_t>{404});
}

TEST(BaseHttpRequestFailureTest, RefusedConnectionGivesLibcurlsCode) {
    int port = 0;
    {
        FakeCloudServer gone;
        port = gone.port();
    }
    BaseHttpRequest request("http://127.0.0.1:" + std::to_string(port) + "/api/x", HttpMethod::Get);
    const auto performed = perform(request);
    EXPECT_EQ(performed->finish.result, kCouldNotConnect);
    EXPECT_TRUE(performed->recorder.responseCodes().empty());
}

TEST_F(BaseHttpRequestTest, NothingIsSentWhenTheRequestCannotStart) {
    struct Case {
        std::string url;
        std::string downloadFile;
    };
    const std::vector<Case> cases = {
        {"", ""},
        {"not a url", ""},
        {url("/x"), ""},  // too short a file name for a URL
        {url("/files/setup.bin"), folder_.file("missing-folder/setup.bin")},
    };
    for (const Case& c : cases) {
        BaseHttpRequest request(c.url, HttpMethod::Get);
        request.setDownloadFile(c.downloadFile);
        const auto performed = perform(request);
        EXPECT_EQ(performed->finish.result, BaseHttpRequest::kNoTransfer) << c.url;
        EXPECT_EQ(performed->recorder.states(), (std::vector<uint32_t>{1, 2})) << c.url;
    }
    EXPECT_TRUE(server_.received().empty());
}

TEST_F(BaseHttpRequestTest, OtherProtocolsAreRefusedAlsoThroughRedirects) {
    const std::string secret = folder_.file("secret.txt");
    writeFileBytes(secret, "private");
    server_.setRedirect("/files/setup.bin", "file://" + secret);
    const std::string target = folder_.file("download");

    BaseHttpRequest direct("file:" + secret, HttpMethod::Get);
    direct.setDownloadFile(target);
    EXPECT_EQ(perform(direct)->finish.result, kUnsupportedProtocol);
    EXPECT_EQ(readFileBytes(target), "");

    BaseHttpRequest redirected(url("/files/setup.bin"), HttpMethod::Get);
    redirected.setDownloadFile(target);
    EXPECT_NE(perform(redirected)->finish.result, 0);
    EXPECT_EQ(readFileBytes(target), "");
}

TEST_F(BaseHttpRequestTest, RedirectToAnotherPortDropsTheBearer) {
    FakeCloudServer other;
    other.setText("/api/landing", 200, "{}");
    server_.setRedirect("/api/start", other.baseUrl() + "/api/landing");
    BaseHttpRequest request(url("/api/start"), HttpMethod::Get);
    request.addHeader("Authorization: Bearer secret-token");
    EXPECT_EQ(perform(request)->finish.result, 0);

    ASSERT_EQ(server_.received().size(), 1u);
    EXPECT_EQ(server_.received()[0].header("Authorization"), "Bearer secret-token");
    ASSERT_EQ(other.received().size(), 1u);
    EXPECT_FALSE(other.received()[0].hasHeader("Authorization"));
}

TEST_F(BaseHttpRequestTest, DownloadGoesToTheFileWithProgress) {
    const std::string payload(300000, 'x');
    server_.setText("/files/setup.bin", 200, payload);
    const std::string target = folder_.file("setup.bin");
    BaseHttpRequest request(url("/files/setup.bin"), HttpMethod::Get);
    request.setDownloadFile(target);
    const auto performed = perform(request);

    EXPECT_EQ(performed->finish.result, 0);
    EXPECT_EQ(performed->finish.body, "");
    EXPECT_EQ(readFileBytes(target), payload);
    const auto progress = performed->recorder.downloadProgress();
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.back(), 1000);
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
}

TEST_F(BaseHttpRequestTest, FullDiskFailsTheDownloadWithWriteError) {
    server_.setText("/files/setup.bin", 200, std::string(100000, 'x'));
    BaseHttpRequest request(url("/files/setup.bin"), HttpMethod::Get);
    request.setDownloadFile("/dev/full");
    EXPECT_EQ(perform(request)->finish.result, BaseHttpRequest::kWriteError);
}

TEST_F(BaseHttpRequestTest, OversizedBodyInMemoryFailsWithWriteError) {
    server_.setText("/api/huge", 200, std::string(BaseHttpRequest::kMaxBodyInMemory + 1, 'x'));
    BaseHttpRequest request(url("/api/huge"), HttpMethod::Get);
    const auto performed = perform(request);
    EXPECT_EQ(performed->finish.result, BaseHttpRequest::kWriteError);
    EXPECT_TRUE(performed->finish.body.empty());
}

TEST_F(BaseHttpRequestTest, StalledTransferIsAborted) {
    server_.setStalledBody("/files/setup.bin", std::string(200000, 'x'));
    const std::string target = folder_.file("setup.bin");
    BaseHttpRequest request(url("/files/setup.bin"), HttpMethod::Get);
    request.setDownloadFile(target);
    request.setStallLimit(200ms);
    EXPECT_EQ(perform(request)->finish.result, kAbortedByCallback);
}

TEST_F(BaseHttpRequestTest, CancelMidDownloadLeavesNoFile) {
    server_.setStalledBody("/files/setup.bin", std::string(200000, 'x'));
    const std::string target = folder_.file("setup.bin");
    BaseHttpRequest request(url("/files/setup.bin"), HttpMethod::Get);
    request.setDownloadFile(target);
    RequestRecorder recorder;
    recorder.setOnProgress([&](BaseHttpRequest& running, int32_t permille) {
        if (permille > 0) {
            running.cancel(true);
        }
    });
    request.subscribe(&recorder);
    request.perform();

    ASSERT_EQ(recorder.finishes().size(), 1u);
    EXPECT_EQ(recorder.finishes()[0].result, kAbortedByCallback);
    EXPECT_FALSE(fileExists(target));
}

TEST_F(BaseHttpRequestTest, PerformingOrUnsubscribingDuringATransferReturnsAtOnce) {
    server_.setHeldText("/api/held", "{}");
    BaseHttpRequest request(url("/api/held"), HttpMethod::Get);
    RequestRecorder recorder;
    request.subscribe(&recorder);
    std::thread worker([&] { request.perform(); });
    ASSERT_TRUE(waitUntil([&] { return server_.waitingAtGate() == 1; }));

    request.perform();
    EXPECT_EQ(recorder.states(), std::vector<uint32_t>{1});
    // Neither waits for the transfer; after it, nothing more is told.
    request.unsubscribe(&recorder);
    server_.openGate();
    worker.join();
    EXPECT_EQ(recorder.states(), std::vector<uint32_t>{1});
    EXPECT_EQ(request.state(), BaseHttpRequest::kFinished);
    EXPECT_EQ(server_.count("/api/held"), 1);
}

TEST_F(BaseHttpRequestTest, UnsubscribingInsideANotificationStopsFurtherCalls) {
    server_.setText("/files/setup.bin", 200, std::string(300000, 'x'));
    BaseHttpRequest request(url("/files/setup.bin"), HttpMethod::Get);
    request.setDownloadFile(folder_.file("setup.bin"));
    RequestRecorder leaving;
    RequestRecorder staying;
    leaving.setOnProgress(
        [&](BaseHttpRequest& running, int32_t) { running.unsubscribe(&leaving); });
    request.subscribe(&leaving);
    request.subscribe(&staying);
    request.perform();

    EXPECT_EQ(leaving.downloadProgress().size(), 1u);
    EXPECT_TRUE(leaving.finishes().empty());
    EXPECT_EQ(staying.finishes().size(), 1u);
}

class BaseHttpRequestTlsTest : public ::testing::Test {
protected:
    TemporaryFolder folder_{"whirlen-tls"};
    TestCertificates certificates_{folder_.path().string()};
};

TEST_F(BaseHttpRequestTlsTest, PeerAndHostAreChecked) {
    FakeCloudServer local(certificates_.local.certificate, certificates_.local.key);
    FakeCloudServer otherName(certificates_.otherName.certificate, certificates_.otherName.key);
    local.setText("/api/hello", 200, "{}");
    otherName.setText("/api/hello", 200, "{}");
    struct Case {
        const char* what;
        std::string url;
        std::string caFile;
        int32_t result;
    };
    const std::vector<Case> cases = {
        {"test CA", local.baseUrl() + "/api/hello", certificates_.caFile, 0},
        {"system CAs only", local.baseUrl() + "/api/hello", "", kPeerFailedVerification},
        {"certificate of another name", otherName.baseUrl() + "/api/hello", certificates_.caFile,
         kPeerFailedVerification},
    };
    for (const Case& c : cases) {
        BaseHttpRequest request(c.url, HttpMethod::Get);
        request.setCaFile(c.caFile);
        EXPECT_EQ(perform(request)->finish.result, c.result) << c.what;
    }
    EXPECT_EQ(local.count("/api/hello"), 1);
    EXPECT_EQ(otherName.count("/api/hello"), 0);
}

}  // namespace
