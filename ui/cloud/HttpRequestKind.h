#pragma once

#include <cstdint>

// What HttpRequestManager::createRequest builds; other numbers give a bare request that fails
// its URL check.
enum class HttpRequestKind : int32_t {
    SoftwareVersionCheck = 1,
    FileDownload = 2,
    Logout = 5,
    UserConfigInfo = 8,
    UserConfigDownload = 9,
    UserConfigUpload = 10,
};
