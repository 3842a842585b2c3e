#pragma once

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "platform/fltk/RunTool.h"

extern char** environ;

// The real viewer, started on the test's X display, stopped at the end.
class ViewerProcess {
public:
  explicit ViewerProcess(const std::vector<std::string>& arguments) {
    std::vector<std::string> args{DGRVIEW_PATH};
    args.insert(args.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    if (posix_spawn(&pid_, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
      throw std::runtime_error("cannot start dgrview");
  }
  ~ViewerProcess() {
    kill(pid_, SIGTERM);
    int status = 0;
    waitpid(pid_, &status, 0);
  }
  ViewerProcess(const ViewerProcess&) = delete;
  ViewerProcess& operator=(const ViewerProcess&) = delete;

  bool Running() const {
    int status = 0;
    return waitpid(pid_, &status, WNOHANG) == 0;
  }

private:
  pid_t pid_ = 0;
};

// An X window of the viewer: its id, title and client-area place on the screen.
struct ViewerWindow {
  std::string Id;
  std::string Title;
  int X = 0;
  int Y = 0;
  int Width = 0;
  int Height = 0;
};

inline std::string WindowTitle(const std::string& id) {
  // xprop prints: _NET_WM_NAME(UTF8_STRING) = "title"
  const std::string line = RunTool({"xprop", "-id", id, "_NET_WM_NAME"});
  const std::size_t open = line.find('"');
  const std::size_t close = line.rfind('"');
  if (open == std::string::npos || close <= open) return "";
  return line.substr(open + 1, close - open - 1);
}

inline ViewerWindow DescribeWindow(const std::string& id) {
  ViewerWindow window;
  window.Id = id;
  window.Title = WindowTitle(id);
  std::istringstream shell(RunTool({"xdotool", "getwindowgeometry", "--shell", id}));
  for (std::string line; std::getline(shell, line);) {
    const std::size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    const std::string key = line.substr(0, eq);
    const int value = std::stoi(line.substr(eq + 1));
    if (key == "X") window.X = value;
    if (key == "Y") window.Y = value;
    if (key == "WIDTH") window.Width = value;
    if (key == "HEIGHT") window.Height = value;
  }
  return window;
}

// The viewer's shown windows (class dgrview), waiting up to timeout for at least count of them.
inline std::vector<ViewerWindow> ViewerWindows(std::size_t count, std::chrono::seconds timeout = std::chrono::seconds(20)) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  std::vector<ViewerWindow> windows;
  while (std::chrono::steady_clock::now() < deadline) {
    windows.clear();
    std::string ids;
    try {
      ids = RunTool({"xdotool", "search", "--onlyvisible", "--class", "dgrview"});
    } catch (const std::runtime_error&) {
    }
    std::istringstream lines(ids);
    for (std::string id; std::getline(lines, id);)
      if (!id.empty()) windows.push_back(DescribeWindow(id));
    if (windows.size() >= count) return windows;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return windows;
}

// Waits until condition holds, polling; gives whether it did within timeout.
template <class Condition>
bool WaitFor(Condition condition, std::chrono::seconds timeout = std::chrono::seconds(10)) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (std::chrono::steady_clock::now() < deadline) {
    if (condition()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return condition();
}

inline void Click(int x, int y) {
  RunTool({"xdotool", "mousemove", std::to_string(x), std::to_string(y), "click", "1"});
}
