#pragma once

namespace platform::forms {
class TControl;
class TForm;
}  // namespace platform::forms

namespace platform::fltk {

using platform::forms::TControl;
using platform::forms::TForm;

// Gives the form, and every control on it, its FLTK widget and peer.
void AttachFormPeers(TForm& form);
// Gives a control (and the controls inside it) a widget in its parent's widget, at its place
// among its siblings; a control that has one already moves there.
void AttachControlPeers(TControl& control);

}  // namespace platform::fltk
