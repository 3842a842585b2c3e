#pragma once

#include <string>

#include "platform/forms/Control.h"
#include "platform/graphics/Bitmap.h"

namespace platform::forms {

using platform::graphics::TBitmap;

// A tool-bar button. With GroupIndex 0 it springs back after each click. With a GroupIndex it
// stays down: among the speed buttons of the same parent and group index at most one is down,
// and with AllowAllUp off the down one can only be released by pressing another of its group.
class TSpeedButton : public TControl {
public:
  explicit TSpeedButton(TComponent* owner);

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  // Setting Down runs no handler. Down is always false with GroupIndex 0.
  bool Down() const { return down_; }
  void SetDown(bool down);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int groupIndex);
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool allowAllUp);
  bool Flat() const { return flat_; }
  void SetFlat(bool flat);
  const TBitmap& Glyph() const { return glyph_; }
  void SetGlyph(const TBitmap& glyph);
  // Pixels between glyph and caption.
  int Spacing() const { return spacing_; }
  void SetSpacing(int spacing);

  TNotifyEvent OnClick;

  // The user's click: on an enabled button, flips Down when GroupIndex is not 0, then runs
  // OnClick, which sees the new state. A disabled button runs nothing.
  void UserClick();

private:
  std::string caption_;
  bool down_ = false;
  int groupIndex_ = 0;
  bool allowAllUp_ = false;
  bool flat_ = false;
  TBitmap glyph_;
  int spacing_ = 4;
};

}  // namespace platform::forms
