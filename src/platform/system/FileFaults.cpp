#include "platform/system/FileFaults.h"

#include <utility>

namespace platform::system {

namespace {
FileFaultHook& Hook() {
  static FileFaultHook hook;
  return hook;
}
}  // namespace

void SetFileFaultHook(FileFaultHook hook) { Hook() = std::move(hook); }

int InjectedFileFault(FileStep step) { return Hook() ? Hook()(step) : 0; }

}  // namespace platform::system
