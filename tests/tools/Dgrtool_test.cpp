#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "RunTool.h"
#include "diagram_file/ByteEdits.h"
#include "diagram_file/CommentText.h"
#include "diagram_file/Readouts.h"

using dgr::DecodeComment;
using dgr::DiagramCaption;
using dgr::EncodeDiagramFile;
using dgr::ReadDiagramFile;
using dgr::ReadStatus;

namespace {

using Json = nlohmann::json;

std::vector<Json> JsonLines(const std::string& text) {
  std::vector<Json> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(Json::parse(line));
  return lines;
}

TEST(DgrtoolInfo, JsonMatchesWhatTheLibraryComputes) {
  ScratchFolder folder;
  struct Case {
    std::vector<std::string> genOptions;
  };
  const std::vector<Case> cases = {{{"--segments", "256", "--site-type", "32", "--comment", "Привет\nмир", "--seed", "11"}},
                                   {{"--segments", "40", "--header-length", "52", "--seed", "12"}},
                                   {{"--segments", "700", "--header-length", "62", "--sensor", "256", "--seed", "13"}},
                                   {{"--segments", "0", "--seed", "14", "--comment", "x"}}};
  for (std::size_t i = 0; i < cases.size(); ++i) {
    std::string path = folder.Path("f" + std::to_string(i) + ".dgr");
    std::vector<std::string> gen = {"gen", "-o", path};
    gen.insert(gen.end(), cases[i].genOptions.begin(), cases[i].genOptions.end());
    ASSERT_EQ(RunDgrtool(folder, gen).status, 0);

    ToolRun run = RunDgrtool(folder, {"info", "--json", path});
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<Json> lines = JsonLines(run.out);
    ASSERT_EQ(lines.size(), 1u);
    const Json& info = lines[0];

    DiagramFile file;
    ASSERT_EQ(ReadDiagramFile(path, file), ReadStatus::Ok);
    const auto text = [&](std::string_view control) { return dgr::ReadoutText(file, control); };
    EXPECT_EQ(info["file"], path);
    EXPECT_EQ(info["caption"], dgr::DiagramCaption(path));
    EXPECT_EQ(info["readouts"]["stFLvl"]["text"], *text("stFLvl"));
    EXPECT_EQ(info["readouts"]["stDTime"]["text"], *text("stDTime"));
    EXPECT_EQ(info["readouts"]["stSegNum"]["text"], *text("stSegNum"));
    EXPECT_EQ(info["readouts"]["stFtg"]["text"], *text("stFtg"));
    EXPECT_EQ(info["readouts"]["stRFLvl"]["visible"], text("stRFLvl").has_value());
    EXPECT_EQ(info["readouts"]["stRFLvl"]["text"], text("stRFLvl").value_or(""));
    EXPECT_EQ(info["readouts"].size(), 17u);
    EXPECT_EQ(info["header"]["SegmentCount"], file.SegmentCount);
    EXPECT_EQ(info["header"]["FuelSegment"], file.FuelSegment);
    EXPECT_EQ(info["header"]["SiteType"], file.SiteType);
    EXPECT_EQ(info["header"]["LevelCorrection"], file.LevelCorrection);
    EXPECT_EQ(static_cast<float>(info["header"]["FuelTangent"].get<double>()), file.FuelTangent);
    if (file.HasRecordTime) {
      EXPECT_EQ(info["header"]["RecordTime"].get<double>(), file.RecordTime);
      EXPECT_EQ(info["header"]["SensorAddress"], file.SensorAddress);
    } else {
      EXPECT_TRUE(info["header"]["RecordTime"].is_null());
      EXPECT_TRUE(info["header"]["SensorAddress"].is_null());
    }
    if (file.Comment.empty()) {
      EXPECT_TRUE(info["comment"].is_null());
    } else {
      EXPECT_EQ(info["comment"], DecodeComment(file.Comment));
    }
  }
}

TEST(DgrtoolInfo, UnreadableFilesAreReportedAndTheOthersStillShown) {
  ScratchFolder folder;
  std::string good = folder.Write("good.dgr", EncodeDiagramFile(SampleDiagram(20, 64, "", 1)));
  std::vector<std::uint8_t> bad = EncodeDiagramFile(SampleDiagram(20, 64, "", 1));
  PutLittle32(bad, 4, 0xFFFFFFFFu);
  std::string badCount = folder.Write("bad.dgr", bad);
  std::filesystem::create_directory(folder.Path("x.dgr"));
  std::string missing = folder.Path("missing.dgr");

  for (bool json : {true, false}) {
    std::vector<std::string> arguments = {"info"};
    if (json) arguments.push_back("--json");
    for (const std::string& path : {missing, good, folder.Path("x.dgr"), badCount, good}) arguments.push_back(path);
    ToolRun run = RunDgrtool(folder, arguments);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "dgrtool: " + missing + ": No such file or directory\n" + "dgrtool: " + folder.Path("x.dgr") + ": is a folder\n" +
                           "dgrtool: " + badCount + ": segment count out of range\n");
    if (json) {
      EXPECT_EQ(JsonLines(run.out).size(), 2u);
    } else {
      EXPECT_NE(run.out.find("stSegNum          Сегментов : 20\n"), std::string::npos) << run.out;
    }
  }
}

