#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/forms/Component.h"
#include "platform/forms/Font.h"
#include "platform/forms/Types.h"
#include "platform/graphics/Color.h"

namespace platform::forms {

using platform::graphics::TPoint;
using platform::graphics::clBtnFace;

class TWinControl;
class TForm;

// What a backend attaches to a control to show it: told of every property change. The peer is
// owned by the control and destroyed with it; by then the control's derived parts are gone, so a
// peer's destructor must not call into the control.
class TControlPeer {
public:
  virtual ~TControlPeer() = default;
  virtual void Changed(TChange change) = 0;
};

using TNotifyEvent = std::function<void(TObject* sender)>;
using TMouseEvent = std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState shift, int x, int y)>;

// A visible element with a place in its parent. Left and Top are in the parent's client
// coordinates: for a form, from the top-left of its client area; for a panel, from its own
// top-left corner (its bevels and border lie inside its bounds). Among siblings, a control
// created later lies above one created earlier.
class TControl : public TComponent {
public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  TWinControl* Parent() const { return parent_; }
  // Moves the control to the top of the new parent's children (nullptr: no parent).
  void SetParent(TWinControl* parent);
  // The form the control lies on (the form itself for a form), or nullptr.
  TForm* ParentForm() const;

  int Left() const { return left_; }
  int Top() const { return top_; }
  virtual int Width() const { return width_; }
  virtual int Height() const { return height_; }
  void SetLeft(int left) { SetBounds(left, top_, Width(), Height()); }
  void SetTop(int top) { SetBounds(left_, top, Width(), Height()); }
  void SetWidth(int width) { SetBounds(left_, top_, width, Height()); }
  void SetHeight(int height) { SetBounds(left_, top_, Width(), height); }
  // Sets place and size in one step; negative sizes count as 0.
  virtual void SetBounds(int left, int top, int width, int height);
  TRect BoundsRect() const { return {left_, top_, left_ + Width(), top_ + Height()}; }
  // Top-left corner in the client coordinates of ParentForm() ((0, 0) for a form).
  TPoint OriginInForm() const;

  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible);
  virtual void Show() { SetVisible(true); }
  virtual void Hide() { SetVisible(false); }
  // Visible, and so are all its parents.
  bool Showing() const;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // Enabled, and so are all its parents: only then does user input reach it.
  bool EnabledInTree() const;

  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint);
  // The parent's ShowHint while ParentShowHint is on, else the control's own setting. Setting
  // ShowHint turns ParentShowHint off.
  bool ShowHint() const;
  void SetShowHint(bool showHint);
  bool ParentShowHint() const { return parentShowHint_; }
  void SetParentShowHint(bool parentShowHint);

  // While ParentFont is on, the font follows the parent's; changing the font turns it off.
  TFont* Font() { return &font_; }
  const TFont* Font() const { return &font_; }
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool parentFont);

  TColor Color() const { return color_; }
  void SetColor(TColor color);

  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor);

  // Mouse events, x and y in the control's own coordinates.
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  // The pointer has left the control (after a move over it).
  TNotifyEvent OnMouseLeave;

  // User input. A press captures the mouse: until every button is released, moves and the
  // release that the form receives go to this control, even outside it. A disabled control
  // runs nothing.
  void MouseDown(int x, int y, TMouseButton button = mbLeft);
  void MouseMove(int x, int y);
  void MouseUp(int x, int y, TMouseButton button = mbLeft);
  void MouseLeave();

  TControlPeer* Peer() const { return peer_.get(); }
  void SetPeer(std::unique_ptr<TControlPeer> peer);

protected:
  // The single notification path: every property change of the model calls this.
  void Changed(TChange change);
  // Runs after the bounds changed, before the parent is told.
  virtual void BoundsChanged(int oldWidth, int oldHeight);
  // Runs when the font changed, by a setter or by following the parent.
  virtual void FontChanged();
  void SetDefaultColor(TColor color) { color_ = color; }

private:
  friend class TFont;
  friend class TWinControl;
  void FontSetByUser();
  void FollowParentFont();

  TWinControl* parent_ = nullptr;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  TAlign align_ = alNone;
  bool visible_ = true;
  bool enabled_ = true;
  std::string hint_;
  bool showHint_ = false;
  bool parentShowHint_ = true;
  TFont font_{this};
  bool parentFont_ = true;
  TColor color_ = clBtnFace;
  TCursor cursor_ = crDefault;
  std::unique_ptr<TControlPeer> peer_;
};

// A control that holds child controls and lays them out: aligned children follow its client
// area, and with AutoSize on it sizes itself to the extent of its children.
class TWinControl : public TControl {
public:
  explicit TWinControl(TComponent* owner);
  // Destroys the children, the top one first.
  ~TWinControl() override;

  int ControlCount() const { return int(children_.size()); }
  // Children bottom to top.
  TControl* Controls(int index) const { return children_.at(std::size_t(index)); }

  // The area children are aligned into, in the control's own coordinates (the children's
  // coordinate system); inset by bevels and border where the control has them.
  virtual TRect ClientRect() const;

  // With AutoSize on, the client area follows the extent of the visible children: its width
  // reaches the right edge of the rightmost child aligned alNone or alLeft, its height the bottom
  // edge of the lowest alNone child. A control aligned alLeft keeps its width, one aligned
  // alBottom its height. Without such children the size stays.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);

  // The topmost showing control at (x, y), given in this control's own coordinates, searching
  // into child containers; this control itself when no child is there, nullptr when (x, y) lies
  // outside it.
  TControl* ControlAtPos(int x, int y);

  // Aligns the children and applies AutoSize. Runs by itself after every change that matters.
  void Realign();

protected:
  void BoundsChanged(int oldWidth, int oldHeight) override;
  void FontChanged() override;
  // Sets the size that AutoSize computed, as a client size.
  virtual void SetAutoSizeExtent(int clientRight, int clientBottom, bool width, bool height);

private:
  friend class TControl;
  void AddChild(TControl* child);
  void RemoveChild(TControl* child);
  void ChildChanged(TControl* child);
  void AlignChildren();
  bool ApplyAutoSize();

  std::vector<TControl*> children_;
  bool autoSize_ = false;
  bool inRealign_ = false;
  bool destroying_ = false;
};

}  // namespace platform::forms
