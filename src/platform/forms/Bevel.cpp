#include "platform/forms/Bevel.h"

namespace platform::forms {

TBevel::TBevel(TComponent* owner) : TControl(owner) {}

void TBevel::SetShape(TBevelShape shape) {
  if (shape != shape_) {
    shape_ = shape;
    Changed(TChange::Appearance);
  }
}

void TBevel::SetStyle(TBevelStyle style) {
  if (style != style_) {
    style_ = style;
    Changed(TChange::Appearance);
  }
}

}  // namespace platform::forms
