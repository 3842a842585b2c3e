#include "platform/forms/Backend.h"

namespace platform::forms {

void PlatformBackend::FormCreated(TForm&) {}

void PlatformBackend::ControlAdded(TControl&) {}

void PlatformBackend::FormDestroying(TForm&) {}

}  // namespace platform::forms
