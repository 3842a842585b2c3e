#pragma once

#include "platform/forms/Control.h"

namespace platform::forms {

enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine };
enum TBevelStyle { bsLowered, bsRaised };

// A 3D line or box drawn on the parent's surface.
class TBevel : public TControl {
public:
  explicit TBevel(TComponent* owner);

  TBevelShape Shape() const { return shape_; }
  void SetShape(TBevelShape shape);
  TBevelStyle Style() const { return style_; }
  void SetStyle(TBevelStyle style);

private:
  TBevelShape shape_ = bsBox;
  TBevelStyle style_ = bsLowered;
};

}  // namespace platform::forms
