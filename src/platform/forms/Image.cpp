#include "platform/forms/Image.h"

#include "platform/graphics/Compose.h"

namespace platform::forms {

using platform::graphics::TransparentColorOf;

TImage::TImage(TComponent* owner) : TControl(owner) {}

void TImage::SetPicture(const TBitmap& picture) {
  picture_ = picture;
  Changed(TChange::Picture);
}

void TImage::SetPicture(TBitmap&& picture) {
  picture_ = std::move(picture);
  Changed(TChange::Picture);
}

void TImage::ClearPicture() { SetPicture(TBitmap()); }

void TImage::SetTransparent(bool transparent) {
  if (transparent != transparent_) {
    transparent_ = transparent;
    Changed(TChange::Picture);
  }
}

std::optional<TColor> TImage::PixelShown(int x, int y) const {
  if (x < 0 || y < 0 || x >= Width() || y >= Height() || !picture_.Contains(x, y)) {
    return std::nullopt;
  }
  const TColor color = picture_.Pixel(x, y);
  if (transparent_ && color == TransparentColorOf(picture_)) {
    return std::nullopt;
  }
  return color;
}

}  // namespace platform::forms
