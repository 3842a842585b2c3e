#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>

#include "RunTool.h"
#include "diagram_file/ByteEdits.h"
#include "platform/system/DisplayText.h"

namespace {

using Json = nlohmann::json;

std::vector<std::uint8_t> Sample(const std::string& comment = "комментарий") {
  return EncodeDiagramFile(SampleDiagram(40, 64, comment, 12));
}

TEST(DgrtoolNames, NamesThatAreNotUtf8OrHoldControlCharactersAreEscaped) {
  ScratchFolder folder;
  const std::string cp1251 = folder.Write("\xC0\xE1\xE2.dgr", Sample());  // "Абв" in Windows-1251
  const std::string escape = folder.Write("a\x1B[31m\x7F.dgr", Sample());
  const std::string good = folder.Write("good.dgr", Sample());
  const std::string missing = folder.Path("\x07\xFF.dgr");
  const std::string shownFolder = platform::system::EscapedForDisplay(folder.Path(""));

  const ToolRun json = RunDgrtool(folder, {"info", "--json", cp1251, missing, escape, good});
  EXPECT_EQ(json.status, 1);
  EXPECT_EQ(json.err, "dgrtool: " + shownFolder + "\\x07\\xFF.dgr: No such file or directory\n");
  std::vector<Json> lines;
  std::istringstream in(json.out);
  for (std::string line; std::getline(in, line);) lines.push_back(Json::parse(line));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0]["file"], shownFolder + "\\xC0\\xE1\\xE2.dgr");
  EXPECT_EQ(lines[0]["caption"], "ДИАГРАММА ДАТЧИКА : \\xC0\\xE1\\xE2.dgr");
  EXPECT_EQ(lines[1]["file"], shownFolder + "a\\x1B[31m\\x7F.dgr");
  EXPECT_EQ(lines[2]["file"], good);

  const ToolRun text = RunDgrtool(folder, {"info", cp1251, escape});
  EXPECT_EQ(text.status, 0) << text.err;
  EXPECT_EQ(text.out.find('\x1B'), std::string::npos);
  EXPECT_NE(text.out.find(shownFolder + "\\xC0\\xE1\\xE2.dgr\n"), std::string::npos);
  EXPECT_NE(text.out.find("caption           ДИАГРАММА ДАТЧИКА : a\\x1B[31m\\x7F.dgr\n"), std::string::npos);
}

TEST(DgrtoolFiles, WhatIsNoRegularFileIsNamedSoAndNothingWaits) {
  ScratchFolder folder;
  ASSERT_EQ(::mkfifo(folder.Path("f.dgr").c_str(), 0644), 0);
  std::filesystem::create_directory(folder.Path("d.dgr"));
  struct Case {
    std::vector<std::string> arguments;
    std::string message;
  };
  const std::string fifo = folder.Path("f.dgr");
  const std::string png = folder.Path("o.png");
  for (const Case& c : std::vector<Case>{{{"info", fifo}, fifo + ": not a regular file"},
                                         {{"comment", fifo}, fifo + ": not a regular file"},
                                         {{"comment", fifo, "--set", "x"}, fifo + ": not a regular file"},
                                         {{"render", fifo, "-o", png}, fifo + ": not a regular file"},
                                         {{"info", "/dev/zero"}, "/dev/zero: not a regular file"},
                                         {{"comment", folder.Path("d.dgr"), "--set", "x"}, folder.Path("d.dgr") + ": is a folder"}}) {
    const ToolRun run = RunDgrtool(folder, c.arguments);
    EXPECT_EQ(run.status, 1) << c.arguments[0];
    EXPECT_EQ(run.err, "dgrtool: " + c.message + "\n");
  }
  EXPECT_FALSE(std::filesystem::exists(png));
}

TEST(DgrtoolComment, TextThatIsNotUtf8IsRefused) {
  ScratchFolder folder;
  const std::string path = folder.Write("a.dgr", Sample());
  for (const std::string& text : {std::string("abc\xFF"), std::string("\xD0"), std::string("\xED\xA0\x80")}) {
    const ToolRun run = RunDgrtool(folder, {"comment", path, "--set", text});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "dgrtool: " + path + ": the text is not valid UTF-8; nothing written\n");
    EXPECT_EQ(ReadAllBytes(path), Sample());
  }
}

