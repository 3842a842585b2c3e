#pragma once

#include <memory>

#include "platform/fltk/WidgetPeer.h"

namespace platform::forms {
class TMemo;
}  // namespace platform::forms

namespace platform::fltk {

using platform::forms::TMemo;

// The memo's peer: an FLTK text editor. The model separates lines by CR LF, the editor by LF;
// the user's edits reach TMemo::UserEdit, and characters the memo refuses are never inserted.
std::unique_ptr<WidgetPeer> MakeMemoPeer(TMemo& memo);

// Line breaks between the model (CR LF, or a lone CR or LF) and the editor (LF).
std::string ToEditorText(const std::string& modelText);
std::string ToModelText(const std::string& editorText);

}  // namespace platform::fltk
