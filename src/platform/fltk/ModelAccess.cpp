#include "platform/fltk/ModelAccess.h"

#include "platform/forms/Application.h"

void DispatchInput(const std::function<void()>& event) { Application->Dispatch(event); }

TControl* MouseCaptureControl() { return Application->MouseCapture(); }
