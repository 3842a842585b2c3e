#include "platform/forms/Control.h"

#include <algorithm>

#include "platform/forms/Form.h"

namespace platform::forms {

namespace {
// Clears a flag when the scope ends, also by an exception.
class FlagScope {
public:
  explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = false; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

private:
  bool& flag_;
};
}  // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  destroying_ = true;
  while (!children_.empty()) {
    delete children_.back();
  }
}

TRect TWinControl::ClientRect() const { return {0, 0, Width(), Height()}; }

void TWinControl::SetAutoSize(bool autoSize) {
  if (autoSize != autoSize_) {
    autoSize_ = autoSize;
    Realign();
  }
}

TControl* TWinControl::ControlAtPos(int x, int y) {
  const TRect area = ParentForm() == this ? ClientRect() : TRect{0, 0, Width(), Height()};
  if (!area.Contains(x, y)) {
    return nullptr;
  }
  for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
    TControl* child = *it;
    if (!child->Visible() || !child->BoundsRect().Contains(x, y)) {
      continue;
    }
    if (auto* container = dynamic_cast<TWinControl*>(child)) {
      return container->ControlAtPos(x - child->Left(), y - child->Top());
    }
    return child;
  }
  return this;
}

void TWinControl::Realign() {
  if (inRealign_ || destroying_) {
    return;
  }
  FlagScope scope(inRealign_);
  AlignChildren();
  if (ApplyAutoSize()) {
    AlignChildren();
  }
}

void TWinControl::BoundsChanged(int oldWidth, int oldHeight) {
  TControl::BoundsChanged(oldWidth, oldHeight);
  if (Width() != oldWidth || Height() != oldHeight) {
    Realign();
  }
}

void TWinControl::FontChanged() {
  TControl::FontChanged();
  for (TControl* child : children_) {
    if (child->ParentFont()) {
      child->FollowParentFont();
    }
  }
}

void TWinControl::SetAutoSizeExtent(int clientRight, int clientBottom, bool width, bool height) {
  const TRect client = ClientRect();
  const int newWidth = width ? clientRight + (Width() - client.Right) : Width();
  const int newHeight = height ? clientBottom + (Height() - client.Bottom) : Height();
  SetBounds(Left(), Top(), newWidth, newHeight);
}

void TWinControl::AddChild(TControl* child) {
  children_.push_back(child);
  ChildChanged(child);
}

void TWinControl::RemoveChild(TControl* child) {
  children_.erase(std::remove(children_.begin(), children_.end(), child), children_.end());
  if (!destroying_) {
    Realign();
  }
}

void TWinControl::ChildChanged(TControl*) { Realign(); }

void TWinControl::AlignChildren() {
  TRect area = ClientRect();
  const auto placeAll = [this](TAlign align, auto&& place) {
    for (TControl* child : children_) {
      if (child->Visible() && child->Align() == align) {
        place(child);
      }
    }
  };
  placeAll(alBottom, [&area](TControl* child) {
    const int height = child->Height();
    child->SetBounds(area.Left, area.Bottom - height, area.Width(), height);
    area.Bottom -= height;
  });
  placeAll(alLeft, [&area](TControl* child) {
    const int width = child->Width();
    child->SetBounds(area.Left, area.Top, width, area.Height());
    area.Left += width;
  });
  placeAll(alClient, [&area](TControl* child) {
    child->SetBounds(area.Left, area.Top, area.Width(), area.Height());
  });
}

bool TWinControl::ApplyAutoSize() {
  if (!autoSize_) {
    return false;
  }
  bool haveWidth = false;
  bool haveHeight = false;
  int right = 0;
  int bottom = 0;
  for (const TControl* child : children_) {
    if (!child->Visible()) {
      continue;
    }
    if (child->Align() == alNone || child->Align() == alLeft) {
      right = haveWidth ? std::max(right, child->Left() + child->Width()) : child->Left() + child->Width();
      haveWidth = true;
    }
    if (child->Align() == alNone) {
      bottom = haveHeight ? std::max(bottom, child->Top() + child->Height()) : child->Top() + child->Height();
      haveHeight = true;
    }
  }
  // An aligned control leaves the dimension its alignment fixes to its parent.
  const bool ownsWidth = Align() != alBottom && Align() != alClient;
  const bool ownsHeight = Align() != alLeft && Align() != alClient;
  const bool width = haveWidth && ownsWidth;
  const bool height = haveHeight && ownsHeight;
  if (!width && !height) {
    return false;
  }
  const int oldWidth = Width();
  const int oldHeight = Height();
  SetAutoSizeExtent(right, bottom, width, height);
  return Width() != oldWidth || Height() != oldHeight;
}

}  // namespace platform::forms
