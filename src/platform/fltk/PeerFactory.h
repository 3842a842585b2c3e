#pragma once

class TControl;
class TForm;

// Gives the form, and every control on it, its FLTK widget and peer.
void AttachFormPeers(TForm& form);
// Gives a control (and the controls inside it) a widget in its parent's widget, at its place
// among its siblings; a control that has one already moves there.
void AttachControlPeers(TControl& control);
