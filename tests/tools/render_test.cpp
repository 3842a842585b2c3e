#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "diagram_file/DiagramFile.h"
#include "diagram_file/DiagramFileEncoder.h"
#include "diagram_file/SyntheticDiagram.h"
#include "platform/graphics/PngFile.h"
#include "view/Curve.h"
#include "view/Grid.h"

using dgr::GridGeometry;
using dgr::LayerWidth;
using dgr::CurveInput;
using dgr::DiagramFile;
using dgr::DrawCurve;
using dgr::DrawGrid;
using dgr::EncodeDiagramFile;
using dgr::MakeSyntheticDiagram;
using dgr::PlotGeometry;
using dgr::ReadDiagramFile;
using dgr::ReadStatus;
using dgr::ReadStatusText;
using dgr::SyntheticDiagramOptions;
using platform::graphics::ReadPng;
using platform::graphics::TBitmap;
using platform::graphics::TColor;
using platform::graphics::clAqua;

namespace {

namespace fs = std::filesystem;

struct RunResult {
  int exitCode;
  std::string err;
};

class RenderTest : public testing::Test {
protected:
  fs::path dir;

  void SetUp() override {
    std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
    for (char& c : name) {
      if (c == '/') c = '_';
    }
    dir = fs::temp_directory_path() / ("dgr_render_test_" + name);
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }

  std::string Sample(const std::string& name, int segments, int siteType) {
    SyntheticDiagramOptions options;
    options.SegmentCount = segments;
    options.SiteType = std::uint8_t(siteType);
    options.Seed = std::uint64_t(segments) * 7 + 3;
    const std::vector<std::uint8_t> bytes = EncodeDiagramFile(MakeSyntheticDiagram(options));
    const std::string path = (dir / name).string();
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return path;
  }

  RunResult Run(const std::string& arguments) {
    const std::string errPath = (dir / "stderr.txt").string();
    const std::string command = std::string("'") + DGRTOOL_PATH + "' render " + arguments + " 2>'" + errPath + "'";
    const int status = std::system(command.c_str());
    std::stringstream err;
    err << std::ifstream(errPath).rdbuf();
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, err.str()};
  }

  TBitmap Render(const std::string& file, const std::string& options) {
    const std::string out = (dir / "out.png").string();
    fs::remove(out);
    const RunResult result = Run("'" + file + "' -o '" + out + "' " + options);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    TBitmap picture;
    EXPECT_TRUE(ReadPng(out, picture)) << options;
    return picture;
  }
};

struct RenderCase {
  const char* name;
  int segments;
  int siteType;
  const char* options;
  // What loading into a fresh window decides: the plot width and the site mode.
  int plotWidth;
  bool depot;
  int zoom;
  int layerWidth;
};

// Fresh window: design plot 697 wide, window left 478, screen 1280 unless given.
const std::vector<RenderCase> Cases = {
    {"station256", 256, 0, "", 800, false, 1, 800},
    {"depotKept256", 256, 0, "--mode nb", 800, true, 1, 800},
    {"depotByCount257", 257, 0, "--mode azs", 803, true, 1, 803},
    {"stationBySiteType", 300, 32, "--mode nb", 697, false, 1, 697},
    {"depotBySiteType", 256, 16, "", 800, true, 1, 800},
    {"zoom2", 256, 0, "--zoom 2", 800, false, 2, 800},
    {"zoom4", 256, 0, "--zoom 4", 800, false, 4, 1056},
    {"narrowScreen", 256, 0, "--screen-width 800", 697, false, 1, 697},
    {"many", 2048, 0, "--zoom 2", 697, true, 2, 4128},
    {"empty", 0, 0, "--zoom 4", 0, false, 4, 32},
};

class RenderCases : public RenderTest, public testing::WithParamInterface<RenderCase> {};

void ExpectSame(const TBitmap& actual, const TBitmap& expected, const std::string& what) {
  ASSERT_EQ(actual.Width(), expected.Width()) << what;
  ASSERT_EQ(actual.Height(), expected.Height()) << what;
  for (int y = 0; y < actual.Height(); ++y)
    for (int x = 0; x < actual.Width(); ++x) ASSERT_EQ(actual.Pixel(x, y), expected.Pixel(x, y)) << what << " at " << x << "," << y;
}