TEST(DgrtoolRender, NeverWritesOverItsInput) {
  ScratchFolder folder;
  const std::string input = folder.Write("a.dgr", Sample());
  std::filesystem::create_hard_link(input, folder.Path("hard.dgr"));
  std::filesystem::create_symlink(input, folder.Path("soft.png"));
  std::filesystem::create_directory(folder.Path("sub"));
  for (const std::string& output : {input, folder.Path("hard.dgr"), folder.Path("soft.png"), folder.Path("sub/../a.dgr")}) {
    const ToolRun run = RunDgrtool(folder, {"render", input, "-o", output});
    EXPECT_EQ(run.status, 1) << output;
    EXPECT_EQ(run.err, "dgrtool: " + output + ": is the input file; nothing written\n");
    EXPECT_EQ(ReadAllBytes(input), Sample());
  }
  EXPECT_TRUE(std::filesystem::is_symlink(folder.Path("soft.png")));
}

// Peak resident memory of one dgrtool run, in KiB.
long PeakKiB(const std::vector<std::string>& arguments) {
  const pid_t child = ::fork();
  if (child == 0) {
    std::vector<std::string> words = {DGRTOOL_PATH};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    if (!std::freopen("/dev/null", "w", stdout)) ::_exit(127);
    ::execv(DGRTOOL_PATH, argv.data());
    ::_exit(127);
  }
  int status = 0;
  struct rusage usage {};
  ::wait4(child, &status, 0, &usage);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << arguments[0];
  return usage.ru_maxrss;
}

// A 16 MiB comment area costs memory in proportion to what is shown of it: all of it for line
// breaks, nothing for zero bytes.
TEST(DgrtoolMemory, FollowsWhatIsShownOfAHugeComment) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer keeps freed memory in quarantine, so peak memory says nothing here";
#endif
  ScratchFolder folder;
  const std::vector<std::uint8_t> base = Sample("");
  const std::string small = folder.Write("small.dgr", Sample("short"));
  const long shownKiB = 16 << 10;
  struct Case {
    const char* what;
    std::uint8_t fill;
    long limitKiB;
  };
  for (const Case& c : std::vector<Case>{{"line breaks", '\n', 6 * shownKiB}, {"zero bytes", 0, 2 << 10}}) {
    std::vector<std::uint8_t> bytes = base;
    bytes.resize(base.size() + (std::size_t(16) << 20), c.fill);
    const std::string huge = folder.Write("huge.dgr", bytes);
    const std::string png = folder.Path("o.png");
    for (const std::vector<std::string>& command : std::vector<std::vector<std::string>>{
             {"info"}, {"info", "--json"}, {"comment"}, {"render", "-o", png}}) {
      std::vector<std::string> withSmall = command;
      std::vector<std::string> withHuge = command;
      withSmall.insert(withSmall.begin() + 1, small);
      withHuge.insert(withHuge.begin() + 1, huge);
      const long baseline = PeakKiB(withSmall);
      EXPECT_LE(PeakKiB(withHuge) - baseline, c.limitKiB) << c.what << ", " << command[0] << " " << command.size();
    }
  }
}

// A full disk, where a small file system can be mounted to have one.
TEST(DgrtoolComment, AFullDiskLeavesTheOldFile) {
  ScratchFolder folder;
  const std::string disk = folder.Path("disk");
  std::filesystem::create_directory(disk);
  if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k") != 0) GTEST_SKIP() << "no permission to mount a small file system";
  const std::string path = disk + "/a.dgr";
  WriteAllBytes(path, Sample("старый"));
  WriteAllBytes(disk + "/filler", std::vector<std::uint8_t>(56 << 10, 1));
  const ToolRun run = RunDgrtool(folder, {"comment", path, "--set", std::string(20000, 'y')});
  const std::vector<std::uint8_t> after = ReadAllBytes(path);
  const std::size_t entries = static_cast<std::size_t>(
      std::distance(std::filesystem::directory_iterator(disk), std::filesystem::directory_iterator()));
  ::umount(disk.c_str());
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "dgrtool: " + path + ": the new content cannot be written: No space left on device; the file is unchanged\n");
  EXPECT_EQ(after, Sample("старый"));
  EXPECT_EQ(entries, 2u);
}

}  // namespace
