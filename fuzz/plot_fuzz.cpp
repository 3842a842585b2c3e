// Layer rendering: any segment arrays, zoom, site mode and screen width through the grid and the
// three curve layers, as a load and a zoom change draw them.

#include <algorithm>
#include <cstdint>
#include <span>

#include "FuzzFile.h"
#include "diagram_file/SiteMode.h"
#include "view/Grid.h"
#include "view/Plot.h"

using dgr::DecideSiteMode;
using dgr::FirstLoadState;
using dgr::LayerWidth;
using dgr::PlotGeometry;
using dgr::PlotLayers;
using dgr::PlotState;
using dgr::RenderPlot;
using dgr::SegmentArrays;
using dgr::SiteModeDecision;
using platform::graphics::TBitmap;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 6) return 0;
  const int zoom = 1 << (data[0] % 3);
  const bool depotInForce = data[1] & 1;
  const std::uint8_t siteType = data[2];
  const int screenWidth = 320 + ((data[3] << 8 | data[4]) % 3000);
  const std::span<const std::uint8_t> values(data + 5, size - 5);
  const std::size_t segments = values.size() / 3;
  SegmentArrays arrays;
  arrays.CodeData.assign(values.begin(), values.begin() + segments);
  arrays.FuelData.assign(values.begin() + segments, values.begin() + 2 * segments);
  arrays.AirData.assign(values.begin() + 2 * segments, values.begin() + 3 * segments);

  const int count = static_cast<int>(segments);
  const SiteModeDecision site = DecideSiteMode(siteType, count, depotInForce);
  const PlotState state = FirstLoadState(count, site.DepotMode, site.GroupSize, zoom, screenWidth);
  const PlotLayers layers = RenderPlot(arrays, state, PlotGeometry{});
  FUZZ_CHECK(layers.Grid.Height() == state.LayerHeight);
  FUZZ_CHECK(layers.Grid.Width() == layers.Width);
  FUZZ_CHECK(count == 0 || layers.Width == LayerWidth(count, zoom, state.PlotWidth));
  for (const TBitmap& curve : layers.Curves) FUZZ_CHECK(curve.Width() == layers.Width && curve.Height() == state.LayerHeight);
  return 0;
}
