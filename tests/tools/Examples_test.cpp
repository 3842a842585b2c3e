#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "RunTool.h"
#include "diagram_file/DiagramFile.h"

using dgr::DiagramFile;
using dgr::ReadDiagramFile;
using dgr::ReadStatus;

namespace {

std::set<std::string> DiagramFileNames(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() == ".dgr") names.insert(entry.path().filename().string());
  }
  return names;
}

TEST(Examples, RegenerateByteForByte) {
  ScratchFolder folder;
  const std::filesystem::path examples = std::filesystem::path(DGR_SOURCE_DIR) / "examples";
  std::filesystem::create_directory(folder.Path("out"));
  ToolRun run = RunProgram(folder, (examples / "make-examples.sh").string(), {folder.Path("out")},
                           "DGRTOOL=" + ShellQuoted(DGRTOOL_PATH));
  ASSERT_EQ(run.status, 0) << run.err;

  std::set<std::string> committed = DiagramFileNames(examples);
  EXPECT_FALSE(committed.empty());
  EXPECT_EQ(DiagramFileNames(folder.Path("out")), committed);
  for (const std::string& name : committed) {
    std::string made = folder.Path("out/" + name);
    EXPECT_EQ(ReadAllBytes(made), ReadAllBytes((examples / name).string())) << name;
    DiagramFile file;
    EXPECT_EQ(ReadDiagramFile(made, file), ReadStatus::Ok) << name;
  }
}

}  // namespace
