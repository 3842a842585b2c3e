#pragma once

#include <string>

#include "platform/forms/Control.h"

namespace platform::forms {

enum TBevelCut { bvNone, bvLowered, bvRaised };

// A container with an outer and an inner bevel and a border between them. Its client area is
// inset on every side by BevelWidth for each bevel that is not bvNone, plus BorderWidth.
class TPanel : public TWinControl {
public:
  explicit TPanel(TComponent* owner);

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut bevel);
  TBevelCut BevelInner() const { return bevelInner_; }
  void SetBevelInner(TBevelCut bevel);
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int width);
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int width);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);

  TRect ClientRect() const override;

private:
  void InsetChanged();

  std::string caption_;
  TBevelCut bevelOuter_ = bvRaised;
  TBevelCut bevelInner_ = bvNone;
  int bevelWidth_ = 1;
  int borderWidth_ = 0;
  TAlignment alignment_ = taCenter;
};

}  // namespace platform::forms
