// Rendering the four moving plot layers (grid, code, air, fuel) against a baseline that only
// creates and fills four bitmaps of the same size; the summary after the run gives the ratio.
// Both allocate fresh bitmaps every iteration, as every redraw does. Whether that memory comes
// back from the allocator or as new pages from the kernel (several times the cost of the fill)
// depends on the allocator's state, so by default the allocator keeps freed memory for reuse
// and the figures compare the drawing work; --fresh-pages leaves the allocator as it is.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "RatioReporter.h"
#include "diagram_file/SyntheticDiagram.h"
#include "platform/graphics/Canvas.h"
#include "view/Grid.h"
#include "view/Plot.h"

using dgr::DiagramFile;
using dgr::LayerWidth;
using dgr::MakeSyntheticDiagram;
using dgr::PlotGeometry;
using dgr::SyntheticDiagramOptions;
using platform::graphics::TBitmap;
using platform::graphics::TCanvas;
using platform::graphics::clAqua;

namespace {

constexpr int LayerHeight = dgr::DesignLayerHeight;

struct Plot {
  DiagramFile file;
  dgr::PlotState grid;
};

Plot MakePlot(int segments, int zoom) {
  SyntheticDiagramOptions options;
  options.SegmentCount = segments;
  const bool depot = segments > 256;
  return {MakeSyntheticDiagram(options), dgr::FirstLoadState(segments, depot, depot ? 16 : 32, zoom, 1280)};
}

void RenderLayers(const Plot& plot) {
  dgr::PlotLayers layers = dgr::RenderPlot(plot.file, plot.grid, PlotGeometry{});
  benchmark::DoNotOptimize(layers.Grid.Row(0));
  for (TBitmap& curve : layers.Curves) benchmark::DoNotOptimize(curve.Row(0));
}

void FillLayers(int width) {
  // All four alive at once, as the rendered layers are.
  std::vector<TBitmap> layers;
  layers.reserve(4);
  for (int layer = 0; layer < 4; ++layer) {
    TBitmap& bitmap = layers.emplace_back(width, LayerHeight);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush.Color = clAqua;
    canvas.FillRect(0, 0, width, LayerHeight);
    benchmark::DoNotOptimize(bitmap.Row(0));
  }
}

// One untimed round first, so that neither side pays for growing the heap.
void BM_RenderLayers(benchmark::State& state) {
  const Plot plot = MakePlot(int(state.range(0)), int(state.range(1)));
  RenderLayers(plot);
  for (auto _ : state) RenderLayers(plot);
  const int width = LayerWidth(plot.grid.SegmentCount, plot.grid.Zoom, plot.grid.PlotWidth);
  state.counters["width"] = width;
  state.SetBytesProcessed(state.iterations() * 4 * std::int64_t(width) * LayerHeight * 4);
}

void BM_FillLayers(benchmark::State& state) {
  const Plot plot = MakePlot(int(state.range(0)), int(state.range(1)));
  const int width = LayerWidth(plot.grid.SegmentCount, plot.grid.Zoom, plot.grid.PlotWidth);
  FillLayers(width);
  for (auto _ : state) FillLayers(width);
  state.counters["width"] = width;
  state.SetBytesProcessed(state.iterations() * 4 * std::int64_t(width) * LayerHeight * 4);
}

void Sizes(benchmark::internal::Benchmark* b) {
  for (int segments : {256, 1024, 16384})
    for (int zoom : {1, 4}) b->Args({segments, zoom});
  b->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_RenderLayers)->Apply(Sizes);
BENCHMARK(BM_FillLayers)->Apply(Sizes);

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[argc - 1], "--fresh-pages") == 0) {
    --argc;
  } else {
    mallopt(M_MMAP_THRESHOLD, INT_MAX);
    mallopt(M_TRIM_THRESHOLD, INT_MAX);
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter("render / fill (time per iteration, same layer sizes)",
                         {{"BM_RenderLayers", "BM_FillLayers"}});
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintSummary();
  benchmark::Shutdown();
  return 0;
}
