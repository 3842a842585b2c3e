#include "platform/forms/Form.h"

#include <algorithm>

#include "platform/forms/Application.h"

namespace platform::forms {

TFormFrame FrameOf(TFormBorderStyle style) {
  switch (style) {
    case bsSingle:
      return {3, 25, 3, 3};
    case bsSizeToolWin:
      return {4, 30, 4, 4};
    case bsNone:
      break;
  }
  return {};
}

TForm::TForm(TComponent* owner) : TWinControl(owner), creating_(Application->Constructing()) {
  TControl::SetVisible(false);
  TControl::SetBounds(0, 0, Width(), Height());
}

TForm::~TForm() {
  if (announced_) {
    Application->Backend().FormDestroying(*this);
  }
}

void TForm::SetBounds(int left, int top, int width, int height) {
  const TFormFrame frame = Frame();
  clientWidth_ = std::max(width - frame.Left - frame.Right, 0);
  clientHeight_ = std::max(height - frame.Top - frame.Bottom, 0);
  TControl::SetBounds(left, top, Width(), Height());
}

void TForm::SetClientWidth(int width) { SetClientSize(width, clientHeight_); }

void TForm::SetClientHeight(int height) { SetClientSize(clientWidth_, height); }

void TForm::SetClientSize(int width, int height) {
  const TFormFrame frame = Frame();
  SetBounds(Left(), Top(), width + frame.Left + frame.Right, height + frame.Top + frame.Bottom);
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
  if (style == borderStyle_) {
    return;
  }
  borderStyle_ = style;
  Changed(TChange::Appearance);
  TControl::SetBounds(Left(), Top(), Width(), Height());
}

void TForm::SetPosition(TPosition position) {
  if (position != position_) {
    position_ = position;
    Changed(TChange::Appearance);
  }
}

void TForm::SetCaption(const std::string& caption) {
  if (caption != caption_) {
    caption_ = caption;
    Changed(TChange::Text);
  }
}

void TForm::SetIcon(const TBitmap& icon) {
  icon_ = icon;
  Changed(TChange::Appearance);
}

void TForm::SetVisible(bool visible) {
  if (creating_) {
    visibleAtCreation_ = visible;
    return;
  }
  if (visible == Visible()) {
    return;
  }
  if (visible) {
    if (!shownBefore_) {
      shownBefore_ = true;
      if (position_ == poDesktopCenter) {
        SetBounds((Screen->Width() - Width()) / 2, (Screen->Height() - Height()) / 2, Width(), Height());
      }
    }
    TControl::SetVisible(true);
    if (OnShow) {
      OnShow(this);
    }
  } else {
    TControl::SetVisible(false);
    if (OnHide) {
      OnHide(this);
    }
  }
}

void TForm::Show() {
  SetVisible(true);
  if (!creating_) {
    Changed(TChange::BringToFront);
  }
}

void TForm::Close() {
  bool canClose = true;
  if (OnCloseQuery) {
    OnCloseQuery(this, canClose);
  }
  if (!canClose) {
    return;
  }
  TCloseAction action = caHide;
  if (OnClose) {
    OnClose(this, action);
  }
  if (action == caNone) {
    return;
  }
  if (Application->MainForm() == this) {
    Application->Terminate();
  } else {
    Hide();
  }
}

void TForm::UserClose() {
  Application->Dispatch([this] { Close(); });
}

void TForm::UserMoveResize(int left, int top, int width, int height) {
  Application->Dispatch([&] { SetBounds(left, top, width, height); });
}

bool TForm::UserKeyDown(int key, TShiftState shift) {
  if (!OnKeyDown || !EnabledInTree()) return false;
  Application->Dispatch([&] { OnKeyDown(this, key, shift); });
  return key == 0;
}

void TForm::UserMouseWheel(int delta, int x, int y, TShiftState shift) {
  if (!OnMouseWheel || !EnabledInTree()) return;
  Application->Dispatch([&] { OnMouseWheel(this, shift, delta, x, y); });
}

TControl* TForm::MouseTarget(int x, int y) {
  TControl* capture = Application->MouseCapture();
  if (capture != nullptr && capture->ParentForm() == this) {
    return capture;
  }
  return ControlAtPos(x, y);
}

void TForm::UserMouseDown(int x, int y, TMouseButton button) {
  if (TControl* target = MouseTarget(x, y)) {
    const TPoint origin = target->OriginInForm();
    target->MouseDown(x - origin.X, y - origin.Y, button);
  }
}

void TForm::UserMouseMove(int x, int y) {
  if (TControl* target = MouseTarget(x, y)) {
    const TPoint origin = target->OriginInForm();
    target->MouseMove(x - origin.X, y - origin.Y);
  } else {
    UserMouseLeave();
  }
}

void TForm::UserMouseLeave() {
  const TControl* pointer = Application->PointerControl();
  if (pointer != nullptr && pointer->ParentForm() == this) Application->PointerOver(nullptr);
}

void TForm::UserMouseUp(int x, int y, TMouseButton button) {
  if (TControl* target = MouseTarget(x, y)) {
    const TPoint origin = target->OriginInForm();
    target->MouseUp(x - origin.X, y - origin.Y, button);
  }
}

void TForm::BoundsChanged(int oldWidth, int oldHeight) {
  TWinControl::BoundsChanged(oldWidth, oldHeight);
  if ((Width() != oldWidth || Height() != oldHeight) && OnResize) {
    OnResize(this);
  }
}

void TForm::SetAutoSizeExtent(int clientRight, int clientBottom, bool width, bool height) {
  SetClientSize(width ? clientRight : clientWidth_, height ? clientBottom : clientHeight_);
}

}  // namespace platform::forms
