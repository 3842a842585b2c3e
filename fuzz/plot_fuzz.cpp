// Layer rendering: any segment arrays, zoom, site mode and screen width through the grid and the
// three curve layers, as a load and a zoom change draw them.

#include <algorithm>
#include <cstdint>
#include <span>

#include "FuzzFile.h"
#include "diagram_file/SiteMode.h"
#include "view/Curve.h"
#include "view/Grid.h"
#include "view/PlotWidth.h"

using dgr::AirCurve;
using dgr::CodeCurve;
using dgr::CurveInput;
using dgr::DecideSiteMode;
using dgr::DrawCurve;
using dgr::DrawGrid;
using dgr::FitPlotWidth;
using dgr::FuelCurve;
using dgr::GridGeometry;
using dgr::GridInput;
using dgr::GridLayer;
using dgr::LayerWidth;
using dgr::PlotGeometry;
using dgr::SiteModeDecision;
using platform::graphics::TBitmap;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 6) return 0;
  constexpr int LayerHeight = 312;
  const int zoom = 1 << (data[0] % 3);
  const bool depotInForce = data[1] & 1;
  const std::uint8_t siteType = data[2];
  const int screenWidth = 320 + ((data[3] << 8 | data[4]) % 3000);
  const std::span<const std::uint8_t> values(data + 5, size - 5);
  const int segments = static_cast<int>(values.size() / 3);
  const auto code = values.subspan(0, std::size_t(segments));
  const auto fuel = values.subspan(std::size_t(segments), std::size_t(segments));
  const auto air = values.subspan(2 * std::size_t(segments), std::size_t(segments));

  const SiteModeDecision site = DecideSiteMode(siteType, segments, depotInForce);
  const int plotWidth = segments == 0 ? 0 : FitPlotWidth({segments, 697, 701, 20, screenWidth, 701, 478}).PlotWidth;
  GridInput grid{segments, 1, plotWidth, site.DepotMode, site.GroupSize, LayerHeight};
  const PlotGeometry loaded = GridGeometry(grid, PlotGeometry{});
  grid.Zoom = zoom;
  const GridLayer layer = DrawGrid(grid, loaded);
  FUZZ_CHECK(layer.Bitmap.Height() == LayerHeight);
  FUZZ_CHECK(layer.Bitmap.Width() == std::max(LayerWidth(segments, zoom, plotWidth), 1) || segments == 0);
  const CurveInput input{zoom, layer.Geometry, layer.Bitmap.Width(), LayerHeight};
  for (const auto& [curve, values] : {std::pair{CodeCurve, code}, std::pair{AirCurve, air}, std::pair{FuelCurve, fuel}}) {
    const std::optional<TBitmap> picture = DrawCurve(curve, values, input);
    FUZZ_CHECK(picture && picture->Width() == layer.Bitmap.Width() && picture->Height() == LayerHeight);
  }
  return 0;
}
