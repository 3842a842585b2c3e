#pragma once

#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <span>
#include <string>
#include <unistd.h>

// A folder of the fuzzer's own in memory (tmpfs where there is one), made once per process, and
// the one file in it that each input is written to.
class FuzzFolder {
public:
  FuzzFolder() {
    std::string pattern = (::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") + std::string("/dgr-fuzz-XXXXXX");
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    path_ = pattern;
  }
  const std::string& Path() const { return path_; }
  std::string File() const { return path_ + "/input.dgr"; }

  // Writes bytes as the whole content of the input file, a new file each time.
  void Write(std::span<const std::uint8_t> bytes) const {
    const std::string file = File();
    ::unlink(file.c_str());
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) std::abort();
    if (!bytes.empty() && ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) std::abort();
    ::close(fd);
  }

private:
  std::string path_;
};

// Stops the run with a crash that libFuzzer reports, when a property does not hold.
#define FUZZ_CHECK(condition) \
  do {                        \
    if (!(condition)) __builtin_trap(); \
  } while (0)
