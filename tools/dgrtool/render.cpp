#include <memory>
#include <string>
#include <vector>

#include "Commands.h"
#include "Report.h"
#include "diagram_file/DiagramFile.h"
#include "diagram_file/SiteMode.h"
#include "platform/graphics/Compose.h"
#include "platform/graphics/PngFile.h"
#include "platform/system/FileStamp.h"
#include "view/Plot.h"

namespace dgr {

using platform::graphics::DrawTransparent;
using platform::graphics::WritePng;

namespace {

struct RenderOptions {
  std::string input;
  std::string output;
  int zoom = 1;
  std::string mode = "azs";
  int screenWidth = 1280;
  std::string layer;
};

// The moving layers after loading the file into a fresh window in the given site mode and then
// choosing the zoom. The draw of the load hands on only its geometry, and the draw of the zoom
// change recomputes all of it unless the file has no segments, when both keep the geometry a
// new window starts with: so one draw at the final zoom gives the same pictures.
TBitmap RenderLayers(const DiagramFile& file, const RenderOptions& options) {
  const SiteModeDecision site = DecideSiteMode(file.SiteType, file.SegmentCount, options.mode == "nb");
  const PlotState state =
      FirstLoadState(file.SegmentCount, site.DepotMode, site.GroupSize, options.zoom, options.screenWidth);
  PlotLayers layers = RenderPlot(file, state, PlotGeometry{});
  for (const CurveTraits& curve : Curves)
    if (options.layer == curve.Name) return std::move(layers.Curves[IndexOf(curve.Id)]);
  if (options.layer.empty())
    for (const TBitmap& picture : layers.Curves) DrawTransparent(layers.Grid, 0, 0, picture);
  return std::move(layers.Grid);
}

// The values of --layer: the grid and every curve by name.
std::vector<std::string> LayerNames() {
  std::vector<std::string> names{"grid"};
  for (const CurveTraits& curve : Curves) names.emplace_back(curve.Name);
  return names;
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
      ->check(CLI::IsMember(LayerNames()));
  command->callback([options, &exitStatus] {
    DiagramFileReader reader(options->input);
    if (!reader.Ok()) {
      ReportFileProblem(options->input, reader.Problem());
      exitStatus = 1;
      return;
    }
    reader.Close();
    // The same file under another name (a link, "./" and the like) counts as the input too.
    const auto output = platform::system::StampOfPath(options->output);
    if (options->output == options->input || (output && reader.Identity() && output->Device == reader.Identity()->Stamp.Device &&
                                              output->Inode == reader.Identity()->Stamp.Inode)) {
      ReportFileProblem(options->output, "is the input file; nothing written");
      exitStatus = 1;
      return;
    }
    const std::string problem = WritePngFile(options->output, RenderLayers(reader.File(), *options));
    if (!problem.empty()) {
      ReportFileProblem(options->output, problem);
      exitStatus = 1;
    }
  });
}

}  // namespace dgr
