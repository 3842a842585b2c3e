#pragma once

#include <cerrno>
#include <vector>

#include "platform/system/FileFaults.h"

// Installs a fault hook for the life of the object: it counts the steps the file routines take
// and, when asked, makes the step with a given index fail.
class FaultInjection {
public:
  // failAt: index of the step that fails (-1: none).
  explicit FaultInjection(int failAt = -1) : failAt_(failAt) {
    platform::system::SetFileFaultHook([this](platform::system::FileStep step) {
      const int index = static_cast<int>(steps_.size());
      steps_.push_back(step);
      if (index != failAt_) return 0;
      return step == platform::system::FileStep::Write ? ENOSPC : EIO;
    });
  }
  ~FaultInjection() { platform::system::SetFileFaultHook(nullptr); }
  FaultInjection(const FaultInjection&) = delete;
  FaultInjection& operator=(const FaultInjection&) = delete;

  const std::vector<platform::system::FileStep>& Steps() const { return steps_; }

private:
  int failAt_;
  std::vector<platform::system::FileStep> steps_;
};
