#include <memory>
#include <optional>
#include <span>
#include <string>

#include "Commands.h"
#include "Report.h"
#include "diagram_file/DiagramFile.h"
#include "diagram_file/SiteMode.h"
#include "platform/graphics/Compose.h"
#include "platform/graphics/PngFile.h"
#include "view/Curve.h"
#include "view/Grid.h"
#include "view/PlotWidth.h"

namespace dgr {

using platform::graphics::DrawTransparent;
using platform::graphics::WritePng;

namespace {

// The diagram window as it starts: design widths, window position and layer height.
constexpr int BasePlotWidth = 697;
constexpr int BasePanelWidth = 701;
constexpr int FrameWidth = 20;
constexpr int StartWindowLeft = 478;
constexpr int LayerHeight = 312;

struct RenderOptions {
  std::string input;
  std::string output;
  int zoom = 1;
  std::string mode = "azs";
  int screenWidth = 1280;
  std::string layer;
};

std::span<const std::uint8_t> CurveData(const DiagramFile& file, int curve) {
  switch (curve) {
    case CodeCurve: return file.CodeData;
    case AirCurve: return file.AirData;
    default: return file.FuelData;
  }
}

int CurveOfLayer(const std::string& layer) {
  if (layer == "code") return CodeCurve;
  if (layer == "air") return AirCurve;
  if (layer == "fuel") return FuelCurve;
  return 0;
}

// The moving layers after loading the file into a fresh window in the given site mode and then
// choosing the zoom. The load draws at zoom 1 and the zoom change draws again; the second draw
// recomputes every geometry field the first one set unless the file has no segments, when both
// keep the start-up values. So the load's draw only matters for the geometry it hands on, and
// the pictures are drawn once, at the final zoom.
TBitmap RenderLayers(const DiagramFile& file, const RenderOptions& options) {
  const SiteModeDecision site = DecideSiteMode(file.SiteType, file.SegmentCount, options.mode == "nb");
  const int segments = file.SegmentCount;
  int plotWidth = 0;
  if (segments != 0) {
    plotWidth = FitPlotWidth({segments, BasePlotWidth, BasePanelWidth, FrameWidth, options.screenWidth,
                              BasePanelWidth, StartWindowLeft})
                    .PlotWidth;
  }
  GridInput grid{segments, 1, plotWidth, site.DepotMode, site.GroupSize, LayerHeight};
  const PlotGeometry loaded = GridGeometry(grid, PlotGeometry{});
  grid.Zoom = options.zoom;
  GridLayer layers = DrawGrid(grid, loaded);

  const CurveInput curveInput{options.zoom, layers.Geometry, layers.Bitmap.Width(), LayerHeight};
  if (const int only = CurveOfLayer(options.layer)) return *DrawCurve(only, CurveData(file, only), curveInput);
  if (options.layer == "grid") return std::move(layers.Bitmap);
  for (const int curve : {CodeCurve, AirCurve, FuelCurve}) {
    const std::optional<TBitmap> picture = DrawCurve(curve, CurveData(file, curve), curveInput);
    DrawTransparent(layers.Bitmap, 0, 0, *picture);
  }
  return std::move(layers.Bitmap);
}

}  // namespace

void AddRenderCommand(CLI::App& app, int& exitStatus) {
  auto options = std::make_shared<RenderOptions>();
  CLI::App* command = app.add_subcommand(
      "render", "Write the plot of a diagram file as a PNG: the grid and curve layers a fresh window shows after loading it");
  command->add_option("file", options->input, "Diagram file")->required();
  command->add_option("-o,--output", options->output, "PNG file to write")->required();
  command->add_option("--zoom", options->zoom, "Zoom chosen after the load")
      ->check(CLI::IsMember({1, 2, 4}))
      ->capture_default_str();
  command->add_option("--mode", options->mode, "Site mode in force before the load: azs or nb")
      ->check(CLI::IsMember({"azs", "nb"}))
      ->capture_default_str();
  command->add_option("--screen-width", options->screenWidth, "Screen width the window adapts to")
      ->check(CLI::PositiveNumber)
      ->capture_default_str();
  command->add_option("--layer", options->layer, "Write one layer alone, fill included: grid, code, air or fuel")
      ->check(CLI::IsMember({"grid", "code", "air", "fuel"}));
  command->callback([options, &exitStatus] {
    DiagramFile file;
    const ReadStatus status = ReadDiagramFile(options->input, file);
    if (status != ReadStatus::Ok) {
      ReportFileProblem(options->input, ReadStatusText(status));
      exitStatus = 1;
      return;
    }
    if (!WritePng(options->output, RenderLayers(file, *options))) {
      ReportFileProblem(options->output, "cannot be written");
      exitStatus = 1;
    }
  });
}

}  // namespace dgr
