#include <gtest/gtest.h>

#include <string>

#include "Version.h"
#include "tools/RunTool.h"

namespace {

// Both programs answer --version without a display and without touching any file.
TEST(Version, BothProgramsPrintTheirNameAndTheProjectVersion) {
  struct Case {
    const char* program;
    const char* name;
  };
  for (const Case& c : {Case{DGRVIEW_PATH, "dgrview"}, Case{DGRTOOL_PATH, "dgrtool"}}) {
    ScratchFolder folder;
    const ToolRun run = RunProgram(folder, c.program, {"--version"}, "env -u DISPLAY");
    EXPECT_EQ(run.status, 0) << c.name << ": " << run.err;
    EXPECT_EQ(run.out, std::string(c.name) + " " + std::string(dgr::Version) + "\n");
  }
}

}  // namespace
