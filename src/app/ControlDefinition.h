#pragma once

#include "platform/forms/Control.h"

namespace dgr {

using platform::forms::TComponent;
using platform::forms::TControl;
using platform::forms::TWinControl;
using platform::graphics::TColor;
using platform::graphics::clWindowText;

// Small helpers that let the window definitions read like their design tables.

// Creates a control owned by owner on parent at the given place and size.
template <class T>
T* Place(TComponent* owner, TWinControl* parent, const char* name, int left, int top, int width, int height) {
  auto* control = new T(owner);
  control->SetName(name);
  control->SetParent(parent);
  control->SetBounds(left, top, width, height);
  return control;
}

// Character height in pixels, bold or regular, and colour; the face stays the default one.
inline void SetFont(TControl* control, int height, bool bold, TColor color = clWindowText) {
  control->Font()->SetHeight(height);
  control->Font()->SetBold(bold);
  control->Font()->SetColor(color);
}

// A hint that the control shows by itself, whatever its parent's setting.
inline void ShowHintText(TControl* control, const char* hint) {
  control->SetHint(hint);
  control->SetShowHint(true);
}

}  // namespace dgr
