#pragma once

#include <cstdint>

namespace dgr {

// The site mode a load leaves: depot ("НБ") with grid groups of 16 or filling station ("АЗС")
// with groups of 32, whether the user may still choose it with the radio buttons, and what
// LoadFile gives.
struct SiteModeDecision {
  bool DepotMode = false;
  int GroupSize = 32;
  bool ModeButtonsEnabled = true;
  bool LoadResult = false;  // true when the file fixed the mode (by site type or segment count)
};

// SiteType 16 or 32 fixes the mode and locks the buttons; otherwise more than 256 segments set
// depot mode; otherwise the mode in force stays and the load gives false.
SiteModeDecision DecideSiteMode(std::uint8_t siteType, std::int32_t segmentCount, bool depotModeInForce);

}  // namespace dgr
