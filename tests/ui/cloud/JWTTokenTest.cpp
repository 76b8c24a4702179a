#include "ui/cloud/JWTToken.h"

#include <sys/stat.h>

#include <future>
#include <memory>
#include <thread>

#include <gtest/gtest.h>

#include "platform/DataProtection.h"
#include "platform/MemorySecretKeyStore.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestFiles.h"
#include "tests/ui/cloud/TestJwt.h"
#include "ui/cloud/JwtClaims.h"

namespace {

using Json = nlohmann::json;

struct ValidityCase {
    const char* name;
    std::string token;
    bool valid;
};

std::vector<ValidityCase> validityCases() {
    const int64_t now = secondsNow();
    Json noSub = accountClaims(now + 600);
    noSub.erase("sub");
    Json stringExp = accountClaims(0);
    stringExp["exp"] = std::to_string(now + 600);
    Json fractionExp = accountClaims(0);
    fractionExp["exp"] = static_cast<double>(now) + 600.5;
    const std::string good = makeJwt(accountClaims(now + 600));
    return {
        {"later exp", good, true},
        {"exp is now", makeJwt(accountClaims(now)), false},
        {"exp past", makeJwt(accountClaims(now - 1)), false},
        {"exp a string", makeJwt(stringExp), false},
        {"exp a fraction", makeJwt(fractionExp), false},
        {"no sub", makeJwt(noSub), false},
        {"two parts", good.substr(0, good.rfind('.')), false},
        {"four parts", good + ".eHl6", false},
        {"byte outside base64url", good.substr(0, 5) + "\xc3\xa9" + good.substr(5), false},
        {"plus and slash", good.substr(0, 5) + "+/" + good.substr(5), false},
        {"header not an object",
         base64Url("[1]") + "." + base64Url(accountClaims(now + 600).dump()) + ".c2ln", false},
        {"alg not a text", makeJwt(accountClaims(now + 600), {{"alg", 5}, {"typ", "JWT"}}), false},
        {"typ not a text",
         makeJwt(accountClaims(now + 600), {{"alg", "RS256"}, {"typ", Json::array()}}), false},
        {"payload not an object",
         base64Url(R"({"alg":"RS256","typ":"JWT"})") + "." + base64Url("7") + ".c2ln", false},
        {"payload not JSON",
         base64Url(R"({"alg":"RS256","typ":"JWT"})") + "." + base64Url("{") + ".c2ln", false},
        {"empty", "", false},
    };
}

TEST(JWTTokenTest, ValidityFollowsExpiryAndSubject) {
    for (const ValidityCase& c : validityCases()) {
        SCOPED_TRACE(c.name);
        JWTToken token;
        token.setRawToken(c.token);
        EXPECT_EQ(token.isValid(), c.valid);
    }
}

TEST(JWTTokenTest, UndecodableTokenKeepsTheLastClaims) {
    JWTToken token;
    token.setRawToken(makeJwt(accountClaims(secondsNow() + 600)));
    token.setRawToken("not.a.token!");
    EXPECT_EQ(token.claims()["email"], "ada@example.org");
    // The text changed, and an undecodable text counts as no valid token only by its claims.
    EXPECT_EQ(token.rawToken(), "not.a.token!");
    EXPECT_EQ(decodeJwtClaims("not.a.token!"), std::nullopt);
}

class RefreshTokenFileTest : public ::testing::Test {
protected:
    RefreshTokenFileTest() { keys_.setKey(SecretKeyStore::Key{1, 2, 3}); }

    std::string saved(const std::string& raw) {
        JWTToken token;
        token.setRawToken(raw);
        EXPECT_TRUE(token.save(path_, keys_));
        JWTToken loaded;
        loaded.load(path_, keys_);
        return loaded.rawToken();
    }

