#include "ui/cloud/AccessTokenGuard.h"

#include <httplib.h>

#include <atomic>
#include <future>
#include <set>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/TemporaryFolder.h"
#include "tests/support/WaitUntil.h"
#include "tests/ui/cloud/FakeCloudServer.h"
#include "tests/ui/cloud/TestCertificates.h"
#include "tests/ui/cloud/TestJwt.h"
#include "ui/cloud/TokenRefresher.h"

namespace {

using Tokens = AccessTokenGuard::Tokens;
using Renewal = AccessTokenGuard::Renewal;
using Outcome = AccessTokenGuard::RenewalOutcome;

constexpr int64_t kNow = 2000000000;

std::string accessExpiringAt(int64_t exp, const std::string& sub = "user-1") {
    return makeJwt(accountClaims(exp, sub));
}

class AccessTokenGuardTest : public ::testing::Test {
protected:
    AccessTokenGuardTest() {
        guard_.setClock([] { return kNow; });
        guard_.setRefresher(
            [this](const std::string& refreshToken) -> Renewal {
                ++refreshes_;
                {
                    std::lock_guard lock(mutex_);
                    sent_.push_back(refreshToken);
                }
                if (outcome_ != Outcome::Renewed || refreshToken.rfind("refresh-", 0) != 0) {
                    return {outcome_, {}};
                }
                return {Outcome::Renewed,
                        {accessExpiringAt(kNow + 3600, "renewed"), rotated_ ? "refresh-2" : ""}};
            },
            [this](const Renewal& renewal) {
                std::lock_guard lock(mutex_);
                told_.push_back(renewal);
            });
    }

    std::vector<Renewal> told() {
        std::lock_guard lock(mutex_);
        return told_;
    }
    std::vector<std::string> sent() {
        std::lock_guard lock(mutex_);
        return sent_;
    }

    AccessTokenGuard guard_;
    std::atomic<int> refreshes_{0};
    Outcome outcome_ = Outcome::Renewed;
    bool rotated_ = true;
    std::mutex mutex_;
    std::vector<Renewal> told_;
    std::vector<std::string> sent_;
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
    EXPECT_EQ(told()[0].tokens.refresh, "refresh-2");
}

// Only the service's refusal ends the sign-in; after any other failure the request goes with the
// token it has and the next one tries again.
TEST_F(AccessTokenGuardTest, OnlyARefusalSignsOut) {
    const std::string expiring = accessExpiringAt(kNow);
    outcome_ = Outcome::Failed;
    guard_.set(expiring, "refresh-1", true);
    EXPECT_EQ(guard_.tokenForRequest(), expiring);
    EXPECT_TRUE(guard_.isSignedIn());
    EXPECT_EQ(guard_.tokenForRequest(), expiring);
    EXPECT_EQ(refreshes_, 2);
    EXPECT_TRUE(told().empty());

    outcome_ = Outcome::Refused;
    EXPECT_EQ(guard_.tokenForRequest(), "");
    EXPECT_FALSE(guard_.isSignedIn());
    ASSERT_EQ(told().size(), 1u);
    EXPECT_EQ(told()[0].outcome, Outcome::Refused);
    // Signed out: nothing more is tried.
    EXPECT_EQ(guard_.tokenForRequest(), "");
    EXPECT_EQ(refreshes_, 3);
}

TEST_F(AccessTokenGuardTest, ARenewalWithoutARefreshTokenKeepsTheOneHeld) {
    rotated_ = false;
    guard_.set(accessExpiringAt(kNow), "refresh-1", true);
    guard_.tokenForRequest();
    ASSERT_EQ(told().size(), 1u);
    EXPECT_EQ(told()[0].tokens.refresh, "refresh-1");
    // The renewed token expires in its turn: the same refresh token goes again.
    guard_.set(accessExpiringAt(kNow, "user-2"), "refresh-1", true);
    guard_.tokenForRequest();
    EXPECT_EQ(sent(), (std::vector<std::string>{"refresh-1", "refresh-1"}));
}

// Requests that wait for a renewal that fails go with the token at hand instead of each trying
// once more in turn.
TEST_F(AccessTokenGuardTest, RequestsWaitingForAFailedRenewalDoNotRenewAgain) {
    std::promise<void> entered;
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    guard_.setRefresher(
        [&](const std::string&) -> Renewal {
            ++refreshes_;
            entered.set_value();
            released.wait();
            return {};
        },
        {});
    const std::string expiring = accessExpiringAt(kNow);
    guard_.set(expiring, "refresh-1", true);
    std::string first;
    std::thread renewing([&] { first = guard_.tokenForRequest(); });
    entered.get_future().wait();
    std::vector<std::string> waited(3);
    std::vector<std::thread> waiting;
    for (std::string& token : waited) {
        waiting.emplace_back([&] { token = guard_.tokenForRequest(); });
    }
    // Give them the time to reach the wait; one that came later would simply try again.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    release.set_value();
    renewing.join();
    for (std::thread& thread : waiting) {
        thread.join();
    }
    EXPECT_EQ(first, expiring);
    EXPECT_EQ(waited, std::vector<std::string>(3, expiring));
    EXPECT_EQ(refreshes_, 1);
    EXPECT_TRUE(guard_.isSignedIn());
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

class TokenRefresherTest : public ::testing::Test {
protected:
    static constexpr const char* kPath = "/realms/pelservices/protocol/openid-connect/token";

    TemporaryFolder folder_{"whirlen-refresh"};
    TestCertificates certificates_{folder_.path().string()};
    FakeCloudServer identity_{certificates_.local.certificate, certificates_.local.key};
};

TEST_F(TokenRefresherTest, TradesTheRefreshTokenAtTheTokenEndpoint) {
    identity_.setReply(kPath, [](const ReceivedRequest& request, httplib::Response& response) {
        const bool good =
            request.body == "grant_type=refresh_token&client_id=pelauth&refresh_token=r-1";
        response.status = good ? 200 : 400;
        response.set_content(
            good ? R"({"access_token":"a-2","refresh_token":"r-2","token_type":"Bearer"})"
                 : R"({"error":"invalid_grant"})",
            "application/json");
    });
    TokenRefresher refresher(identity_.baseUrl(), certificates_.caFile);
    const Renewal renewal = refresher.refresh("r-1");
    EXPECT_EQ(renewal.outcome, Outcome::Renewed);
    EXPECT_EQ(renewal.tokens.access, "a-2");
    EXPECT_EQ(renewal.tokens.refresh, "r-2");
    EXPECT_EQ(refresher.refresh("r-other").outcome, Outcome::Refused);
    const auto received = identity_.received();
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0].header("Content-Type"), "application/x-www-form-urlencoded");
}

