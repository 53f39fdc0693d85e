#include "virtual_timers.h"

#include <algorithm>
#include <utility>

#include "forms/timer.h"

namespace forms {

void VirtualTimers::start(Timer& timer) {
  stop(timer);
  entries_.push_back({&timer, now_ + timer.interval(), order_++});
}

void VirtualTimers::stop(Timer& timer) {
  std::erase_if(entries_, [&](const Entry& e) { return e.timer == &timer; });
}

void VirtualTimers::advance(std::int64_t ms) {
  const std::int64_t target = now_ + ms;
  for (;;) {
    // The earliest due tick; of ticks due together, the one that came due first.
    auto next = std::ranges::min_element(entries_, {},
                                         [](const Entry& e) { return std::pair(e.due, e.order); });
    if (next == entries_.end() || next->due > target) break;
    now_ = next->due;
    next->due += next->timer->interval();
    next->order = order_++;
    next->timer->fire();  // may start and stop timers: `next` is not used after it
  }
  now_ = target;
}

}  // namespace forms
