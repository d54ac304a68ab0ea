#include "kassio/platform/foundation/VirtualRunLoop.h"

#include <algorithm>

#include "kassio/platform/foundation/RunLoopTimer.h"

namespace kassio::platform {

VirtualRunLoop::VirtualRunLoop(Date start) : now_(start) {}

VirtualRunLoop::~VirtualRunLoop() {
  for (Request* request = inbox_.exchange(nullptr); request != nullptr;) {
    delete std::exchange(request, request->next);
  }
}

void VirtualRunLoop::async(std::function<void()> task) { asyncAfter(0, std::move(task)); }

void VirtualRunLoop::asyncAfter(TimeInterval delay, std::function<void()> task) {
  if (task) push(std::max(0.0, delay), std::move(task), nullptr);
}

std::shared_ptr<Timer> VirtualRunLoop::scheduledTimer(TimeInterval interval, bool repeats,
                                                      std::function<void(Timer&)> block) {
  auto timer = std::make_shared<RunLoopTimer>(interval, repeats, std::move(block));
  push(timer->interval(), nullptr, timer);
  return timer;
}

void VirtualRunLoop::push(TimeInterval delay, std::function<void()> task,
                          std::shared_ptr<RunLoopTimer> timer) {
  auto* request = new Request{delay, std::move(task), std::move(timer)};
  request->next = inbox_.load(std::memory_order_relaxed);
  while (!inbox_.compare_exchange_weak(request->next, request, std::memory_order_release,
                                       std::memory_order_relaxed)) {
  }
}

void VirtualRunLoop::takeInbox() {
  // Take the whole list at once (so no node is ever popped while another thread pushes), then
  // schedule it oldest first.
  Request* newestFirst = inbox_.exchange(nullptr, std::memory_order_acquire);
  Request* oldestFirst = nullptr;
  while (newestFirst != nullptr) {
    Request* next = newestFirst->next;
    newestFirst->next = oldestFirst;
    oldestFirst = newestFirst;
    newestFirst = next;
  }
  while (oldestFirst != nullptr) {
    std::unique_ptr<Request> request(std::exchange(oldestFirst, oldestFirst->next));
    schedule(now_.addingTimeInterval(request->delay),
             Entry{std::move(request->task), std::move(request->timer)});
  }
}

void VirtualRunLoop::schedule(Date due, Entry entry) {
  queue_.emplace(Key{due, nextSequence_++}, std::move(entry));
}

void VirtualRunLoop::runThrough(Date limit) {
  for (;;) {
    takeInbox();
    auto first = queue_.begin();
    if (first == queue_.end() || first->first.first > limit) return;
    Date due = first->first.first;
    Entry entry = std::move(first->second);
    queue_.erase(first);
    now_ = std::max(now_, due);  // a nested advance may already have moved past it
    if (entry.timer) {
      if (entry.timer->fire()) {
        Date next = due.addingTimeInterval(entry.timer->interval());
        schedule(next, std::move(entry));
      }
    } else {
      entry.task();
    }
  }
}

void VirtualRunLoop::runDue() { runThrough(now_); }

void VirtualRunLoop::advance(TimeInterval seconds) {
  Date target = now_.addingTimeInterval(std::max(0.0, seconds));
  runThrough(target);
  now_ = std::max(now_, target);
}

bool VirtualRunLoop::hasPendingTasks() { return nextDueDate().has_value(); }

std::optional<Date> VirtualRunLoop::nextDueDate() {
  takeInbox();
  while (!queue_.empty() && queue_.begin()->second.timer &&
         !queue_.begin()->second.timer->isValid()) {
    queue_.erase(queue_.begin());
  }
  if (queue_.empty()) return std::nullopt;
  return queue_.begin()->first.first;
}

}  // namespace kassio::platform
