#pragma once

#include <functional>

namespace platform::system {

// The steps of the file routines that can fail on their own: a full disk, an I/O error, a
// folder that refuses a new entry.
enum class FileStep { Create, Write, Flush, Truncate, Rename, FlushFolder };

// A seam for tests: when set, the hook runs before every step and a non-zero result makes that
// step fail with that error number, as if the system had refused it. Unset, every step runs.
using FileFaultHook = std::function<int(FileStep)>;
void SetFileFaultHook(FileFaultHook hook);

// 0 when the step may run, else the error number it must fail with.
int InjectedFileFault(FileStep step);

}  // namespace platform::system
