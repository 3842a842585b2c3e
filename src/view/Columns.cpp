#include "view/Columns.h"

namespace dgr {

using enum platform::graphics::TBrushStyle;

ColumnCanvas::ColumnCanvas(ColumnRange columns, int height, TColor fill)
    : bitmap_(columns.Count, height), canvas_(bitmap_.Canvas()), first_(columns.First) {
  canvas_.Brush.Color = fill;
  canvas_.Brush.Style = bsSolid;
  canvas_.FillRect(0, 0, columns.Count, height);
}

}  // namespace dgr
