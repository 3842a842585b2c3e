#include "platform/forms/Backend.h"

void PlatformBackend::FormCreated(TForm&) {}

void PlatformBackend::ControlAdded(TControl&) {}

void PlatformBackend::FormDestroying(TForm&) {}