TEST(DgrtoolComment, SetThenPrintAsTheViewerWould) {
  ScratchFolder folder;
  std::string path = folder.Write("a.dgr", EncodeDiagramFile(SampleDiagram(30, 64, "старый комментарий", 2)));
  const std::size_t arraysEnd = 64 + 90;
  struct Case {
    std::string text;
    std::string stored;
    std::string printed;
  };
  for (const Case& c : std::vector<Case>{{"  Новый\nтекст \n\n", "\xCD\xEE\xE2\xFB\xE9\r\n\xF2\xE5\xEA\xF1\xF2", "Новый\nтекст\n"},
                                         {"abc", "abc", "abc\n"},
                                         {" \n ", "", ""}}) {
    ToolRun set = RunDgrtool(folder, {"comment", path, "--set", c.text});
    ASSERT_EQ(set.status, 0) << set.err;
    std::vector<std::uint8_t> bytes = ReadAllBytes(path);
    ASSERT_EQ(bytes.size(), arraysEnd + c.stored.size());
    EXPECT_EQ(std::string(bytes.begin() + arraysEnd, bytes.end()), c.stored);
    ToolRun print = RunDgrtool(folder, {"comment", path});
    EXPECT_EQ(print.status, 0);
    EXPECT_EQ(print.out, c.printed);
  }
}

TEST(DgrtoolComment, RefusalsWriteNothing) {
  ScratchFolder folder;
  std::string path = folder.Write("a.dgr", EncodeDiagramFile(SampleDiagram(30, 64, "keep", 3)));
  std::vector<std::uint8_t> inside = EncodeDiagramFile(SampleDiagram(30, 64, "keep", 3));
  PutLittle32(inside, 0, 10);
  PutLittle32(inside, 4, 0);
  std::string insideHeader = folder.Write("inside.dgr", inside);
  struct Case {
    std::string path;
    std::string text;
    std::string message;
  };
  for (const Case& c : std::vector<Case>{{path, "sum ∑", "the text holds U+2211, which Windows-1251 cannot hold; nothing written"},
                                         {insideHeader, "new", "its header puts the comment area inside the header; the file is unchanged"},
                                         {folder.Path("missing.dgr"), "new", "No such file or directory"}}) {
    std::vector<std::uint8_t> before = ReadAllBytes(c.path);
    ToolRun run = RunDgrtool(folder, {"comment", c.path, "--set", c.text});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "dgrtool: " + c.path + ": " + c.message + "\n");
    EXPECT_EQ(ReadAllBytes(c.path), before);
  }
}

TEST(DgrtoolGen, RefusesOptionsOutOfRange) {
  ScratchFolder folder;
  for (const std::vector<std::string>& options : std::vector<std::vector<std::string>>{{"--segments", "16385"},
                                                                                       {"--segments", "-1"},
                                                                                       {"--header-length", "51"},
                                                                                       {"--header-length", "52", "--site-type", "16"},
                                                                                       {"--site-type", "300"},
                                                                                       {"--sensor", "0"},
                                                                                       {"--comment", "日本"}}) {
    std::vector<std::string> arguments = {"gen", "-o", folder.Path("a.dgr")};
    arguments.insert(arguments.end(), options.begin(), options.end());
    ToolRun run = RunDgrtool(folder, arguments);
    EXPECT_EQ(run.status, 1) << options[0];
    EXPECT_EQ(run.err.rfind("dgrtool: gen: ", 0), 0u) << run.err;
    EXPECT_FALSE(std::filesystem::exists(folder.Path("a.dgr")));
  }
}

}  // namespace
