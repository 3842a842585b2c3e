#include "platform/fltk/FltkBackend.h"

#include <FL/Fl.H>
#include <FL/Fl_Tooltip.H>
#include <FL/x.H>

#include <filesystem>

#include "platform/fltk/FltkColor.h"
#include "platform/fltk/Fonts.h"
#include "platform/fltk/MessageBoxes.h"
#include "platform/fltk/OpenFileChooser.h"
#include "platform/fltk/PeerFactory.h"
#include "platform/fltk/WidgetPeer.h"
#include "platform/forms/Form.h"
#include "platform/forms/MessageBox.h"
#include "platform/forms/OpenDialog.h"
#include "platform/forms/Timer.h"

namespace platform::fltk {

using platform::forms::MB_OK;
using platform::forms::ofFileMustExist;
using platform::graphics::clBtnFace;
using platform::graphics::clInfoBk;
using platform::graphics::clWindow;
using platform::graphics::clWindowText;

// Fontconfig, which FLTK's Xft fonts use, keeps caches it never frees; LeakSanitizer would
// report them at the exit of every program that shows a window. The sanitizer runtime calls
// this hook when it is present; elsewhere it is unused.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace {

void TimerDue(void* data) {
  auto* timer = static_cast<TTimer*>(data);
  // Re-armed first: the tick may stop the timer (or destroy it), which removes it again.
  Fl::repeat_timeout(timer->Interval() / 1000.0, TimerDue, data);
  timer->Tick();
}

}

FltkBackend::FltkBackend() {
  fl_open_display();
  RegisterFonts();
  Fl::background(RedOf(clBtnFace), GreenOf(clBtnFace), BlueOf(clBtnFace));
  Fl::background2(RedOf(clWindow), GreenOf(clWindow), BlueOf(clWindow));
  Fl::foreground(RedOf(clWindowText), GreenOf(clWindowText), BlueOf(clWindowText));
  Fl_Tooltip::color(ToFlColor(clInfoBk));
  Fl_Tooltip::textcolor(ToFlColor(clWindowText));
  Fl_Tooltip::font(SansFont(false));
  Fl_Tooltip::size(11);
  LocalizeFltkDialogs();
}

FltkBackend::~FltkBackend() = default;

void FltkBackend::RunLoop() {
  quit_ = false;
  while (!quit_) Fl::wait();
  quit_ = false;
}

void FltkBackend::FormCreated(TForm& form) { AttachFormPeers(form); }

void FltkBackend::ControlAdded(TControl& control) { AttachControlPeers(control); }

void FltkBackend::FormDestroying(TForm& form) {
  if (WidgetPeer* peer = PeerOf(form)) peer->Widget()->hide();
}

std::optional<std::string> FltkBackend::ExecuteOpenDialog(const TOpenDialog& dialog) {
  std::string folder = dialog.InitialDir();
  if (folder.empty() && !dialog.FileName().empty())
    folder = std::filesystem::path(dialog.FileName()).parent_path().string();
  return RunOpenFileChooser(dialog.Title(), dialog.Filter(), folder, dialog.HasOption(ofFileMustExist));
}

int FltkBackend::ShowMessageBox(TForm*, const std::string& text, const std::string& caption, unsigned flags) {
  return RunMessageBox(text, caption, flags);
}

void FltkBackend::ShowError(const std::string& message) { RunMessageBox(message, "dgrview", MB_OK, true); }

void FltkBackend::StartTimer(TTimer& timer) {
  Fl::remove_timeout(TimerDue, &timer);
  if (timer.Interval() > 0) Fl::add_timeout(timer.Interval() / 1000.0, TimerDue, &timer);
}

void FltkBackend::StopTimer(TTimer& timer) { Fl::remove_timeout(TimerDue, &timer); }

int FltkBackend::ScreenWidth() { return Fl::w(); }

int FltkBackend::ScreenHeight() { return Fl::h(); }

}  // namespace platform::fltk
