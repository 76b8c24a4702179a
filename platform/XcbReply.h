#pragma once

#include <cstdlib>
#include <memory>

// An xcb reply, which the caller owns and frees with free().
struct XcbReplyFree {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename T>
using XcbReply = std::unique_ptr<T, XcbReplyFree>;
