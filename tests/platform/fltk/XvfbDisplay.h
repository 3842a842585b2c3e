#pragma once

#include <X11/Xlib.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

// A private virtual X server for tests that need a display. The constructor starts
// `Xvfb -displayfd <fd> -screen 0 <w>x<h>x24 -noreset`, lets the server pick a free display
// number, waits until a client can connect and points DISPLAY at it; the destructor stops
// the server and puts DISPLAY back. Throws std::runtime_error when no server comes up.
// Header-only so that any test program (tests/e2e too) can include it without extra sources.
class XvfbDisplay {
public:
  explicit XvfbDisplay(int width = 1280, int height = 1024, std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
    if (const char* old = std::getenv("DISPLAY")) {
      previousDisplay_ = old;
      hadDisplay_ = true;
    }
    int fds[2];
    if (pipe(fds) != 0) throw std::runtime_error("XvfbDisplay: pipe failed");
    const int readFd = fds[0];
    const int writeFd = fds[1];
    fcntl(readFd, F_SETFD, FD_CLOEXEC);

    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    std::vector<std::string> args = {"Xvfb", "-displayfd", std::to_string(writeFd), "-screen", "0", screen,
                                     "-noreset", "-nolisten", "tcp"};
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const int spawned = posix_spawnp(&pid_, "Xvfb", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(writeFd);
    if (spawned != 0) {
      close(readFd);
      throw std::runtime_error("XvfbDisplay: cannot start Xvfb");
    }

    const auto deadline = std::chrono::steady_clock::now() + timeout;
    std::string number = ReadDisplayNumber(readFd, deadline);
    close(readFd);
    if (number.empty()) {
      Stop();
      throw std::runtime_error("XvfbDisplay: Xvfb reported no display number");
    }
    name_ = ":" + number;
    if (!WaitUntilAnswering(deadline)) {
      Stop();
      throw std::runtime_error("XvfbDisplay: display " + name_ + " does not answer");
    }
    setenv("DISPLAY", name_.c_str(), 1);
  }

  ~XvfbDisplay() {
    Stop();
    if (hadDisplay_)
      setenv("DISPLAY", previousDisplay_.c_str(), 1);
    else
      unsetenv("DISPLAY");
  }

  XvfbDisplay(const XvfbDisplay&) = delete;
  XvfbDisplay& operator=(const XvfbDisplay&) = delete;

  // The display name, for example ":3"; DISPLAY holds it while the object lives.
  const std::string& Name() const { return name_; }

private:
  static std::string ReadDisplayNumber(int fd, std::chrono::steady_clock::time_point deadline) {
    std::string text;
    while (text.find('\n') == std::string::npos) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
      if (left.count() <= 0) return "";
      pollfd p{fd, POLLIN, 0};
      if (poll(&p, 1, int(left.count())) <= 0) return "";
      char buffer[32];
      const ssize_t n = read(fd, buffer, sizeof buffer);
      if (n <= 0) return "";
      text.append(buffer, std::size_t(n));
    }
    text.erase(text.find('\n'));
    return text;
  }

  bool WaitUntilAnswering(std::chrono::steady_clock::time_point deadline) const {
    while (std::chrono::steady_clock::now() < deadline) {
      if (Display* display = XOpenDisplay(name_.c_str())) {
        XCloseDisplay(display);
        return true;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
  }

  void Stop() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = 0;
  }

  pid_t pid_ = 0;
  std::string name_;
  std::string previousDisplay_;
  bool hadDisplay_ = false;
};
