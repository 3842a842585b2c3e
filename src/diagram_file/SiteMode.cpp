#include "diagram_file/SiteMode.h"

namespace dgr {

SiteModeDecision DecideSiteMode(std::uint8_t siteType, std::int32_t segmentCount, bool depotModeInForce) {
  if (siteType == 16 || siteType == 32) return {siteType == 16, siteType, false, true};
  if (segmentCount > 256) return {true, 16, true, true};
  return {depotModeInForce, depotModeInForce ? 16 : 32, true, false};
}

}  // namespace dgr
