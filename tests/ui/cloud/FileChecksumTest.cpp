#include "ui/cloud/FileChecksum.h"

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "shared/prefs/FileUtils.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestFiles.h"
#include "tests/support/WaitUntil.h"
#include "ui/cloud/CloudEndpoints.h"
#include "ui/cloud/HttpRequestManager.h"

namespace {

// What a hash told when it ended.
class DoneRecorder : public FileChecksumNotifyInterface {
public:
    void onChecksumDone(FileChecksum& checksum) override {
        std::lock_guard guard(mutex_);
        ++count_;
        digest_ = checksum.digest();
        thread_ = std::this_thread::get_id();
    }

    int count() const {
        std::lock_guard guard(mutex_);
        return count_;
    }
    std::string digest() const {
        std::lock_guard guard(mutex_);
        return digest_;
    }
    std::thread::id thread() const {
        std::lock_guard guard(mutex_);
        return thread_;
    }

private:
    mutable std::mutex mutex_;
    int count_ = 0;
    std::string digest_;
    std::thread::id thread_;
};

// Whether the process has libcurl loaded; never loads it.
bool libcurlLoaded() {
    void* handle = dlopen("libcurl.so.4", RTLD_LAZY | RTLD_NOLOAD);
    if (handle != nullptr) {
        dlclose(handle);
    }
    return handle != nullptr;
}

// Hashes the file on a request thread, as the procedures do, says on standard error what came of
// it, and ends the process. The process ends without running destructors, so it removes the
// folder it made the file in itself.
[[noreturn]] void hashOnARequestThreadAndTell(const TemporaryFolder& folder,
                                              const std::string& path) {
    HttpRequestManager requests(CloudEndpoints{});
    DoneRecorder done;
    auto checksum = std::make_shared<FileChecksum>(path);
    checksum->subscribe(&done);
    requests.enqueue(checksum);
    const bool told = waitUntil([&] { return done.count() == 1; });
    requests.shutdown();
    std::fprintf(stderr, "told: %s; on: %s; digest: %s; libcurl: %s\n", told ? "yes" : "no",
                 done.thread() == std::this_thread::get_id() ? "the caller's thread" : "another",
                 done.digest().c_str(), libcurlLoaded() ? "loaded" : "not loaded");
    std::filesystem::remove_all(folder.path());
    std::exit(0);
}

// A hash needs nothing of HTTP: it runs on a request thread without loading libcurl, whose
// libraries and set-up a run that never speaks to the cloud does not pay for.
TEST(FileChecksumTest, HashesOnARequestThreadWithoutLoadingLibcurl) {
    TemporaryFolder folder("whirlen-checksum");
    const std::string path = folder.file("installer");
    const std::string content(300000, 'w');
    writeFileBytes(path, content);
    // In a fresh process: the requests of this program's other tests load libcurl.
    const std::string style = GTEST_FLAG_GET(death_test_style);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(hashOnARequestThreadAndTell(folder, path), ::testing::ExitedWithCode(0),
                "told: yes; on: another; digest: " + md5Hex(content) + "; libcurl: not loaded");
    GTEST_FLAG_SET(death_test_style, style);
}

// The procedures wait for the hash to tell them it ended: it does so also when it could not be
// worked out, with no digest that could match.
TEST(FileChecksumTest, AHashThatCannotBeWorkedOutStillTellsItsEnd) {
    TemporaryFolder folder("whirlen-checksum");
    writeFileBytes(folder.file("file"), "content");
    struct Case {
        std::string name;
        std::string path;
        bool cancelled;
    };
    const Case cases[] = {
        {"missing file", folder.file("missing"), false},
        {"folder", folder.path().string(), false},
        {"cancelled before it runs", folder.file("file"), true},
    };
    for (const Case& c : cases) {
        FileChecksum checksum(c.path);
        DoneRecorder done;
        checksum.subscribe(&done);
        checksum.cancel(c.cancelled);
        checksum.perform();
        EXPECT_EQ(done.count(), 1) << c.name;
        EXPECT_EQ(checksum.digest(), "") << c.name;
        EXPECT_FALSE(checksum.matches("")) << c.name;
        EXPECT_FALSE(checksum.matches(md5Hex("content"))) << c.name;
    }
}

}  // namespace
