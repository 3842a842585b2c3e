#include "view/Pan.h"

#include <algorithm>

#include <fmt/format.h>

namespace dgr {

int ZoomFactor(int itemIndex) { return 1 << std::clamp(itemIndex, 0, 2); }

int ScrollPanLeft(const ScrollPanInput& input) {
  const int farthest = input.BlankWidth - input.CodeWidth;
  int left = 0;
  if (input.Position == input.Min) {
    left = input.HomeLeft;
  } else if (input.Position == input.Max) {
    left = farthest;
  } else {
    left = -(input.GridWidth / input.Max) * (input.Position - 1);
  }
  return std::clamp(left, std::min(farthest, input.HomeLeft), input.HomeLeft);
}

std::optional<DragStepResult> DragStep(const DragStepInput& input) {
  if (!LayersPan(input.CodeWidth, input.BlankWidth)) return std::nullopt;
  int left = input.CodeLeft + (input.X - input.DragX);
  if (left < input.HomeLeft) {
    if (left + input.CodeWidth < input.BlankWidth) left = input.BlankWidth - input.CodeWidth;
  } else if (left > input.HomeLeft && input.X > input.DragX) {
    left = input.HomeLeft;
  }
  return DragStepResult{left, fmt::format("{} : {} : {}", input.CodeLeft, left, input.X)};
}

}  // namespace dgr
