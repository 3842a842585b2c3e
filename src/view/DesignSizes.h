#pragma once

namespace dgr {

// The diagram window's design sizes that the plot depends on. The window definition lays its
// controls out with them, and a window that has just started holds them, so the command-line
// tool renders with the same figures without a window.
inline constexpr int DesignPlotWidth = 697;   // the visible plot, the width of the plot layers
inline constexpr int DesignPanelWidth = 701;  // the plot panel around the layers
inline constexpr int DesignLayerLeft = 2;     // where the layers stand in the plot panel: their home
inline constexpr int DesignLayerHeight = 312;
// The window's outer width minus the plot width: a client area 711 wide in a frame of 3 pixels
// a side.
inline constexpr int DesignFrameWidth = 20;
inline constexpr int DesignWindowLeft = 478;

}  // namespace dgr
