#include "platform/fltk/FormWindow.h"

#include <FL/Fl.H>

#include "platform/fltk/FltkColor.h"
#include "platform/fltk/ImageWidget.h"
#include "platform/forms/Application.h"
#include "platform/forms/Form.h"

namespace platform::fltk {

using platform::forms::Application;
using platform::forms::TControl;
using platform::forms::TCursor;
using platform::forms::TFormFrame;
using platform::forms::TMouseButton;
using platform::forms::TShiftState;
using platform::forms::VK_ADD;
using platform::forms::VK_LEFT;
using platform::forms::VK_NEXT;
using platform::forms::VK_OEM_MINUS;
using platform::forms::VK_OEM_PLUS;
using platform::forms::VK_PRIOR;
using platform::forms::VK_RIGHT;
using platform::forms::VK_SUBTRACT;
using platform::forms::ssAlt;
using platform::forms::ssCtrl;
using platform::forms::ssShift;
using enum platform::forms::TCursor;
using enum platform::forms::TMouseButton;

namespace {

TMouseButton ToMouseButton(int button) {
  if (button == FL_RIGHT_MOUSE) return mbRight;
  if (button == FL_MIDDLE_MOUSE) return mbMiddle;
  return mbLeft;
}

// The virtual-key code of the key FLTK reports, or 0 for keys the windows do not use.
int ToVirtualKey(int key) {
  switch (key) {
  case FL_Left:
    return VK_LEFT;
  case FL_Right:
    return VK_RIGHT;
  case FL_Page_Up:
    return VK_PRIOR;
  case FL_Page_Down:
    return VK_NEXT;
  case FL_KP + '+':
    return VK_ADD;
  case FL_KP + '-':
    return VK_SUBTRACT;
  case '=':
  case '+':
    return VK_OEM_PLUS;
  case '-':
    return VK_OEM_MINUS;
  default:
    break;
  }
  if (key >= 'a' && key <= 'z') return key - 'a' + 'A';
  if (key >= '0' && key <= '9') return key;
  return 0;
}

TShiftState ToShiftState(int state) {
  TShiftState shift = 0;
  if (state & FL_SHIFT) shift |= ssShift;
  if (state & FL_ALT) shift |= ssAlt;
  if (state & FL_CTRL) shift |= ssCtrl;
  return shift;
}

Fl_Cursor ToFlCursor(TCursor cursor) {
  switch (cursor) {
  case crCross:
    return FL_CURSOR_CROSS;
  case crSizeWE:
    return FL_CURSOR_WE;
  case crDefault:
    break;
  }
  return FL_CURSOR_DEFAULT;
}

void CloseRequested(Fl_Widget*, void* form) {
  // FLTK closes a window on Escape too; a form closes only by its close button.
  if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
  static_cast<TForm*>(form)->UserClose();
}

}

FormWindow::FormWindow(TForm& form, int x, int y, int w, int h) : Fl_Double_Window(x, y, w, h), form_(form) {
  end();
  resizable(nullptr);
  box(FL_FLAT_BOX);
  xclass("dgrview");
  callback(CloseRequested, &form);
}

int FormWindow::handle(int event) {
  int handled = Fl_Double_Window::handle(event);
  const int x = Fl::event_x();
  const int y = Fl::event_y();
  switch (event) {
  case FL_PUSH:
    pointerX_ = x;
    pointerY_ = y;
    if (!handled) {
      mouseHeld_ = true;
      form_.UserMouseDown(x, y, ToMouseButton(Fl::event_button()));
      handled = 1;
    }
    break;
  case FL_DRAG:
    pointerX_ = x;
    pointerY_ = y;
    if (!handled && mouseHeld_) {
      form_.UserMouseMove(x, y);
      handled = 1;
    }
    break;
  case FL_RELEASE:
    if (!handled && mouseHeld_) {
      mouseHeld_ = Fl::event_buttons() != 0;
      form_.UserMouseUp(x, y, ToMouseButton(Fl::event_button()));
      handled = 1;
    }
    break;
  case FL_ENTER:
  case FL_MOVE:
    pointerInside_ = true;
    pointerX_ = x;
    pointerY_ = y;
    form_.UserMouseMove(x, y);
    handled = 1;
    break;
  case FL_LEAVE:
    pointerInside_ = false;
    form_.UserMouseLeave();
    break;
  case FL_KEYBOARD:
  case FL_SHORTCUT:
    if (!handled) {
      if (const int key = ToVirtualKey(Fl::event_key())) handled = form_.UserKeyDown(key, ToShiftState(Fl::event_state()));
    }
    return handled;
  case FL_MOUSEWHEEL:
    // FLTK counts notches towards the user as positive, the form the other way round.
    if (!handled && Fl::event_dy() != 0) {
      form_.UserMouseWheel(-Fl::event_dy(), x, y, ToShiftState(Fl::event_state()));
      handled = 1;
    }
    return handled;
  default:
    return handled;
  }
  UpdateCursor();
  return handled;
}

void FormWindow::UpdateCursor() {
  TControl* target = Application->MouseCapture();
  if (target && target->ParentForm() != &form_) target = nullptr;
  if (!target && pointerInside_) target = form_.ControlAtPos(pointerX_, pointerY_);
  cursor(ToFlCursor(target ? target->Cursor() : crDefault));
}

void FormWindow::Place(int x, int y, int w, int h, bool userSizable) {
  userSizable_ = userSizable;
  placing_ = true;
  Fl_Double_Window::resize(x, y, w, h);
  placing_ = false;
  ApplySizeRange();
}

void FormWindow::ApplySizeRange() {
  if (userSizable_)
    size_range(1, 1, 0, 0);
  else
    size_range(w(), h(), w(), h());
}

void FormWindow::resize(int x, int y, int w, int h) {
  Fl_Double_Window::resize(x, y, w, h);
  if (placing_) return;
  const TFormFrame frame = form_.Frame();
  const int left = x - frame.Left;
  const int top = y - frame.Top;
  const int width = w + frame.Left + frame.Right;
  const int height = h + frame.Top + frame.Bottom;
  if (left != form_.Left() || top != form_.Top() || width != form_.Width() || height != form_.Height())
    form_.UserMoveResize(left, top, width, height);
}

void FormWindow::draw() {
  if (!HasImageChildren(*this)) {
    Fl_Double_Window::draw();
    return;
  }
  if (damage() & ~FL_DAMAGE_CHILD) PaintImageLayers(*this, 0, 0, w(), h(), form_.Color());
  draw_children();
}

}  // namespace platform::fltk
