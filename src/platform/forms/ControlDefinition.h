#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/forms/Control.h"

// Small helpers that let the window definitions read like their design tables.

namespace platform::forms {

// Creates a control owned by owner on parent at the given place and size.
template <class T>
T* Place(TComponent* owner, TWinControl* parent, const char* name, int left, int top, int width, int height) {
  auto* control = new T(owner);
  control->SetName(name);
  control->SetParent(parent);
  control->SetBounds(left, top, width, height);
  return control;
}

// The component of that name and class among those owner owns. Throws std::logic_error when
// there is none: a definition names only controls it made.
template <class T>
T* Find(const TComponent* owner, std::string_view name) {
  for (int i = 0; i < owner->ComponentCount(); ++i)
    if (owner->Components(i)->Name() == name)
      if (auto* found = dynamic_cast<T*>(owner->Components(i))) return found;
  throw std::logic_error("no control named " + std::string(name));
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

}  // namespace platform::forms
