#include "tests/ui/cloud/HoldRequestThreads.h"

#include <algorithm>
#include <memory>
#include <string>

#include "tests/support/WaitUntil.h"
#include "ui/cloud/BaseHttpRequest.h"

bool holdRequestThreads(HttpRequestManager& requests, FakeCloudServer& server, size_t count,
                        HttpRequestStatusNotifyInterface* observer) {
    server.setHeldText(kHeldPath, "{}");
    for (size_t i = 0; i < count; ++i) {
        auto request =
            std::make_shared<BaseHttpRequest>(server.baseUrl() + kHeldPath, HttpMethod::Get);
        request->subscribe(observer);
        requests.enqueue(request);
    }
    const auto held = static_cast<int>(std::min(count, HttpRequestManager::kMaxRunning));
    return waitUntil([&] { return server.waitingAtGate() == held; });
}
