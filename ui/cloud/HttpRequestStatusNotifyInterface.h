#pragma once

#include <cstdint>

class BaseHttpRequest;

// Told of a request's progress and end, on the request's worker thread. A subscriber may read
// the request (result, responseBody) from within these calls and may unsubscribe there, but must
// not perform it again.
class HttpRequestStatusNotifyInterface {
public:
    virtual ~HttpRequestStatusNotifyInterface() = default;

    // 1 started, 2 finished. The response is readable only during the call with 2: the request
    // is cleaned up right after it.
    virtual void onStateChanged(BaseHttpRequest& /*request*/, uint32_t /*state*/) {}
    // The HTTP status of a completed transfer.
    virtual void onResponseCode(BaseHttpRequest& /*request*/, int32_t /*code*/) {}
    // Thousandths (0..1000) of each direction.
    virtual void onProgress(BaseHttpRequest& /*request*/, int32_t /*downloadPermille*/,
                            int32_t /*uploadPermille*/) {}
};
