#include "ui/cloud/AuthenticationManager.h"

#include <httplib.h>
#include <sys/stat.h>

#include <QElapsedTimer>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTimer>
#include <QUrlQuery>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <functional>
#include <mutex>
#include <sstream>
#include <thread>

#include "platform/DesktopSecretKeyStore.h"
#include "platform/FileSecretKeyStore.h"
#include "platform/MemorySecretKeyStore.h"
#include "shared/prefs/FileUtils.h"
#include "shared/prefs/Paths.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/SessionBusServer.h"
#include "tests/support/SilentSecretService.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestFiles.h"
#include "tests/ui/app/QtTestMain.h"
#include "tests/ui/cloud/FakeCloudServer.h"
#include "tests/ui/cloud/TestCertificates.h"
#include "tests/ui/cloud/TestJwt.h"
#include "ui/cloud/HttpRequestManager.h"
#include "ui/cloud/JWTToken.h"
#include "ui/cloud/OAuth2Windows.h"

namespace {

const QString kRealm = QStringLiteral("/realms/pelservices");
const std::string kTokenPath = "/realms/pelservices/protocol/openid-connect/token";
const std::string kAuthPath = "/realms/pelservices/protocol/openid-connect/auth";
const std::string kRegistrationPath = "/realms/pelservices/protocol/openid-connect/registrations";
const std::string kLogoutPath = "/realms/pelservices/protocol/openid-connect/logout";

QUrlQuery formOf(const std::string& body) {
    return QUrlQuery(QString::fromStdString(body));
}

// The identity service: hands out a code for any sign-in, and tokens for that code or for the
// refresh token it issued last.
class FakeIdentity {
public:
    FakeIdentity(const TestCertificates& certificates)
        : server(certificates.local.certificate, certificates.local.key) {
        const auto authorize = [this](const ReceivedRequest& request, httplib::Response& response) {
            const QUrlQuery query(QUrl(QString::fromStdString(request.target)).query());
            QUrl back(query.queryItemValue("redirect_uri", QUrl::FullyDecoded));
            back.setQuery("code=code-1&state=" + query.queryItemValue("state"));
            response.status = 302;
            response.set_header("Location", back.toString().toStdString());
        };
        server.setReply(kAuthPath, authorize);
        server.setReply(kRegistrationPath, authorize);
        server.setReply(kTokenPath, [this](const ReceivedRequest& request, httplib::Response& r) {
            token(request, r);
        });
        server.setText(kLogoutPath, 204, "");
    }

    void token(const ReceivedRequest& request, httplib::Response& response) {
        const QUrlQuery form = formOf(request.body);
        std::lock_guard guard(mutex);
        const QString grant = form.queryItemValue("grant_type");
        const bool byCode = grant == "authorization_code" &&
                            form.queryItemValue("code") == "code-1" &&
                            form.hasQueryItem("redirect_uri");
        if (grant == "refresh_token" && renewalAnswer) {
            renewalAnswer(response);
            return;
        }
        const bool byRefresh = grant == "refresh_token" && acceptRefresh &&
                               form.queryItemValue("refresh_token").toStdString() == issuedRefresh;
        if (form.queryItemValue("client_id") != "pelauth" || (!byCode && !byRefresh)) {
            response.status = 400;
            response.set_content(R"({"error":"invalid_grant"})", "application/json");
            return;
        }
        ++grants;
        issuedAccess =
            makeJwt(accountClaims(secondsNow() + accessLifetime, "user-" + std::to_string(grants)));
        issuedRefresh =
            makeJwt(accountClaims(secondsNow() + 3600, "refresh-" + std::to_string(grants)));
        const nlohmann::json answer = {{"access_token", issuedAccess},
                                       {"refresh_token", issuedRefresh},
                                       {"token_type", "Bearer"},
                                       {"expires_in", accessLifetime}};
        response.set_content(answer.dump(), "application/json");
    }

    int tokenRequests() { return server.count(kTokenPath); }

    FakeCloudServer server;
    std::mutex mutex;
    std::string issuedAccess;
    std::string issuedRefresh;
    int grants = 0;
    int64_t accessLifetime = 300;
    bool acceptRefresh = true;
    // When set, answers every refresh in place of the rules above.
    std::function<void(httplib::Response&)> renewalAnswer;
};

// A URL at which nothing listens any more.
std::string closedUrl() {
    QTcpServer gone;
    gone.listen(QHostAddress::LocalHost, 0);
    const std::string url = "https://127.0.0.1:" + std::to_string(gone.serverPort());
    gone.close();
    return url;
}

}  // namespace

