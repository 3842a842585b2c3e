#include "platform/system/CommandLine.h"

#include <unistd.h>

#include <vector>

namespace platform::system {

namespace {
std::vector<std::string>& Arguments() {
  static std::vector<std::string> arguments;
  return arguments;
}

std::string ExecutablePath() {
  std::string path(4096, '\0');
  const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
  if (length <= 0 || std::size_t(length) >= path.size()) {
    return {};
  }
  path.resize(std::size_t(length));
  return path;
}
}  // namespace

void SetCommandLine(int argc, const char* const* argv) {
  auto& arguments = Arguments();
  arguments.clear();
  for (int i = 0; i < argc; ++i) {
    arguments.emplace_back(argv[i] != nullptr ? argv[i] : "");
  }
  const std::string executable = ExecutablePath();
  if (!executable.empty()) {
    if (arguments.empty()) {
      arguments.push_back(executable);
    } else {
      arguments[0] = executable;
    }
  }
}

int ParamCount() { return Arguments().empty() ? 0 : int(Arguments().size()) - 1; }

std::string ParamStr(int index) {
  const auto& arguments = Arguments();
  if (index == 0 && arguments.empty()) {
    return ExecutablePath();
  }
  if (index < 0 || std::size_t(index) >= arguments.size()) {
    return {};
  }
  return arguments[std::size_t(index)];
}

}  // namespace platform::system
