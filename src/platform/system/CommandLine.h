#pragma once

#include <string>

namespace platform::system {

// Stores the program's arguments; called once at start with main's argc and argv.
void SetCommandLine(int argc, const char* const* argv);

// The number of arguments after the program name.
int ParamCount();

// Argument index; index 0 is the full path of the program's own executable file (from
// /proc/self/exe when available, else argv[0]). "" for an index outside 0..ParamCount().
std::string ParamStr(int index);

}  // namespace platform::system
