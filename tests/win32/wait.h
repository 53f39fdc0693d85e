// Waiting under Wine: poll a condition every few milliseconds, pumping messages, until a
// deadline. Never a fixed sleep.
#pragma once

#include <functional>

namespace wintest {

// True as soon as `condition` holds; false when `timeoutMs` passed first.
bool waitFor(const std::function<bool()>& condition, int timeoutMs = 5000);
// Handles the messages waiting in this thread's queue.
void pumpMessages();

}  // namespace wintest
