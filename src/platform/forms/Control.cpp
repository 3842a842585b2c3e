#include "platform/forms/Control.h"

#include <algorithm>

#include "platform/forms/Application.h"
#include "platform/forms/Form.h"

namespace platform::forms {

TControl::TControl(TComponent* owner) : TComponent(owner) {}

TControl::~TControl() {
  Application->ForgetControl(this);
  if (parent_ != nullptr) {
    parent_->RemoveChild(this);
    parent_ = nullptr;
  }
  peer_.reset();
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) {
    return;
  }
  peer_.reset();
  if (parent_ != nullptr) {
    parent_->RemoveChild(this);
  }
  parent_ = parent;
  if (parent_ == nullptr) {
    return;
  }
  if (parentFont_) {
    FollowParentFont();
  }
  parent_->AddChild(this);
  TForm* form = ParentForm();
  if (form != nullptr && form->announced_) {
    Application->Backend().ControlAdded(*this);
  }
}

TForm* TControl::ParentForm() const {
  for (const TControl* control = this; control != nullptr; control = control->parent_) {
    if (auto* form = dynamic_cast<const TForm*>(control)) {
      return const_cast<TForm*>(form);
    }
  }
  return nullptr;
}

void TControl::SetBounds(int left, int top, int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (left == left_ && top == top_ && width == width_ && height == height_) {
    return;
  }
  const int oldWidth = width_;
  const int oldHeight = height_;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Changed(TChange::Bounds);
  BoundsChanged(oldWidth, oldHeight);
  if (parent_ != nullptr) {
    parent_->ChildChanged(this);
  }
}

TPoint TControl::OriginInForm() const {
  TPoint origin;
  for (const TControl* control = this; control->parent_ != nullptr; control = control->parent_) {
    if (dynamic_cast<const TForm*>(control) != nullptr) {
      break;
    }
    origin.X += control->left_;
    origin.Y += control->top_;
  }
  return origin;
}

void TControl::SetAlign(TAlign align) {
  if (align == align_) {
    return;
  }
  align_ = align;
  if (parent_ != nullptr) {
    parent_->ChildChanged(this);
  }
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) {
    return;
  }
  visible_ = visible;
  Changed(TChange::Visible);
  if (parent_ != nullptr) {
    parent_->ChildChanged(this);
  }
}

bool TControl::Showing() const {
  for (const TControl* control = this; control != nullptr; control = control->parent_) {
    if (!control->visible_) {
      return false;
    }
  }
  return true;
}

void TControl::SetEnabled(bool enabled) {
  if (enabled != enabled_) {
    enabled_ = enabled;
    Changed(TChange::Enabled);
  }
}

bool TControl::EnabledInTree() const {
  for (const TControl* control = this; control != nullptr; control = control->parent_) {
    if (!control->enabled_) {
      return false;
    }
  }
  return true;
}

void TControl::SetHint(const std::string& hint) {
  if (hint != hint_) {
    hint_ = hint;
    Changed(TChange::Hint);
  }
}

bool TControl::ShowHint() const {
  if (parentShowHint_ && parent_ != nullptr) {
    return parent_->ShowHint();
  }
  return showHint_;
}

namespace {
// Tells control and every descendant that follows its parent's hint setting.
void HintSettingChanged(TControl* control, void (*notify)(TControl*)) {
  notify(control);
  if (auto* container = dynamic_cast<TWinControl*>(control)) {
    for (int i = 0; i < container->ControlCount(); ++i) {
      TControl* child = container->Controls(i);
      if (child->ParentShowHint()) {
        HintSettingChanged(child, notify);
      }
    }
  }
}
}  // namespace

void TControl::SetShowHint(bool showHint) {
  const bool before = ShowHint();
  showHint_ = showHint;
  parentShowHint_ = false;
  if (ShowHint() != before) {
    HintSettingChanged(this, [](TControl* c) { c->Changed(TChange::Hint); });
  }
}

void TControl::SetParentShowHint(bool parentShowHint) {
  const bool before = ShowHint();
  parentShowHint_ = parentShowHint;
  if (ShowHint() != before) {
    HintSettingChanged(this, [](TControl* c) { c->Changed(TChange::Hint); });
  }
}

void TControl::SetParentFont(bool parentFont) {
  if (parentFont == parentFont_) {
    return;
  }
  parentFont_ = parentFont;
  if (parentFont_) {
    FollowParentFont();
  }
}

void TControl::FontSetByUser() {
  parentFont_ = false;
  FontChanged();
}

void TControl::FollowParentFont() {
  if (parent_ == nullptr || font_.SameAs(parent_->font_)) {
    return;
  }
  font_.CopyValues(parent_->font_);
  FontChanged();
}

void TControl::FontChanged() { Changed(TChange::Font); }

void TControl::SetColor(TColor color) {
  if (color != color_) {
    color_ = color;
    Changed(TChange::Color);
  }
}

void TControl::SetCursor(TCursor cursor) {
  if (cursor != cursor_) {
    cursor_ = cursor;
    Changed(TChange::Cursor);
  }
}

void TControl::MouseDown(int x, int y, TMouseButton button) {
  Application->Dispatch([&] {
    if (!EnabledInTree()) {
      return;
    }
    Application->PressButton(this, button);
    if (OnMouseDown) {
      OnMouseDown(this, button, Application->MouseButtons(), x, y);
    }
  });
}

void TControl::MouseMove(int x, int y) {
  Application->PointerOver(this);
  Application->Dispatch([&] {
    if (EnabledInTree() && OnMouseMove) {
      OnMouseMove(this, Application->MouseButtons(), x, y);
    }
  });
}

void TControl::MouseLeave() {
  Application->Dispatch([&] {
    if (OnMouseLeave) OnMouseLeave(this);
  });
}

void TControl::MouseUp(int x, int y, TMouseButton button) {
  Application->Dispatch([&] {
    Application->ReleaseButton(button);
    if (EnabledInTree() && OnMouseUp) {
      OnMouseUp(this, button, Application->MouseButtons(), x, y);
    }
  });
}

void TControl::SetPeer(std::unique_ptr<TControlPeer> peer) { peer_ = std::move(peer); }

void TControl::Changed(TChange change) {
  if (peer_ != nullptr) {
    peer_->Changed(change);
  }
}

void TControl::BoundsChanged(int, int) {}

}  // namespace platform::forms
