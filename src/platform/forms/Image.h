#pragma once

#include <optional>

#include "platform/forms/Control.h"
#include "platform/graphics/Bitmap.h"

namespace platform::forms {

using platform::graphics::TBitmap;

// Shows a copy of a bitmap at natural size from its own top-left corner, clipped to its bounds.
// When Transparent, every pixel of the picture's bottom-left colour lets what lies below show.
class TImage : public TControl {
public:
  explicit TImage(TComponent* owner);

  const TBitmap& Picture() const { return picture_; }
  // The image keeps its own copy.
  void SetPicture(const TBitmap& picture);
  void SetPicture(TBitmap&& picture);
  void ClearPicture();
  bool HasPicture() const { return picture_.Width() > 0 && picture_.Height() > 0; }

  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);

  // The colour the image paints at (x, y) in its own coordinates, or nothing where it lets the
  // layers below show: outside its bounds or its picture, and at see-through pixels.
  std::optional<TColor> PixelShown(int x, int y) const;

private:
  TBitmap picture_;
  bool transparent_ = false;
};

}  // namespace platform::forms