class AuthenticationManagerTest : public QObject {
    Q_OBJECT

private:
    // Shows the URL as a browser would: follows the service's redirect back to the listener,
    // later, from the event loop.
    void open(const QUrl& url) {
        opened_.push_back(url);
        if (!follow_ || url.path().endsWith("reset-credentials")) {
            return;
        }
        QNetworkRequest request(url);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                             QNetworkRequest::ManualRedirectPolicy);
        QNetworkReply* reply = browser_.get(request);
        connect(reply, &QNetworkReply::finished, this, [this, reply] {
            reply->deleteLater();
            const QUrl back(reply->header(QNetworkRequest::LocationHeader).toUrl());
            QNetworkReply* page = browser_.get(QNetworkRequest(back));
            connect(page, &QNetworkReply::finished, this, [this, page] {
                page->deleteLater();
                pages_.push_back(QString::fromUtf8(page->readAll()));
            });
        });
    }

    OAuthFlowSettings settings(uint16_t port = 0) {
        OAuthFlowSettings s;
        s.identityBaseUrl = identity_->server.baseUrl();
        s.caFile = certificates_->caFile;
        s.listenPort = port;
        s.refreshTokenPath = tokenFile_;
        s.keys = keys_;
        s.openBrowser = [this](const QUrl& url) { open(url); };
        return s;
    }

    std::unique_ptr<AuthenticationManager> manager(uint16_t port = 0) {
        auto made = std::make_unique<AuthenticationManager>();
        made->init(settings(port));
        return made;
    }

    void signIn(AuthenticationManager& auth) {
        follow_ = true;
        auth.loginWithHints("ada@example.org", "");
        QTRY_VERIFY(auth.isAuthenticated());
    }

    TemporaryFolder folder_{"whirlen-auth"};
    std::unique_ptr<TestCertificates> certificates_;
    std::unique_ptr<FakeIdentity> identity_;
    ScopedEnvironment environment_;
    std::shared_ptr<MemorySecretKeyStore> keys_ = std::make_shared<MemorySecretKeyStore>();
    std::string tokenFile_ = folder_.file("authr");
    QNetworkAccessManager browser_;
    bool follow_ = false;
    std::vector<QUrl> opened_;
    std::vector<QString> pages_;