// Each layer alone is what the renderers draw for the decided plot width, site mode and zoom;
// the whole picture shows, at every pixel, the topmost layer that is not the see-through aqua.
TEST_P(RenderCases, LayersAndComposite) {
  const RenderCase& c = GetParam();
  const std::string file = Sample("sample.dgr", c.segments, c.siteType);
  DiagramFile record;
  ASSERT_EQ(ReadDiagramFile(file, record), ReadStatus::Ok);

  const dgr::PlotState input{c.segments, c.zoom, c.plotWidth, c.depot, c.depot ? 16 : 32, 312};
  const PlotGeometry geometry = GridGeometry(input, PlotGeometry{20, 1, 0, 0, 0});
  ASSERT_EQ(LayerWidth(c.segments, c.zoom, c.plotWidth), c.layerWidth);
  const dgr::ColumnRange all{0, c.layerWidth};
  const TBitmap grid = DrawGrid(input, geometry, all);
  const CurveInput curveInput{c.zoom, geometry, 312};

  const std::string options = c.options;
  ExpectSame(Render(file, options + " --layer grid"), grid, "grid");
  const TBitmap code = Render(file, options + " --layer code");
  const TBitmap air = Render(file, options + " --layer air");
  const TBitmap fuel = Render(file, options + " --layer fuel");
  ExpectSame(code, DrawCurve(dgr::Curve::Code, record.CodeData, curveInput, all), "code");
  ExpectSame(air, DrawCurve(dgr::Curve::Air, record.AirData, curveInput, all), "air");
  ExpectSame(fuel, DrawCurve(dgr::Curve::Fuel, record.FuelData, curveInput, all), "fuel");

  const TBitmap whole = Render(file, options);
  ASSERT_EQ(whole.Width(), c.layerWidth);
  ASSERT_EQ(whole.Height(), 312);
  int curvePixels = 0;
  for (int y = 0; y < 312; ++y) {
    for (int x = 0; x < c.layerWidth; ++x) {
      TColor expected = grid.Pixel(x, y);
      for (const TBitmap* layer : {&code, &air, &fuel}) {
        if (layer->Pixel(x, y) != clAqua) expected = layer->Pixel(x, y);
      }
      curvePixels += expected != grid.Pixel(x, y);
      ASSERT_EQ(whole.Pixel(x, y), expected) << x << "," << y;
    }
  }
  if (c.segments > 0) {
    EXPECT_GT(curvePixels, c.segments);
  }
}

INSTANTIATE_TEST_SUITE_P(Files, RenderCases, testing::ValuesIn(Cases),
                         [](const testing::TestParamInfo<RenderCase>& info) { return info.param.name; });

TEST_F(RenderTest, UnreadableFilesAreReportedLikeInfo) {
  const std::string missing = (dir / "missing.dgr").string();
  const std::string out = (dir / "out.png").string();
  RunResult result = Run("'" + missing + "' -o '" + out + "'");
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err, "dgrtool: " + missing + ": No such file or directory\n");
  EXPECT_FALSE(fs::exists(out));

  // A count beyond the largest a file may announce.
  SyntheticDiagramOptions options;
  options.SegmentCount = 4;
  std::vector<std::uint8_t> bytes = EncodeDiagramFile(MakeSyntheticDiagram(options));
  bytes[4] = 0x01;
  bytes[5] = 0x40;  // 16385
  bytes[6] = 0x00;
  bytes[7] = 0x00;
  const std::string tooMany = (dir / "toomany.dgr").string();
  std::ofstream(tooMany, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  result = Run("'" + tooMany + "' -o '" + out + "'");
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err, "dgrtool: " + tooMany + ": " + ReadStatusText(ReadStatus::SegmentCountOutOfRange) + "\n");
  EXPECT_FALSE(fs::exists(out));
}

TEST_F(RenderTest, UnwritableOutputAndBadOptionsFail) {
  const std::string file = Sample("sample.dgr", 16, 0);
  const std::string out = (dir / "no_such_folder" / "out.png").string();
  const RunResult unwritable = Run("'" + file + "' -o '" + out + "'");
  EXPECT_EQ(unwritable.exitCode, 1);
  EXPECT_EQ(unwritable.err, "dgrtool: " + out + ": its folder cannot be opened: No such file or directory\n");
  for (const std::string bad : {"--zoom 3", "--mode depot", "--layer blank", "--screen-width 0"}) {
    EXPECT_NE(Run("'" + file + "' -o '" + (dir / "x.png").string() + "' " + bad).exitCode, 0) << bad;
  }
}

}  // namespace
