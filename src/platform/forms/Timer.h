#pragma once

#include <functional>

#include "platform/forms/Component.h"

namespace platform::forms {

using TTimerEvent = std::function<void(TObject* sender)>;

// Runs OnTimer every Interval milliseconds while Enabled, on the user-interface thread. Time is
// kept by the Application's backend; enabling or changing the interval starts the count anew.
class TTimer : public TComponent {
public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  int Interval() const { return interval_; }
  void SetInterval(int interval);
  // Enabled with a positive Interval.
  bool Running() const { return enabled_ && interval_ > 0; }

  TTimerEvent OnTimer;

  // A tick from the backend: runs OnTimer (through the Application's guard) while Running.
  void Tick();

private:
  void Restart();

  bool enabled_ = true;
  int interval_ = 1000;
};

}  // namespace platform::forms
