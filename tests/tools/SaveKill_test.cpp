#include <gtest/gtest.h>
#include <signal.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "diagram_file/ByteEdits.h"
#include "diagram_file/CommentText.h"
#include "platform/system/ScratchFolder.h"

extern char** environ;

using dgr::EncodeCommentForSave;
using dgr::EncodeDiagramFile;

namespace {

// Starts dgrtool with arguments, its output discarded; gives its process id.
pid_t StartDgrtool(const std::vector<std::string>& arguments) {
  std::vector<std::string> words = {DGRTOOL_PATH};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t child = -1;
  const int started = posix_spawn(&child, DGRTOOL_PATH, &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  return started == 0 ? child : -1;
}

// Kills a child process saving a comment at instants spread over the time a save takes, from
// before it starts to after it ends: each time the file must be exactly the old one or exactly
// the new one.
TEST(CommentSave, AKillAtAnyInstantLeavesTheOldOrTheNewFile) {
  ScratchFolder folder;
  // Bytes before the comment area that take a while to copy, so that kills land inside the save.
  std::vector<std::uint8_t> old = EncodeDiagramFile(SampleDiagram(1000, 64, "старый комментарий", 9));
  const std::size_t extra = std::size_t(8) << 20;
  old.insert(old.begin() + 64, extra, 0x33);
  PutLittle32(old, 0, static_cast<std::uint32_t>(64 + extra));
  const std::string path = folder.Write("a.dgr", old);
  const std::string text = "новый комментарий";
  const std::vector<std::uint8_t> encoded = EncodeCommentForSave(text).Bytes;
  std::vector<std::uint8_t> next(old.begin(), old.begin() + static_cast<std::ptrdiff_t>(64 + extra + 3000));
  next.insert(next.end(), encoded.begin(), encoded.end());

  const auto begin = std::chrono::steady_clock::now();
  const pid_t timed = StartDgrtool({"comment", path, "--set", text});
  ASSERT_GT(timed, 0);
  int status = 0;
  ::waitpid(timed, &status, 0);
  const auto saveTime = std::chrono::steady_clock::now() - begin;
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  ASSERT_EQ(ReadAllBytes(path), next);

  const int runs = 30;
  int oldSeen = 0;
  int newSeen = 0;
  for (int run = 0; run < runs; ++run) {
    SCOPED_TRACE(run);
    WriteAllBytes(path, old);
    const pid_t child = StartDgrtool({"comment", path, "--set", text});
    ASSERT_GT(child, 0);
    std::this_thread::sleep_for(saveTime * run / (runs - 6));
    ::kill(child, SIGKILL);
    ::waitpid(child, &status, 0);
    const std::vector<std::uint8_t> after = ReadAllBytes(path);
    const bool isOld = after == old;
    const bool isNew = after == next;
    EXPECT_TRUE(isOld || isNew) << "size " << after.size();
    oldSeen += isOld;
    newSeen += isNew;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path(""))) {
      const std::string name = entry.path().filename().string();
      if (name == "a.dgr") continue;
      EXPECT_NE(name.substr(name.size() - 4), ".dgr") << "a leftover of a killed save looks like a diagram";
      std::filesystem::remove(entry.path());
    }
  }
  RecordProperty("old", oldSeen);
  RecordProperty("new", newSeen);
  EXPECT_GT(oldSeen, 0);
  EXPECT_GT(newSeen, 0);
}

}  // namespace
