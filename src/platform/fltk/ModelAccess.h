#pragma once

#include <functional>

class TControl;

// The Application's services that the widgets need, behind a header free of the Application's
// declarations: its global `Screen` collides with Xlib's type of that name, which FLTK's
// drawing headers bring in.

// Runs user input through the Application's guard (an escaping exception is shown).
void DispatchInput(const std::function<void()>& event);
// The control holding the mouse capture, or nullptr.
TControl* MouseCaptureControl();
