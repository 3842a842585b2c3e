#pragma once

#include <optional>
#include <string>

namespace platform::fltk {

// The modal open dialog: GTK's chooser where FLTK finds GTK, FLTK's own chooser otherwise.
// `filter` is written the old platform's way ("Description|*.ext"). With `mustExist`, a
// name that is not an existing file is refused and the dialog comes back. Returns the chosen
// path, or nothing when the user cancels.
std::optional<std::string> RunOpenFileChooser(const std::string& title, const std::string& filter,
                                              const std::string& initialFolder, bool mustExist);

}  // namespace platform::fltk
