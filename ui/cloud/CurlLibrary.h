#pragma once

#include <curl/curl.h>

#include <mutex>

// libcurl's process-wide state. libcurl is loaded and set up only for the first request: it
// brings some thirty libraries (its TLS, SSH, LDAP and IDN stacks) that would otherwise be
// loaded and initialised before the window's first frame, and setting it up configures
// OpenSSL, a few MiB that a run which neither signs in nor checks for updates need not pay.
// The holder is built early and torn down late (see BaseHttpRequest::keepLibraryUntilExit).
class CurlLibrary {
public:
    static CurlLibrary& instance();

    // Loads and sets up libcurl, once for the process; false, logged, when it cannot be. Until
    // it has returned true none of the functions below may be called.
    bool setUp();

    decltype(&curl_easy_init) easyInit = nullptr;
    decltype(&curl_easy_cleanup) easyCleanup = nullptr;
    decltype(&curl_easy_setopt) easySetopt = nullptr;
    decltype(&curl_easy_getinfo) easyGetinfo = nullptr;
    decltype(&curl_easy_strerror) easyStrerror = nullptr;
    decltype(&curl_slist_append) slistAppend = nullptr;
    decltype(&curl_slist_free_all) slistFreeAll = nullptr;
    decltype(&curl_mime_init) mimeInit = nullptr;
    decltype(&curl_mime_free) mimeFree = nullptr;
    decltype(&curl_mime_addpart) mimeAddpart = nullptr;
    decltype(&curl_mime_name) mimeName = nullptr;
    decltype(&curl_mime_filedata) mimeFiledata = nullptr;
    decltype(&curl_mime_data) mimeData = nullptr;
    decltype(&curl_multi_init) multiInit = nullptr;
    decltype(&curl_multi_cleanup) multiCleanup = nullptr;
    decltype(&curl_multi_add_handle) multiAddHandle = nullptr;
    decltype(&curl_multi_remove_handle) multiRemoveHandle = nullptr;
    decltype(&curl_multi_perform) multiPerform = nullptr;
    decltype(&curl_multi_poll) multiPoll = nullptr;
    decltype(&curl_multi_wakeup) multiWakeup = nullptr;
    decltype(&curl_multi_info_read) multiInfoRead = nullptr;

private:
    CurlLibrary() = default;
    ~CurlLibrary();
    CurlLibrary(const CurlLibrary&) = delete;
    CurlLibrary& operator=(const CurlLibrary&) = delete;

    bool load();

    std::once_flag setUp_;
    bool ready_ = false;
    decltype(&curl_global_cleanup) globalCleanup_ = nullptr;
};
