#pragma once

#include <cstddef>

#include "tests/ui/cloud/FakeCloudServer.h"
#include "ui/cloud/HttpRequestManager.h"
#include "ui/cloud/HttpRequestStatusNotifyInterface.h"

// The path that the holding requests ask for.
inline constexpr const char* kHeldPath = "/api/held";

// Enqueues count requests that server holds at its gate (each subscribed by observer, when one
// is given) and waits until as many as may run at once are held: from then on, until the gate
// opens, every request thread is taken. False when they do not all arrive.
bool holdRequestThreads(HttpRequestManager& requests, FakeCloudServer& server,
                        size_t count = HttpRequestManager::kMaxRunning,
                        HttpRequestStatusNotifyInterface* observer = nullptr);
