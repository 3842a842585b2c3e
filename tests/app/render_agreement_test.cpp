#include "AppFixture.h"
#include "platform/graphics/PngFile.h"
#include "tools/RunTool.h"

using platform::forms::TImage;
using platform::graphics::ReadPng;
using platform::graphics::TBitmap;

namespace {

struct AgreementCase {
  const char* name;
  int segments;
  std::uint8_t siteType;
  bool depotBefore;
  int zoomItem;
};

class RenderAgreementTest : public AppTest, public ::testing::WithParamInterface<AgreementCase> {};

// dgrtool render draws what a fresh window's layers hold after the load and the zoom change.
TEST_P(RenderAgreementTest, LayersEqualWhatTheToolRenders) {
  const AgreementCase& c = GetParam();
  const std::string path = Write("f.dgr", Diagram(c.segments, c.siteType));
  Start();
  MForm->SetLeft(478);
  if (c.depotBefore) MForm->rbNB->UserClick();
  Open(path);
  MForm->cbZoom->UserSelect(c.zoomItem);

  const std::pair<const char*, TImage*> layers[] = {
      {"grid", MForm->imGrid}, {"code", MForm->imCode}, {"air", MForm->imAir}, {"fuel", MForm->imFuel}};
  for (const auto& [name, image] : layers) {
    const std::string png = folder.Path(std::string(name) + ".png");
    const ToolRun run = RunDgrtool(folder, {"render", path, "-o", png, "--layer", name, "--zoom",
                                            std::to_string(1 << c.zoomItem), "--mode", c.depotBefore ? "nb" : "azs"});
    ASSERT_EQ(run.status, 0) << run.err;
    TBitmap rendered;
    ASSERT_TRUE(ReadPng(png, rendered));
    const TBitmap& shown = image->Picture();
    ASSERT_EQ(rendered.Width(), shown.Width()) << name;
    ASSERT_EQ(rendered.Height(), shown.Height()) << name;
    int differing = 0;
    for (int y = 0; y < shown.Height(); ++y)
      for (int x = 0; x < shown.Width(); ++x) differing += rendered.Pixel(x, y) != shown.Pixel(x, y);
    EXPECT_EQ(differing, 0) << name;
  }
}

INSTANTIATE_TEST_SUITE_P(Files, RenderAgreementTest,
                         ::testing::Values(AgreementCase{"Station256", 256, 32, false, 0},
                                           AgreementCase{"Depot512Zoom2", 512, 16, false, 1},
                                           AgreementCase{"Unstated300Zoom4", 300, 0, false, 2},
                                           AgreementCase{"ChosenDepot100", 100, 0, true, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
