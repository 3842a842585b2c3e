#pragma once

#include <FL/Fl_Group.H>
#include <FL/Fl_Widget.H>

#include "platform/forms/Control.h"

namespace platform::fltk {

using platform::forms::TChange;
using platform::forms::TControl;
using platform::forms::TControlPeer;

// The FLTK widget of one control, kept in step with it. The peer owns the widget: destroying
// the peer (with its control) deletes the widget. Geometry: a widget's FLTK coordinates are its
// control's origin in the form's client area, which is the FLTK window's own frame.
class WidgetPeer : public TControlPeer {
public:
  WidgetPeer(TControl& control, Fl_Widget* widget);
  ~WidgetPeer() override;

  void Changed(TChange change) final;

  Fl_Widget* Widget() const { return widget_; }
  // Where the widgets of the control's children go; nullptr for controls without children.
  virtual Fl_Group* ChildGroup() const { return nullptr; }

  // Brings every property into the widget.
  void ApplyAll();
  // Places the widget, and the widgets of all child controls, where the model has them.
  virtual void ApplyBounds();

protected:
  // The changes that only some kinds have (text, picture, state...).
  virtual void Apply(TChange change) = 0;
  // Repaints the area the widget covers (its parent composites images and fills gaps).
  void RedrawArea();

  TControl& control_;
  Fl_Widget* widget_;
  // Set by peers whose widget holds the widgets of child controls: those belong to the
  // children's peers and are taken out before the widget is deleted.
  bool holdsChildWidgets_ = false;

private:
  void ApplyVisible();
  void ApplyEnabled();
  void ApplyHint();
  void ApplyFont();
};

// The peer of a control, when it has one from this backend.
WidgetPeer* PeerOf(const TControl& control);

}  // namespace platform::fltk
