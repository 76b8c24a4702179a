#include "ui/cloud/AccessTokenGuard.h"

#include <httplib.h>

#include <atomic>
#include <set>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/TemporaryFolder.h"
#include "tests/ui/cloud/FakeCloudServer.h"
#include "tests/ui/cloud/TestCertificates.h"
#include "tests/ui/cloud/TestJwt.h"
#include "ui/cloud/TokenRefresher.h"

namespace {

using Tokens = AccessTokenGuard::Tokens;

constexpr int64_t kNow = 2000000000;

std::string accessExpiringAt(int64_t exp, const std::string& sub = "user-1") {
    return makeJwt(accountClaims(exp, sub));
}

class AccessTokenGuardTest : public ::testing::Test {
protected:
    AccessTokenGuardTest() {
        guard_.setClock([] { return kNow; });
        guard_.setRefresher(
            [this](const std::string& refreshToken) -> std::optional<Tokens> {
                ++refreshes_;
                if (refreshToken != "refresh-1" || !serviceAccepts_) {
                    return std::nullopt;
                }
                return Tokens{accessExpiringAt(kNow + 3600, "renewed"), "refresh-2"};
            },
            [this](const Tokens& tokens) {
                std::lock_guard lock(mutex_);
                told_.push_back(tokens);
            });
    }

    std::vector<Tokens> told() {
        std::lock_guard lock(mutex_);
        return told_;
    }

    AccessTokenGuard guard_;
    std::atomic<int> refreshes_{0};
    bool serviceAccepts_ = true;
    std::mutex mutex_;
    std::vector<Tokens> told_;
};

TEST_F(AccessTokenGuardTest, OnlyATokenNearItsExpiryIsRenewedAndOnlyOnce) {
    struct Case {
        const char* what;
        int64_t exp;
        bool renewed;
    };
    for (const Case& c : {Case{"far", kNow + 31, false}, Case{"at the margin", kNow + 30, true},
                          Case{"past", kNow - 10, true}}) {
        SCOPED_TRACE(c.what);
        refreshes_ = 0;
        const std::string access = accessExpiringAt(c.exp);
        guard_.set(access, "refresh-1", true);
        const std::string first = guard_.tokenForRequest();
        const std::string second = guard_.tokenForRequest();
        EXPECT_EQ(refreshes_, c.renewed ? 1 : 0);
        EXPECT_EQ(first == access, !c.renewed);
        EXPECT_EQ(second, first);
        EXPECT_TRUE(guard_.isSignedIn());
    }
    ASSERT_EQ(told().size(), 2u);
    EXPECT_EQ(told()[0].refresh, "refresh-2");
}

TEST_F(AccessTokenGuardTest, FailedRenewalSignsOutAndSaysSo) {
    serviceAccepts_ = false;
    guard_.set(accessExpiringAt(kNow), "refresh-1", true);
    EXPECT_EQ(guard_.tokenForRequest(), "");
    EXPECT_FALSE(guard_.isSignedIn());
    ASSERT_EQ(told().size(), 1u);
    EXPECT_EQ(told()[0].access, "");
    // Signed out: nothing more is tried.
    EXPECT_EQ(guard_.tokenForRequest(), "");
    EXPECT_EQ(refreshes_, 1);
}

TEST_F(AccessTokenGuardTest, SignedOutGivesNoTokenAndTriesNothing) {
    guard_.set(accessExpiringAt(kNow), "refresh-1", false);
    guard_.tokenForRequest();
    guard_.set("", "", false);
    EXPECT_EQ(guard_.tokenForRequest(), "");
    EXPECT_EQ(refreshes_, 0);
}

// Workers ask for tokens while the main thread signs in and out: every answer is a token that
// was set or the renewed one, and each expiring token is renewed at most once.
TEST_F(AccessTokenGuardTest, ConcurrentRequestsAndSignInsStayConsistent) {
    const std::string renewed = accessExpiringAt(kNow + 3600, "renewed");
    std::vector<std::string> issued;
    for (int i = 0; i < 8; ++i) {
        issued.push_back(
            accessExpiringAt(i % 2 == 0 ? kNow + 3600 : kNow, "user-" + std::to_string(i)));
    }
    const std::set<std::string> allowed(issued.begin(), issued.end());
    std::atomic<bool> running{true};
    std::atomic<int> strangers{0};
    std::vector<std::thread> workers;
    for (int w = 0; w < 4; ++w) {
        workers.emplace_back([&] {
            while (running) {
                const std::string token = guard_.tokenForRequest();
                if (!token.empty() && token != renewed && allowed.count(token) == 0) {
                    ++strangers;
                }
                guard_.isSignedIn();
            }
        });
    }
    for (int round = 0; round < 400; ++round) {
        guard_.set(issued[round % issued.size()], "refresh-1", round % 3 != 0);
    }
    running = false;
    for (std::thread& worker : workers) {
        worker.join();
    }
    EXPECT_EQ(strangers, 0);
    EXPECT_LE(refreshes_, 400);
}

TEST(TokenRefresherTest, TradesTheRefreshTokenAtTheTokenEndpoint) {
    TemporaryFolder folder("whirlen-refresh");
    TestCertificates certificates(folder.path().string());
    FakeCloudServer identity(certificates.local.certificate, certificates.local.key);
    const std::string path = "/realms/pelservices/protocol/openid-connect/token";
    identity.setReply(path, [](const ReceivedRequest& request, httplib::Response& response) {
        const bool good =
            request.body == "grant_type=refresh_token&client_id=pelauth&refresh_token=r-1";
        response.status = good ? 200 : 400;
        response.set_content(
            good ? R"({"access_token":"a-2","refresh_token":"r-2","token_type":"Bearer"})" : "{}",
            "application/json");
    });
    const TokenRefresher refresher(identity.baseUrl(), certificates.caFile);
    const std::optional<Tokens> tokens = refresher.refresh("r-1");
    ASSERT_TRUE(tokens);
    EXPECT_EQ(tokens->access, "a-2");
    EXPECT_EQ(tokens->refresh, "r-2");
    EXPECT_EQ(refresher.refresh("r-other"), std::nullopt);
    const auto received = identity.received();
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0].header("Content-Type"), "application/x-www-form-urlencoded");
}

}  // namespace
