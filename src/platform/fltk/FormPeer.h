#pragma once

#include <memory>

#include "platform/fltk/WidgetPeer.h"

namespace platform::forms {
class TForm;
}  // namespace platform::forms

namespace platform::fltk {

using platform::forms::TForm;

// The form's peer: an FLTK window placed with its client area at the form's client origin
// (Left, Top plus the form's frame), sized to the client area. bsSingle forms keep their size;
// bsSizeToolWin forms can be resized by the user.
std::unique_ptr<WidgetPeer> MakeFormPeer(TForm& form);

}  // namespace platform::fltk
