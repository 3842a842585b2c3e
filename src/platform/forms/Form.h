#pragma once

#include <functional>
#include <string>

#include "platform/forms/Control.h"
#include "platform/graphics/Bitmap.h"

namespace platform::forms {

using platform::graphics::TBitmap;

// bsSingle: a fixed frame of 3 pixels on the left, right and bottom and a caption bar of 22
// pixels above the client area (top edge 25). bsSizeToolWin: a sizing frame of 4 pixels and a
// small caption bar of 26 pixels (top edge 30). bsNone: no frame.
enum TFormBorderStyle { bsNone, bsSingle, bsSizeToolWin };

// The frame widths around a form's client area.
struct TFormFrame {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
};
TFormFrame FrameOf(TFormBorderStyle style);

// poDesktopCenter: centred on the desktop (the Screen) when first shown.
enum TPosition { poDesigned, poDesktopCenter };

enum TCloseAction { caNone, caHide };

using TCloseQueryEvent = std::function<void(TObject* sender, bool& canClose)>;
using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;
// key is a virtual-key code (VK_* in Types.h); a handler that consumes it sets it to 0.
using TKeyEvent = std::function<void(TObject* sender, int& key, TShiftState shift)>;
// delta > 0 for a turn away from the user; x and y in the form's client coordinates.
using TMouseWheelEvent = std::function<void(TObject* sender, TShiftState shift, int delta, int x, int y)>;

// A top-level window. Left, Top, Width and Height are its outer place and size on the desktop;
// the client area, where its children lie, is the outer size less the frame of its
// BorderStyle. The frame is kept when the border style changes: the client size stays.
//
// A window class derives from TForm; its constructor creates the controls and binds the
// handlers. TApplication::CreateForm then stores the form in its global pointer, runs OnCreate
// and shows the form when its constructor set Visible. While that constructor runs, SetVisible
// only records the wish.
class TForm : public TWinControl {
public:
  explicit TForm(TComponent* owner = nullptr);
  ~TForm() override;

  int Width() const override { return clientWidth_ + Frame().Left + Frame().Right; }
  int Height() const override { return clientHeight_ + Frame().Top + Frame().Bottom; }
  void SetBounds(int left, int top, int width, int height) override;
  int ClientWidth() const { return clientWidth_; }
  int ClientHeight() const { return clientHeight_; }
  void SetClientWidth(int width);
  void SetClientHeight(int height);
  TRect ClientRect() const override { return {0, 0, clientWidth_, clientHeight_}; }

  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle style);
  TFormFrame Frame() const { return FrameOf(borderStyle_); }
  TPosition Position() const { return position_; }
  void SetPosition(TPosition position);

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  const TBitmap& Icon() const { return icon_; }
  void SetIcon(const TBitmap& icon);

  // Showing runs OnShow; hiding a shown form runs OnHide.
  void SetVisible(bool visible) override;
  // Makes the form visible (centring it at its first show when poDesktopCenter) and brings it to
  // the front.
  void Show() override;
  // True from the construction of the form until TApplication::CreateForm finished it.
  bool Creating() const { return creating_; }
  // Runs OnCloseQuery, then (when it allowed closing) OnClose; then, unless the action became
  // caNone, ends the Application's loop for the main form and hides any other form.
  void Close();

  TNotifyEvent OnCreate;
  // Runs on every change of the form's size, never on a move alone.
  TNotifyEvent OnResize;
  TCloseQueryEvent OnCloseQuery;
  TCloseEvent OnClose;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  // A key pressed while the form is active and no control of it takes the key for itself.
  TKeyEvent OnKeyDown;
  TMouseWheelEvent OnMouseWheel;

  // User input, each through the Application's guard. UserClose is the close button.
  // UserMoveResize is the user or the window manager moving or sizing the window (outer
  // figures). The mouse methods take client coordinates and pass the event on to the control
  // under the pointer, or to the control that holds the mouse capture.
  void UserClose();
  void UserMoveResize(int left, int top, int width, int height);
  void UserMouseDown(int x, int y, TMouseButton button = mbLeft);
  void UserMouseMove(int x, int y);
  // The pointer has left the form's window.
  void UserMouseLeave();
  void UserMouseUp(int x, int y, TMouseButton button = mbLeft);
  // The user presses a key; gives whether a handler consumed it.
  bool UserKeyDown(int key, TShiftState shift = 0);
  // The user turns the mouse wheel by delta notches over the client point (x, y).
  void UserMouseWheel(int delta, int x, int y, TShiftState shift = 0);

protected:
  void BoundsChanged(int oldWidth, int oldHeight) override;
  void SetAutoSizeExtent(int clientRight, int clientBottom, bool width, bool height) override;

private:
  friend class TApplication;
  friend class TControl;
  void SetClientSize(int width, int height);
  TControl* MouseTarget(int x, int y);

  int clientWidth_ = 0;
  int clientHeight_ = 0;
  TFormBorderStyle borderStyle_ = bsSingle;
  TPosition position_ = poDesigned;
  std::string caption_;
  TBitmap icon_;
  bool creating_ = false;
  bool visibleAtCreation_ = false;
  bool shownBefore_ = false;
  // The backend has been told of the form (TApplication::CreateForm).
  bool announced_ = false;
};

}  // namespace platform::forms
