#include "platform/fltk/WidgetPeer.h"

#include <FL/Fl_Window.H>

#include "platform/fltk/FltkColor.h"
#include "platform/fltk/Fonts.h"
#include "platform/fltk/FormWindow.h"

namespace platform::fltk {

using platform::forms::TFont;
using platform::forms::TWinControl;
using platform::graphics::TPoint;

WidgetPeer::WidgetPeer(TControl& control, Fl_Widget* widget) : control_(control), widget_(widget) {}

WidgetPeer::~WidgetPeer() {
  // The child controls' peers delete their own widgets.
  if (auto* group = widget_->as_group(); group && holdsChildWidgets_)
    while (group->children() > 0) group->remove(group->child(group->children() - 1));
  if (Fl_Group* parent = widget_->parent()) {
    parent->remove(widget_);
    parent->redraw();
  }
  delete widget_;
}

WidgetPeer* PeerOf(const TControl& control) { return dynamic_cast<WidgetPeer*>(control.Peer()); }

void WidgetPeer::Changed(TChange change) {
  switch (change) {
  case TChange::Bounds:
    ApplyBounds();
    break;
  case TChange::Visible:
    ApplyVisible();
    break;
  case TChange::Enabled:
    ApplyEnabled();
    break;
  case TChange::Hint:
    ApplyHint();
    break;
  case TChange::Font:
    ApplyFont();
    break;
  case TChange::Cursor: {
    Fl_Window* window = widget_->as_window() ? widget_->as_window() : widget_->window();
    if (auto* form = dynamic_cast<FormWindow*>(window)) form->UpdateCursor();
    break;
  }
  default:
    break;
  }
  Apply(change);
}

void WidgetPeer::ApplyAll() {
  ApplyBounds();
  ApplyVisible();
  ApplyEnabled();
  ApplyHint();
  ApplyFont();
  for (TChange change : {TChange::Font, TChange::Text, TChange::Color, TChange::Cursor, TChange::Appearance, TChange::Picture,
                         TChange::Down, TChange::Checked, TChange::Items, TChange::ItemIndex, TChange::Scroll})
    Apply(change);
}

void WidgetPeer::RedrawArea() {
  if (Fl_Group* parent = widget_->parent())
    parent->redraw();
  else
    widget_->redraw();
}

void WidgetPeer::ApplyBounds() {
  const TPoint origin = control_.OriginInForm();
  if (widget_->x() != origin.X || widget_->y() != origin.Y || widget_->w() != control_.Width() ||
      widget_->h() != control_.Height()) {
    RedrawArea();
    widget_->resize(origin.X, origin.Y, control_.Width(), control_.Height());
    RedrawArea();
  }
  if (auto* container = dynamic_cast<TWinControl*>(&control_))
    for (int i = 0; i < container->ControlCount(); ++i)
      if (WidgetPeer* child = PeerOf(*container->Controls(i))) child->ApplyBounds();
}

void WidgetPeer::ApplyVisible() {
  if (control_.Visible() == (widget_->visible() != 0)) return;
  if (control_.Visible())
    widget_->show();
  else
    widget_->hide();
  RedrawArea();
}

void WidgetPeer::ApplyEnabled() {
  if (control_.Enabled())
    widget_->activate();
  else
    widget_->deactivate();
  widget_->redraw();
}

void WidgetPeer::ApplyHint() {
  const bool shown = control_.ShowHint() && !control_.Hint().empty();
  widget_->copy_tooltip(shown ? control_.Hint().c_str() : nullptr);
}

void WidgetPeer::ApplyFont() {
  const TFont& font = *control_.Font();
  widget_->labelfont(SansFont(font.Bold()));
  widget_->labelsize(FontSizeForHeight(font.Height()));
  widget_->labelcolor(ToFlColor(font.Color()));
  widget_->redraw();
}

}  // namespace platform::fltk
