#include "platform/forms/Timer.h"

#include "platform/forms/Application.h"

namespace platform::forms {

TTimer::TTimer(TComponent* owner) : TComponent(owner) { Restart(); }

TTimer::~TTimer() { Application->Backend().StopTimer(*this); }

void TTimer::SetEnabled(bool enabled) {
  if (enabled != enabled_) {
    enabled_ = enabled;
    Restart();
  }
}

void TTimer::SetInterval(int interval) {
  if (interval != interval_) {
    interval_ = interval;
    Restart();
  }
}

void TTimer::Tick() {
  if (!Running()) {
    return;
  }
  Application->Dispatch([this] {
    if (OnTimer) {
      OnTimer(this);
    }
  });
}

void TTimer::Restart() {
  if (Running()) {
    Application->Backend().StartTimer(*this);
  } else {
    Application->Backend().StopTimer(*this);
  }
}

}  // namespace platform::forms