// What each answer of the identity service, or the lack of one, means for the sign-in.
TEST_F(TokenRefresherTest, OnlyAnExplicitRefusalRefuses) {
    struct Case {
        const char* what;
        int status;
        std::string body;
        Outcome outcome;
    };
    const std::vector<Case> cases = {
        {"503", 503, "Service Unavailable", Outcome::Failed},
        {"500", 500, R"({"error":"server_error"})", Outcome::Failed},
        {"malformed JSON", 200, R"({"access_token":)", Outcome::Failed},
        {"no access token", 200, R"({"refresh_token":"r-2"})", Outcome::Failed},
        {"400 without an OAuth error", 400, "<html>Bad Request</html>", Outcome::Failed},
        {"no refresh token", 200, R"({"access_token":"a-2"})", Outcome::Renewed},
        {"400 invalid_grant", 400, R"({"error":"invalid_grant"})", Outcome::Refused},
        {"401", 401, R"({"error":"invalid_client"})", Outcome::Refused},
    };
    TokenRefresher refresher(identity_.baseUrl(), certificates_.caFile);
    for (const Case& c : cases) {
        identity_.setText(kPath, c.status, c.body);
        const Renewal renewal = refresher.refresh("r-1");
        EXPECT_EQ(renewal.outcome, c.outcome) << c.what;
        EXPECT_EQ(renewal.tokens.refresh, "") << c.what;
    }

    identity_.setHeldText(kPath, R"({"access_token":"a-2"})");
    TokenRefresher impatient(identity_.baseUrl(), certificates_.caFile,
                             std::chrono::milliseconds(200));
    EXPECT_EQ(impatient.refresh("r-1").outcome, Outcome::Failed) << "time-out";

    int port = 0;
    {
        FakeCloudServer gone;
        port = gone.port();
    }
    TokenRefresher refused("http://127.0.0.1:" + std::to_string(port), "");
    EXPECT_EQ(refused.refresh("r-1").outcome, Outcome::Failed) << "refused connection";
}

// At exit the renewal under way ends at once, long before its time-out, and none starts.
TEST_F(TokenRefresherTest, StopEndsTheRenewalUnderWay) {
    identity_.setHeldText(kPath, R"({"access_token":"a-2"})");
    TokenRefresher refresher(identity_.baseUrl(), certificates_.caFile, std::chrono::minutes(5));
    std::atomic<bool> ended{false};
    Renewal renewal{Outcome::Renewed, {}};
    std::thread renewing([&] {
        renewal = refresher.refresh("r-1");
        ended = true;
    });
    ASSERT_TRUE(waitUntil([&] { return identity_.waitingAtGate() == 1; }));
    refresher.stop();
    EXPECT_TRUE(waitUntil([&] { return ended.load(); }, std::chrono::seconds(5)));
    identity_.openGate();
    renewing.join();
    EXPECT_EQ(renewal.outcome, Outcome::Failed);
    EXPECT_EQ(refresher.refresh("r-1").outcome, Outcome::Failed);
    EXPECT_EQ(identity_.count(kPath), 1);
}

}  // namespace