private slots:
    void initTestCase() {
        certificates_ = std::make_unique<TestCertificates>(folder_.path().string());
        identity_ = std::make_unique<FakeIdentity>(*certificates_);
        // The sign-out goes through the program's request manager.
        environment_.set("WHIRLEN_CLOUD_IDENTITY_URL", identity_->server.baseUrl());
        environment_.set("WHIRLEN_CLOUD_CA_FILE", certificates_->caFile);
        keys_->setKey(SecretKeyStore::Key{4, 2});
        initializeGlobals();
    }

    void init() {
        follow_ = false;
        opened_.clear();
        pages_.clear();
        std::filesystem::remove(tokenFile_);
        std::lock_guard guard(identity_->mutex);
        identity_->acceptRefresh = true;
        identity_->accessLifetime = 300;
        identity_->renewalAnswer = nullptr;
    }

    // A refresh token in the file, as a previous run left it; its bytes.
    std::string storeSignIn(const std::string& refresh) {
        JWTToken token;
        token.setRawToken(refresh);
        if (!token.save(tokenFile_, *keys_)) {
            return {};
        }
        return readFileBytes(tokenFile_);
    }

    // A later start with that refresh token in the file signs in without the browser.
    bool nextStartSignsInSilently(const std::string& refresh) {
        {
            std::lock_guard guard(identity_->mutex);
            identity_->renewalAnswer = nullptr;
            identity_->acceptRefresh = true;
            identity_->issuedRefresh = refresh;
        }
        auto next = manager();
        next->login();
        return QTest::qWaitFor([&] { return next->isAuthenticated(); }) && opened_.empty();
    }

    void authorizationUrls_data() {
        QTest::addColumn<int>("operation");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QStringList>("absent");
        QTest::newRow("login hint only")
            << 0 << "/protocol/openid-connect/auth"
            << "login_hint=ada&scope=openid" << QStringList{"kc_idp_hint", "kc_action"};
        QTest::newRow("provider only")
            << 1 << "/protocol/openid-connect/auth"
            << "kc_idp_hint=google&scope=openid" << QStringList{"login_hint", "kc_action"};
        QTest::newRow("registration")
            << 2 << "/protocol/openid-connect/registrations"
            << "login_hint=ada&kc_idp_hint=microsoft&scope=email" << QStringList{"kc_action"};
        QTest::newRow("deletion") << 3 << "/protocol/openid-connect/auth"
                                  << "kc_action=delete_account&scope=openid"
                                  << QStringList{"login_hint", "kc_idp_hint"};
        QTest::newRow("password reset") << 4 << "/login-actions/reset-credentials"
                                        << "" << QStringList{"client_id"};
    }

    void authorizationUrls() {
        QFETCH(int, operation);
        QFETCH(QString, path);
        QFETCH(QString, expected);
        QFETCH(QStringList, absent);
        auto auth = manager();
        switch (operation) {
            case 0:
                auth->loginWithHints("ada", "");
                break;
            case 1:
                auth->loginWithHints("", "google");
                break;
            case 2:
                auth->registerAccount("ada", "microsoft");
                break;
            case 3:
                auth->deleteAccount();
                break;
            default:
                auth->resetPassword();
                break;
        }
        QCOMPARE(opened_.size(), size_t{1});
        const QUrl url = opened_.front();
        QCOMPARE(url.path(), kRealm + path);
        const QUrlQuery query(url);
        for (const QString& pair : expected.split('&', Qt::SkipEmptyParts)) {
            const QStringList parts = pair.split('=');
            QCOMPARE(query.queryItemValue(parts[0]), parts[1]);
        }
        if (!expected.isEmpty()) {
            QCOMPARE(query.queryItemValue("client_id"), QString("pelauth"));
            QVERIFY(query.queryItemValue("redirect_uri").startsWith("http://127.0.0.1:"));
        }
        for (const QString& name : absent) {
            QVERIFY2(!query.hasQueryItem(name), qPrintable(name));
        }
    }

    void browserSignInSurvivesARestart() {
        auto auth = manager();
        QSignalSpy changes(auth.get(), &AuthenticationManager::isAuthenticatedChanged);
        signIn(*auth);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(auth->authAccount()->username(), QString("ada"));
        QCOMPARE(auth->authAccount()->countryISO(), QString());
        QTRY_COMPARE(pages_.size(), size_t{1});
        QVERIFY(pages_.front().contains("<span>Authenticated</span><br><span>Switch back to app."));
        QVERIFY(fileExists(tokenFile_));
        auth.reset();

        follow_ = false;
        auto restarted = manager();
        QSignalSpy restored(restarted.get(), &AuthenticationManager::isAuthenticatedChanged);
        restarted->login();
        QTRY_VERIFY(restarted->isAuthenticated());
        QCOMPARE(restored.count(), 1);
        QVERIFY(opened_.size() == 1);
    }

    void deletionPageTextStaysForARegistration() {
        auto auth = manager();
        follow_ = true;
        auth->deleteAccount();
        QTRY_COMPARE(pages_.size(), size_t{1});
        QVERIFY(pages_[0].contains("<span>Account deleted</span><br><span>Switch back to app."));
        QTRY_VERIFY(auth->isAuthenticated());
        auth->registerAccount("", "");
        QTRY_COMPARE(pages_.size(), size_t{2});
        QVERIFY(pages_[1].contains("<span>Account deleted</span>"));
    }

    void silentSignInWithoutAUsableTokenDoesNothing_data() {
        QTest::addColumn<int>("stored");
        QTest::newRow("missing") << 0;
        QTest::newRow("expired") << 1;
        QTest::newRow("rejected") << 2;
    }

    void silentSignInWithoutAUsableTokenDoesNothing() {
        QFETCH(int, stored);
        if (stored != 0) {
            JWTToken token;
            token.setRawToken(makeJwt(accountClaims(secondsNow() + (stored == 1 ? -5 : 3600))));
            QVERIFY(token.save(tokenFile_, *keys_));
        }
        const int before = identity_->tokenRequests();
        auto auth = manager();
        QSignalSpy changes(auth.get(), &AuthenticationManager::isAuthenticatedChanged);
        auth->login();
        if (stored == 2) {
            QTRY_COMPARE(identity_->tokenRequests(), before + 1);
        }
        QTest::qWait(200);
        QCOMPARE(identity_->tokenRequests(), before + (stored == 2 ? 1 : 0));
        QCOMPARE(changes.count(), 0);
        QVERIFY(!auth->isAuthenticated());
        QVERIFY(opened_.empty());
    }

    void logoutSendsTheTokensAndSignsOutForGood() {
        auto auth = manager();
        QSignalSpy changes(auth.get(), &AuthenticationManager::isAuthenticatedChanged);
        signIn(*auth);
        std::string access;
        std::string refresh;
        {
            std::lock_guard guard(identity_->mutex);
            access = identity_->issuedAccess;
            refresh = identity_->issuedRefresh;
        }
        const int logouts = identity_->server.count(kLogoutPath);
        auth->logout();
        QTRY_VERIFY(!auth->isAuthenticated());
        QCOMPARE(changes.count(), 2);
        QTRY_COMPARE(identity_->server.count(kLogoutPath), logouts + 1);
        const ReceivedRequest sent = identity_->server.received().back();
        QCOMPARE(sent.body, "client_id=pelauth&refresh_token=" + refresh);
        QCOMPARE(sent.header("Authorization"), "Bearer " + access);
        QVERIFY(auth->authAccount()->username().isEmpty());

        const int tokens = identity_->tokenRequests();
        auth->login();
        QTest::qWait(200);
        QCOMPARE(identity_->tokenRequests(), tokens);
        QCOMPARE(changes.count(), 2);
        // The stored sign-in is gone too.
        JWTToken stored;
        stored.load(tokenFile_, *keys_);
        QCOMPARE(stored.rawToken(), std::string());
    }

    void logoutWithTheServiceDownStillSignsOut() {
        // A port that nothing listens on any more.
        QTcpServer gone;
        QVERIFY(gone.listen(QHostAddress::LocalHost, 0));
        const std::string url = "https://127.0.0.1:" + std::to_string(gone.serverPort());
        gone.close();
        HttpRequestManager requests(CloudEndpoints{url, url, certificates_->caFile});
        OAuthFlowSettings down = settings();
        down.requests = &requests;
        AuthenticationManager auth;
        auth.init(down);
        QSignalSpy changes(&auth, &AuthenticationManager::isAuthenticatedChanged);
        signIn(auth);
        auth.logout();
        QTRY_COMPARE(changes.count(), 2);
        QVERIFY(!auth.isAuthenticated());
        QTRY_COMPARE(requests.pendingCount(), size_t{0});
        JWTToken stored;
        stored.load(tokenFile_, *keys_);
        QCOMPARE(stored.rawToken(), std::string());
    }

    void grantWhileSignedInReportsNoChange() {
        auto auth = manager();
        QSignalSpy changes(auth.get(), &AuthenticationManager::isAuthenticatedChanged);
        signIn(*auth);
        const std::string first = auth->token();
        auth->login();
        QTRY_VERIFY(auth->token() != first);
        QCOMPARE(changes.count(), 1);
    }

    void listensOnLoopbackOnly() {
        OAuth2Windows flow(settings());
        QVERIFY(flow.isListening());
        const QUrl redirect(flow.redirectUri());
        QCOMPARE(redirect.host(), QString("127.0.0.1"));
        std::ifstream table("/proc/net/tcp");
        std::stringstream text;
        text << table.rdbuf();
        char local[32];
        std::snprintf(local, sizeof(local), "0100007F:%04X",
                      static_cast<unsigned>(redirect.port()));
        char any[32];
        std::snprintf(any, sizeof(any), "00000000:%04X", static_cast<unsigned>(redirect.port()));
        QVERIFY(text.str().find(local) != std::string::npos);
        QVERIFY(text.str().find(any) == std::string::npos);
    }

    void takenPortOpensNoBrowser() {
        QTcpServer squatter;
        QVERIFY(squatter.listen(QHostAddress::LocalHost, 0));
        auto auth = manager(squatter.serverPort());
        auth->loginWithHints("ada", "");
        auth->registerAccount("", "");
        QVERIFY(opened_.empty());
    }

    // The port's holder may go away: the next sign-in listens again and starts.
    void aSignInStartsOnceThePortIsFreed() {
        QTcpServer squatter;
        QVERIFY(squatter.listen(QHostAddress::LocalHost, 0));
        const uint16_t port = squatter.serverPort();
        auto auth = manager(port);
        QCOMPARE(auth->signInPort(), port);
        QVERIFY(!auth->canStartSignIn());
        QVERIFY(opened_.empty());

        squatter.close();
        QVERIFY(auth->canStartSignIn());
        auth->loginWithHints("ada", "");
        QCOMPARE(opened_.size(), size_t{1});
        const QUrlQuery query(opened_[0]);
        const QUrl back{query.queryItemValue("redirect_uri", QUrl::FullyDecoded)};
        QCOMPARE(back.port(), int{port});
    }

    // The desktop's Secret Service owns its name but never answers. The event loop (and so
    // the window) keeps turning from the start through the sign-in, whose refresh token is
    // sealed with the key file.
    void aSilentSecretServiceNeverStopsTheEventLoop() {
        SessionBusServer bus;
        if (!bus.running()) {
            QSKIP("no dbus-daemon");
        }
        SilentSecretService silent(bus.address());
        QVERIFY(silent.owned());
        const std::string keyFile = folder_.file("authk");
        std::filesystem::remove(keyFile);
        OAuthFlowSettings flowSettings = settings();
        flowSettings.keys =
            std::make_shared<DesktopSecretKeyStore>(keyFile, std::chrono::milliseconds(500));
        QElapsedTimer sinceTick;
        qint64 longestGap = 0;
        QTimer ticks;
        ticks.setInterval(10);
        connect(&ticks, &QTimer::timeout, this,
                [&] { longestGap = std::max(longestGap, sinceTick.restart()); });
        sinceTick.start();
        ticks.start();

        AuthenticationManager auth;
        auth.init(std::move(flowSettings));
        // The user takes longer in the browser than the service is given to answer.
        QTest::qWait(800);
        signIn(auth);
        ticks.stop();

        QVERIFY2(longestGap < 250, QByteArray::number(longestGap).constData());
        QVERIFY(silent.calls() > 0);
        FileSecretKeyStore file(keyFile);
        JWTToken stored;
        stored.load(tokenFile_, file);
        QVERIFY(!stored.rawToken().empty());
    }

    void expiringAccessTokenIsRenewedBeforeARequest() {
        {
            std::lock_guard guard(identity_->mutex);
            identity_->accessLifetime = 10;
        }
        auto auth = manager();
        signIn(*auth);
        const std::string old = auth->token();
        const int before = identity_->tokenRequests();
        std::string fresh;
        std::thread worker([&] { fresh = auth->tokenForRequest(); });
        worker.join();
        QCOMPARE(identity_->tokenRequests(), before + 1);
        QVERIFY(fresh != old && !fresh.empty());
        QCOMPARE(auth->token(), fresh);
        std::string issued;
        {
            std::lock_guard guard(identity_->mutex);
            issued = identity_->issuedRefresh;
        }
        // The renewed refresh token is kept for the next start.
        QTRY_VERIFY([&] {
            JWTToken stored;
            stored.load(tokenFile_, *keys_);
            return stored.rawToken() == issued;
        }());
        QVERIFY(auth->isAuthenticated());
    }

    // Negative statuses: -1 nothing listens, -2 no answer before the renewal's time-out. The
    // body "ACCESS_ONLY" stands for a renewal that brings a new access token only.
    void renewalEndsTheSignInOnlyWhenRefused_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("body");
        QTest::addColumn<bool>("signsOut");
        QTest::newRow("503") << 503 << "Service Unavailable" << false;
        QTest::newRow("500") << 500 << R"({"error":"server_error"})" << false;
        QTest::newRow("refused connection") << -1 << "" << false;
        QTest::newRow("time-out") << -2 << "" << false;
        QTest::newRow("malformed JSON") << 200 << R"({"access_token":)" << false;
        QTest::newRow("no refresh_token") << 200 << "ACCESS_ONLY" << false;
        QTest::newRow("400 without an OAuth error") << 400 << "<html>Bad Request</html>" << false;
        QTest::newRow("400 invalid_grant") << 400 << R"({"error":"invalid_grant"})" << true;
        QTest::newRow("401") << 401 << R"({"error":"invalid_client"})" << true;
    }

    void renewalEndsTheSignInOnlyWhenRefused() {
        QFETCH(int, status);
        QFETCH(QString, body);
        QFETCH(bool, signsOut);
        const bool accessOnly = body == "ACCESS_ONLY";
        const std::string renewed = makeJwt(accountClaims(secondsNow() + 3600, "renewed"));
        const std::string answer =
            accessOnly ? nlohmann::json{{"access_token", renewed}, {"token_type", "Bearer"}}.dump()
                       : body.toStdString();
        {
            std::lock_guard guard(identity_->mutex);
            identity_->renewalAnswer = [status, answer](httplib::Response& response) {
                if (status == -2) {
                    std::this_thread::sleep_for(std::chrono::seconds(1));
                }
                response.status = status > 0 ? status : 200;
                response.set_content(answer, "application/json");
            };
        }
        const std::string stored = makeJwt(accountClaims(secondsNow() + 3600, "refresh-stored"));
        const std::string file = storeSignIn(stored);
        QVERIFY(!file.empty());
        OAuthFlowSettings signIn = settings();
        signIn.renewalTimeout = std::chrono::milliseconds(300);
        if (status == -1) {
            signIn.identityBaseUrl = closedUrl();
        }
        AuthenticationManager auth;
        auth.init(signIn);
        const std::string expiring = makeJwt(accountClaims(secondsNow() + 10));
        auth.setToken(expiring);
        QVERIFY(auth.isAuthenticated());
        QSignalSpy changes(&auth, &AuthenticationManager::isAuthenticatedChanged);
        const int before = identity_->tokenRequests();

        const std::string token = auth.tokenForRequest();
        if (signsOut) {
            QCOMPARE(token, std::string());
            QTRY_COMPARE(changes.count(), 1);
            QVERIFY(!auth.isAuthenticated());
            QVERIFY(auth.authAccount()->username().isEmpty());
            JWTToken left;
            left.load(tokenFile_, *keys_);
            QCOMPARE(left.rawToken(), std::string());
            return;
        }
        // The request goes on with the token at hand, or the renewed one.
        QCOMPARE(token, accessOnly ? renewed : expiring);
        QTest::qWait(100);
        QVERIFY(auth.isAuthenticated());
        QCOMPARE(changes.count(), 0);
        QCOMPARE(auth.authAccount()->username(), QString("ada"));
        QCOMPARE(readFileBytes(tokenFile_), file);
        if (!accessOnly) {
            // The next request tries again.
            QCOMPARE(auth.tokenForRequest(), expiring);
            if (status != -1) {
                QCOMPARE(identity_->tokenRequests(), before + 2);
            }
            QCOMPARE(readFileBytes(tokenFile_), file);
        }
        QVERIFY(nextStartSignsInSilently(stored));
    }

    // The start-up renewal too keeps the stored refresh token when the service sends none.
    void silentSignInWithoutANewRefreshTokenKeepsTheStoredOne() {
        const std::string stored = makeJwt(accountClaims(secondsNow() + 3600, "refresh-stored"));
        const std::string file = storeSignIn(stored);
        const std::string access = makeJwt(accountClaims(secondsNow() + 3600, "user-9"));
        {
            std::lock_guard guard(identity_->mutex);
            identity_->renewalAnswer = [access](httplib::Response& response) {
                response.set_content(
                    nlohmann::json{{"access_token", access}, {"token_type", "Bearer"}}.dump(),
                    "application/json");
            };
        }
        auto auth = manager();
        auth->login();
        QTRY_VERIFY(auth->isAuthenticated());
        QCOMPARE(auth->token(), access);
        QCOMPARE(readFileBytes(tokenFile_), file);
        QVERIFY(nextStartSignsInSilently(stored));
    }

    // Whatever stands where the sign-in is kept, the start neither blocks nor signs in.
    void unusableTokenFileLeavesTheStartSignedOut_data() {
        QTest::addColumn<int>("kind");
        QTest::newRow("FIFO") << 0;
        QTest::newRow("2 MB") << 1;
        QTest::newRow("0 bytes") << 2;
    }

    void unusableTokenFileLeavesTheStartSignedOut() {
        QFETCH(int, kind);
        if (kind == 0) {
            QCOMPARE(::mkfifo(tokenFile_.c_str(), 0600), 0);
        } else {
            writeFileBytes(tokenFile_, std::string(kind == 1 ? 2 * 1024 * 1024 : 0, 'a'));
        }
        const int before = identity_->tokenRequests();
        auto auth = manager();
        QSignalSpy changes(auth.get(), &AuthenticationManager::isAuthenticatedChanged);
        auth->login();
        QTest::qWait(200);
        QVERIFY(!auth->isAuthenticated());
        QCOMPARE(changes.count(), 0);
        QCOMPARE(identity_->tokenRequests(), before);
        QVERIFY(opened_.empty());
    }

    void forwardersWithoutAFlowDoNothing() {
        AuthenticationManager auth;
        auth.login();
        auth.loginWithHints("a", "b");
        auth.registerAccount("a", "b");
        auth.deleteAccount();
        auth.logout();
        auth.resetPassword();
        QVERIFY(opened_.empty());
        QVERIFY(!auth.isAuthenticated());
    }
};

WHIRLEN_QT_TEST_MAIN(AuthenticationManagerTest)

#include "AuthenticationManagerTest.moc"
