#include "platform/forms/HeadlessBackend.h"

#include <algorithm>

#include "platform/forms/Application.h"
#include "platform/forms/OpenDialog.h"
#include "platform/forms/Timer.h"

namespace platform::forms {

void HeadlessBackend::RunLoop() {
  running_ = true;
  quit_ = false;
  while (!quit_ && !steps_.empty()) {
    std::function<void()> step = std::move(steps_.front());
    steps_.pop_front();
    Application->Dispatch(step);
  }
  running_ = false;
}

std::optional<std::string> HeadlessBackend::ExecuteOpenDialog(const TOpenDialog& dialog) {
  dialogRuns_.push_back({dialog.FileName(), dialog.InitialDir(), dialog.Filter(), dialog.Options()});
  if (dialogResults_.empty()) {
    return std::nullopt;
  }
  std::optional<std::string> result = std::move(dialogResults_.front());
  dialogResults_.pop_front();
  return result;
}

int HeadlessBackend::ShowMessageBox(TForm* owner, const std::string& text, const std::string& caption,
                                    unsigned flags) {
  questions_.push_back({owner, text, caption, flags});
  if (answers_.empty()) {
    return DefaultAnswer;
  }
  const int answer = answers_.front();
  answers_.pop_front();
  return answer;
}

void HeadlessBackend::StartTimer(TTimer& timer) {
  StopTimer(timer);
  if (timer.Running()) {
    timers_.push_back({&timer, now_ + timer.Interval(), nextOrder_++});
  }
}

void HeadlessBackend::StopTimer(TTimer& timer) {
  std::erase_if(timers_, [&timer](const ActiveTimer& active) { return active.timer == &timer; });
}

bool HeadlessBackend::TimerRunning(const TTimer& timer) const {
  return std::any_of(timers_.begin(), timers_.end(),
                     [&timer](const ActiveTimer& active) { return active.timer == &timer; });
}

void HeadlessBackend::Advance(int ms) {
  const std::int64_t target = now_ + std::max(ms, 0);
  for (;;) {
    auto next = std::min_element(timers_.begin(), timers_.end(), [](const ActiveTimer& a, const ActiveTimer& b) {
      return a.due != b.due ? a.due < b.due : a.order < b.order;
    });
    if (next == timers_.end() || next->due > target) {
      break;
    }
    now_ = next->due;
    TTimer* timer = next->timer;
    next->due += timer->Interval();
    timer->Tick();
  }
  now_ = target;
}

void HeadlessBackend::SetScreenSize(int width, int height) {
  screenWidth_ = width;
  screenHeight_ = height;
}

void HeadlessBackend::Reset() {
  steps_.clear();
  quit_ = false;
  dialogResults_.clear();
  dialogRuns_.clear();
  answers_.clear();
  questions_.clear();
  errors_.clear();
  timers_.clear();
  now_ = 0;
  nextOrder_ = 0;
  DefaultAnswer = IDYES;
}

}  // namespace platform::forms
