#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/system/CommandLine.h"

using platform::system::ParamCount;
using platform::system::ParamStr;
using platform::system::SetCommandLine;

namespace {

struct CommandLineCase {
  std::vector<const char*> argv;
  int expectedCount;
};

TEST(CommandLineTest, CountsAndReturnsArgumentsWithTheExecutableFirst) {
  const std::string executable = std::filesystem::read_symlink("/proc/self/exe").string();
  const std::vector<CommandLineCase> cases = {
      {{"prog"}, 0},
      {{"prog", "a.txt", "D:\\data\\tank7.Dgr"}, 2},
      {{"./relative/prog", "x.dgr", "", "tools.dgr/y"}, 3},
      {{}, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.argv.size()) + " arguments");
    SetCommandLine(int(c.argv.size()), c.argv.data());
    EXPECT_EQ(ParamCount(), c.expectedCount);
    EXPECT_EQ(ParamStr(0), executable);
    for (int i = 1; i <= ParamCount(); ++i) {
      EXPECT_EQ(ParamStr(i), c.argv[std::size_t(i)]);
    }
    EXPECT_EQ(ParamStr(ParamCount() + 1), "");
    EXPECT_EQ(ParamStr(-1), "");
  }
}

TEST(CommandLineTest, ExecutablePathIsAbsoluteAndExists) {
  const char* argv[] = {"whatever"};
  SetCommandLine(1, argv);
  const std::filesystem::path path = ParamStr(0);
  EXPECT_TRUE(path.is_absolute());
  EXPECT_TRUE(std::filesystem::is_regular_file(path));
}

}  // namespace
