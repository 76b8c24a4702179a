#pragma once

#include <chrono>
#include <functional>

// Asks `condition` again and again until it holds; false when it still does not after
// `timeout`. For state that another thread or process changes without telling the test;
// the timeout is far longer than anything takes, so only a hang runs into it.
bool waitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds timeout = std::chrono::seconds(10));
