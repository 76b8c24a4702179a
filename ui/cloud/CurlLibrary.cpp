#include "ui/cloud/CurlLibrary.h"

#include <csignal>

#include "platform/SharedLibrary.h"
#include "shared/prefs/LogManager.h"

namespace {

// libcurl's soname, unchanged since libcurl 7.16.
constexpr const char* kFileName = "libcurl.so.4";

const SharedLibrary& library() {
    static const SharedLibrary library(kFileName);
    return library;
}

}  // namespace

CurlLibrary& CurlLibrary::instance() {
    static CurlLibrary library;
    return library;
}

CurlLibrary::~CurlLibrary() {
    if (ready_) {
        globalCleanup_();
    }
}

bool CurlLibrary::setUp() {
    std::call_once(setUp_, [this] {
        decltype(&curl_global_init) globalInit = nullptr;
        if (!load() || !library().resolve(globalInit, "curl_global_init")) {
            return;
        }
        // A peer that closes a TLS connection early must not end the program.
        std::signal(SIGPIPE, SIG_IGN);
        ready_ = globalInit(CURL_GLOBAL_DEFAULT) == CURLE_OK;
        if (!ready_) {
            LogManager::instance().log('E', "Unable to set up libcurl");
        }
    });
    return ready_;
}

bool CurlLibrary::load() {
    const SharedLibrary& curl = library();
    return curl.resolve(globalCleanup_, "curl_global_cleanup") &&
           curl.resolve(easyInit, "curl_easy_init") &&
           curl.resolve(easyCleanup, "curl_easy_cleanup") &&
           curl.resolve(easySetopt, "curl_easy_setopt") &&
           curl.resolve(easyGetinfo, "curl_easy_getinfo") &&
           curl.resolve(easyStrerror, "curl_easy_strerror") &&
           curl.resolve(slistAppend, "curl_slist_append") &&
           curl.resolve(slistFreeAll, "curl_slist_free_all") &&
           curl.resolve(mimeInit, "curl_mime_init") && curl.resolve(mimeFree, "curl_mime_free") &&
           curl.resolve(mimeAddpart, "curl_mime_addpart") &&
           curl.resolve(mimeName, "curl_mime_name") &&
           curl.resolve(mimeFiledata, "curl_mime_filedata") &&
           curl.resolve(mimeData, "curl_mime_data") && curl.resolve(multiInit, "curl_multi_init") &&
           curl.resolve(multiCleanup, "curl_multi_cleanup") &&
           curl.resolve(multiAddHandle, "curl_multi_add_handle") &&
           curl.resolve(multiRemoveHandle, "curl_multi_remove_handle") &&
           curl.resolve(multiPerform, "curl_multi_perform") &&
           curl.resolve(multiPoll, "curl_multi_poll") &&
           curl.resolve(multiWakeup, "curl_multi_wakeup") &&
           curl.resolve(multiInfoRead, "curl_multi_info_read");
}
