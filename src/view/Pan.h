#pragma once

#include <optional>
#include <string>

namespace dgr {

// The zoom factor of an item of the zoom list: 1, 2 or 4 for items 0, 1 and 2. An index outside
// the list (none selected) counts as the nearest item.
int ZoomFactor(int itemIndex);

// The pan scroll bar and the widths it works with: the grid and code layers (always equal once
// drawn) and the fixed blank layer that shows the visible plot.
struct ScrollPanInput {
  int Position = 1;
  int Min = 1;
  int Max = 1;
  int GridWidth = 0;
  int CodeWidth = 0;
  int BlankWidth = 0;
  int HomeLeft = 0;
};

// The Left of the moving layers for a scroll-bar position: home at Min, the layers' right edge at
// the visible plot's at Max, and in between whole steps of GridWidth / Max. Every position is
// kept within the range the two ends span, so a middle position never pans past the end.
int ScrollPanLeft(const ScrollPanInput& input);

// Whether the moving layers are wider than the visible plot, so that dragging pans them.
inline bool LayersPan(int codeWidth, int blankWidth) { return codeWidth != blankWidth; }

struct DragStepInput {
  int CodeLeft = 0;
  int CodeWidth = 0;
  int BlankWidth = 0;
  int HomeLeft = 0;
  int DragX = 0;
  int X = 0;
};

struct DragStepResult {
  int Left = 0;      // for all four moving layers; DragX becomes X
  std::string Text;  // for the drag read-out: old Left, new Left and X
};

// One mouse move of a drag: the layers follow the pointer, their right edge stopping at the
// visible plot's and their left edge at home when moving right. Nothing when the layers fit.
std::optional<DragStepResult> DragStep(const DragStepInput& input);

}  // namespace dgr