    TemporaryFolder folder_{"whirlen-token"};
    const std::string path_ = folder_.file("authr");
    MemorySecretKeyStore keys_;
};

TEST_F(RefreshTokenFileTest, RoundTripInAFileOnlyTheUserReads) {
    const std::string raw = makeJwt(accountClaims(secondsNow() + 600));
    EXPECT_EQ(saved(raw), raw);
    struct stat status {};
    ASSERT_EQ(stat(path_.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);
    EXPECT_EQ(readFileBytes(path_).find(raw), std::string::npos);
}

TEST_F(RefreshTokenFileTest, EmptyTokenLoadsAsNone) {
    EXPECT_EQ(saved(""), "");
    EXPECT_TRUE(std::filesystem::exists(path_));
}

TEST_F(RefreshTokenFileTest, FilesOf1024BytesOrMoreAreNotRead) {
    // The blob is 29 bytes longer than the token.
    const std::string justFits(1023 - 29, 'a');
    EXPECT_EQ(saved(justFits), justFits);
    const std::string sealed = readFileBytes(path_);
    EXPECT_EQ(sealed.size(), 1023u);
    // Not even the part that would open: a whole sealed sign-in with a byte after it.
    writeFileBytes(path_, sealed + "x");
    JWTToken longer;
    longer.load(path_, keys_);
    EXPECT_EQ(longer.rawToken(), "");
    const std::string tooLong(1024 - 29, 'a');
    EXPECT_EQ(saved(tooLong), "");
    EXPECT_EQ(readFileBytes(path_).size(), 1024u);
}

// Whatever stands at the path, reading it neither blocks nor reads more than a token file holds.
TEST_F(RefreshTokenFileTest, OnlyASmallRegularFileIsRead) {
    const std::string fifo = folder_.file("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string large = folder_.file("large");
    writeFileBytes(large, std::string(2 * 1024 * 1024, 'a'));
    const std::string empty = folder_.file("empty");
    writeFileBytes(empty, "");
    const auto keys = std::make_shared<MemorySecretKeyStore>();
    keys->setKey(SecretKeyStore::Key{1, 2, 3});
    for (const std::string& path :
         {fifo, large, empty, std::string("/dev/zero"), folder_.path().string()}) {
        SCOPED_TRACE(path);
        auto loaded = std::make_shared<std::promise<std::string>>();
        std::future<std::string> token = loaded->get_future();
        // Detached, so that a read that blocks fails the test instead of hanging it.
        std::thread([path, keys, loaded] {
            JWTToken stored;
            stored.load(path, *keys);
            loaded->set_value(stored.rawToken());
        }).detach();
        ASSERT_EQ(token.wait_for(std::chrono::seconds(10)), std::future_status::ready);
        EXPECT_EQ(token.get(), "");
    }
}

TEST_F(RefreshTokenFileTest, TamperedFileOtherKeyOrNoKeyGiveNoToken) {
    const std::string raw = makeJwt(accountClaims(secondsNow() + 600));
    saved(raw);
    const std::string blob = readFileBytes(path_);
    for (size_t at : {size_t{0}, size_t{5}, blob.size() / 2, blob.size() - 1}) {
        SCOPED_TRACE(at);
        std::string tampered = blob;
        tampered[at] = static_cast<char>(tampered[at] ^ 0x01);
        writeFileBytes(path_, tampered);
        JWTToken loaded;
        loaded.load(path_, keys_);
        EXPECT_EQ(loaded.rawToken(), "");
    }
    writeFileBytes(path_, blob);
    keys_.setKey(SecretKeyStore::Key{9});
    JWTToken otherKey;
    otherKey.load(path_, keys_);
    EXPECT_EQ(otherKey.rawToken(), "");
    keys_.setKey(std::nullopt);
    JWTToken noKey;
    noKey.load(path_, keys_);
    EXPECT_EQ(noKey.rawToken(), "");
    EXPECT_FALSE(noKey.save(path_, keys_));
}

TEST(DataProtectionTest, OtherEntropyOpensNothingAndEachSealIsFresh) {
    MemorySecretKeyStore keys;
    keys.setKey(SecretKeyStore::Key{7});
    const auto first = protectData(keys, "secret", "entropy-1234");
    const auto second = protectData(keys, "secret", "entropy-1234");
    ASSERT_TRUE(first && second);
    EXPECT_NE(*first, *second);
    EXPECT_EQ(unprotectData(keys, *first, "entropy-1234"), "secret");
    EXPECT_EQ(unprotectData(keys, *first, "entropy-1235"), std::nullopt);
    EXPECT_EQ(unprotectData(keys, first->substr(0, 10), "entropy-1234"), std::nullopt);
}

}  // namespace
